#!/usr/bin/env bash
# Runs the Windows build under wine: the test programs of calc/, project/ and cli/, then
# tessivane-calc.exe on every example project, whose output (report, --table, --format json,
# --format csv) must equal the Linux program's byte for byte.
#   scripts/test-windows.sh WINDOWS_BUILD_DIR LINUX_TESSIVANE_CALC
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
linux_calc=$2
start=$SECONDS

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64)
# A fresh prefix inside the build folder keeps every run alike; no .NET or HTML engine asked for.
export WINEPREFIX=$PWD/$build_dir/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >"$build_dir/wineboot.log" 2>&1 || {
  cat "$build_dir/wineboot.log" >&2
  exit 1
}

for suite in calc_tests project_tests cli_tests; do
  echo "-- $suite.exe"
  "$wine" "$build_dir/testbin/$suite.exe" --gtest_brief=1
done

exe=$build_dir/app/tessivane-calc.exe
outputs=$build_dir/compare
rm -rf "$outputs" && mkdir -p "$outputs"
failed=0
for project in examples/*.tvc; do
  for options in "" "--table" "--format json" "--format csv"; do
    name=$(basename "$project" .tvc)${options// /}
    # shellcheck disable=SC2086 # the options are separate words
    "$linux_calc" $options "$project" >"$outputs/$name.linux" 2>/dev/null || echo "status $?" >>"$outputs/$name.linux"
    # shellcheck disable=SC2086
    "$wine" "$exe" $options "$project" >"$outputs/$name.windows" 2>/dev/null || echo "status $?" >>"$outputs/$name.windows"
    if ! cmp -s "$outputs/$name.linux" "$outputs/$name.windows"; then
      echo "tessivane-calc.exe $options $project differs from the Linux program:" >&2
      diff "$outputs/$name.linux" "$outputs/$name.windows" | head -n 20 >&2 || true
      failed=1
    fi
  done
done
[ "$failed" -eq 0 ] || exit 1
echo "-- tessivane-calc.exe gives the Linux program's output for every example ($((SECONDS - start)) s under wine)"
