#!/usr/bin/env bash
# Cross-builds for 64-bit Windows with mingw-w64 into build-windows/ (or the folder given as $1):
# app/tessivane-calc.exe with the chamber data beside it, and the test programs of calc/,
# project/ and cli/ in testbin/. When Qt for Windows is in its cache (scripts/build-qt-windows.sh)
# also the window: app/tessivane.exe, the control library DLL and veldo-register.exe, the help
# pictures and documents, the Qt Test programs, and tessivane-windows.zip (scripts/pack-windows.sh).
# Installs what is missing. TESSIVANE_HOST_BUILD names a native build folder whose generators
# (pictures, documents) the window's build may use; else they are built in BUILD_DIR/host.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-windows}
shift || true

packages=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64)
./scripts/install-packages.sh build-windows "${packages[@]}"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
targets=(tessivane-calc tessivane_chamber_data calc_tests project_tests cli_tests)
if qt=$(./scripts/build-qt-windows.sh --prefix); then
  generators=(tessivane-help-diagram tessivane-signon tessivane-documents)
  host=${TESSIVANE_HOST_BUILD:-$build_dir/host}
  echo "build-windows: the generators for this machine, in $host"
  [ -f "$host/CMakeCache.txt" ] || cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSIVANE_BENCH=OFF "${launcher[@]}" >/dev/null
  cmake --build "$host" --target "${generators[@]}"
  # Qt's toolchain file loads ours; the programs that use Qt share its runtime DLLs.
  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64-shared.cmake" -DQT_HOST_PATH=/usr
    -DTESSIVANE_WITH_QT=ON -DTESSIVANE_HOST_TOOLS_DIR="$(realpath "$host/tools")")
  targets=(all)
else
  echo "build-windows: no Qt for Windows in ${qt:-the cache}, so only the command line is built;"
  echo "build-windows: scripts/build-qt-windows.sh builds that Qt once (about 30 minutes), then the window too"
  toolchain=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DTESSIVANE_WITH_QT=OFF)
fi
# A folder configured with the other toolchain starts afresh.
cache=$build_dir/CMakeCache.txt
if [ -f "$cache" ] &&
  [ "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$cache")" != "${toolchain[0]#*=}" ]; then
  rm -rf "$cache" "$build_dir/CMakeFiles"
fi
echo "build-windows: configuring $build_dir"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${toolchain[@]}" \
  -DTESSIVANE_BENCH=OFF -DTESSIVANE_GOOGLETEST_SOURCE=/usr/src/googletest "${launcher[@]}" "$@"
echo "build-windows: building ${targets[*]}"
cmake --build "$build_dir" --target "${targets[@]}"

# The command line must run on a bare Windows: it may import only the system's own DLLs.
exe="$build_dir/app/tessivane-calc.exe"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
foreign=$(grep -viE '^(kernel32|msvcrt|ucrtbase|advapi32|user32|shell32|bcrypt|ws2_32|api-ms-win-.*)\.dll$' <<<"$imports" || true)
if [ -n "$foreign" ]; then
  echo "build-windows: $exe needs DLLs that Windows does not have:" $foreign >&2
  exit 1
fi
echo "build-windows: $exe imports only" $imports
if [ -n "${generators:-}" ]; then
  ./scripts/pack-windows.sh "$build_dir" "$qt"
fi
