#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. formatting check, 2. the full build (warnings are errors) with all tests,
#   3. the standard-library parts built for Windows and run under wine, 4. the same parts under
#   AddressSanitizer/UBSan, 5. short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

./scripts/install-deps.sh

echo "== formatting"
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
if [ ${#sources[@]} -gt 0 ]; then
  clang-format --dry-run --Werror "${sources[@]}"
fi

echo "== build and tests"
./scripts/build.sh build-ci -DTESSIVANE_WERROR=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build-ci --output-on-failure -j2 --timeout 300

echo "== Windows: tessivane-calc.exe and the engine's tests, cross-built and run under wine"
./scripts/build-windows.sh build-windows -DTESSIVANE_WERROR=ON
./scripts/test-windows.sh build-windows build-ci/app/tessivane-calc

echo "== sanitizers (calc, project, cli)"
CC=clang CXX=clang++ ./scripts/build.sh build-asan -DTESSIVANE_WITH_QT=OFF -DTESSIVANE_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j2 --timeout 300

echo "== fuzzing (bounded)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSIVANE_WITH_QT=OFF -DTESSIVANE_FUZZ=ON -DTESSIVANE_BENCH=OFF
cmake --build build-fuzz --target fuzz_chamber_reader fuzz_project_reader
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  cp -r "$root/fuzz/corpus/${name#fuzz_}/." "$corpus/" 2>/dev/null || true
  echo "-- $name (30 s)"
  "$target" -max_total_time=30 -timeout=5 -rss_limit_mb=2048 -max_len=4096 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done

echo "== all tests passed"
