#!/usr/bin/env bash
# Builds the engine for WebAssembly with emscripten into build-web/ (or the folder given as
# $1): tessivane-calc.mjs (the command-line program for node), every other target of web/,
# and the test programs of calc/, project/ and cli/ in testbin/ (run with node). Installs
# what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-web}
shift || true

# tessivane.html's help diagram and splash picture are drawn by the Qt generators, built
# natively beside the web build: they need the project's own packages.
./scripts/install-deps.sh

packages=(cmake ninja-build googletest emscripten nodejs)
./scripts/install-packages.sh build-web "${packages[@]}"

# Debian's em++ links only when node finds the system's node modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
fi
echo "build-web: configuring $build_dir"
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSIVANE_WITH_QT=OFF -DTESSIVANE_BENCH=OFF \
  -DTESSIVANE_GOOGLETEST_SOURCE=/usr/src/googletest -Dgtest_disable_pthreads=ON \
  "${launcher[@]}" "$@"
echo "build-web: building"
cmake --build "$build_dir"
