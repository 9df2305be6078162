#!/usr/bin/env bash
# Cross-builds the standard-C++ half for 64-bit Windows with mingw-w64 into build-windows/
# (or the folder given as $1): app/tessivane-calc.exe with the chamber data beside it, and the
# test programs of calc/, project/ and cli/ in testbin/. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-windows}
shift || true

packages=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64)
./scripts/install-packages.sh build-windows "${packages[@]}"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "build-windows: configuring $build_dir"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DTESSIVANE_WITH_QT=OFF -DTESSIVANE_BENCH=OFF \
  -DTESSIVANE_GOOGLETEST_SOURCE=/usr/src/googletest "${launcher[@]}" "$@"
echo "build-windows: building tessivane-calc.exe and the test programs"
cmake --build "$build_dir" --target tessivane-calc tessivane_chamber_data calc_tests project_tests cli_tests

# The program must run on a bare Windows: it may import only the system's own DLLs.
exe="$build_dir/app/tessivane-calc.exe"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
foreign=$(grep -viE '^(kernel32|msvcrt|ucrtbase|advapi32|user32|shell32|bcrypt|ws2_32|api-ms-win-.*)\.dll$' <<<"$imports" || true)
if [ -n "$foreign" ]; then
  echo "build-windows: $exe needs DLLs that Windows does not have:" $foreign >&2
  exit 1
fi
echo "build-windows: $exe imports only" $imports
