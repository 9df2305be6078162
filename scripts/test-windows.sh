#!/usr/bin/env bash
# Runs the Windows build under wine: the test programs of calc/, project/ and cli/, then
# tessivane-calc.exe on every example project, whose output (report, --table, --format json,
# --format csv) must equal the Linux program's byte for byte. When the build has the window
# (Qt for Windows was in its cache), also the Qt Test programs of the window and the control
# library, offscreen or on Qt's Windows platform under Xvfb, and the report PDF the window exports, whose text must
# equal the Linux window's.
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

if [ ! -f "$build_dir/app/tessivane.exe" ]; then
  echo "-- the window's tests under wine skipped: $build_dir has no tessivane.exe (no Qt for Windows" \
    "in the cache; scripts/build-qt-windows.sh builds it once)"
  exit 0
fi
start=$SECONDS
./scripts/install-packages.sh test-windows fonts-wine poppler-utils xvfb
qt=$(./scripts/build-qt-windows.sh --prefix)
windows_path() {
  local p
  p=$(realpath -m "$1")
  echo "Z:${p//\//\\}"
}
# Wine finds its own fonts only in the prefix.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
compiler=x86_64-w64-mingw32-g++-posix
WINEPATH="$(windows_path "$build_dir/app");$(windows_path "$qt/bin")"
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  WINEPATH+=";$(windows_path "$(dirname "$($compiler -print-file-name=$dll)")")"
done
export WINEPATH
# The programs run offscreen or on Qt's Windows platform (the one users get) on a virtual X
# display with Qt's own file dialogs, which the tests answer. Wine passes no variable whose name starts with
# QT_, so cmd sets them; a windowed program logs to the debugger unless QT_FORCE_STDERR_LOGGING
# is set, and Qt Test writes nothing to wine's console, so its results go to a file.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 50); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
export DISPLAY=:$(cat "$display_file")
qt_settings="set QT_FORCE_STDERR_LOGGING=1&& set QT_QPA_FONTDIR=C:\\windows\\Fonts"
# Most run offscreen (quick: no window waits to be activated); these measure or write text,
# which needs the Windows platform's own fonts: offscreen's FreeType fonts under wine measure
# otherwise, and a PDF written with them has no words that pdftotext can read back.
on_windows_platform=" QtUserDialogsTest StoragePartsTest StorageWindowTest export-report-pdf "
platform_for() {
  if [[ "$on_windows_platform" == *" $1 "* ]]; then
    echo "windows:dialogs=none"
  else
    echo offscreen
  fi
}
results=$build_dir/qt-test-results
rm -rf "$results" && mkdir -p "$results"
run_windows() { # NAME COMMAND...: runs a command under wine with the Qt settings, output in NAME.log
  local name=$1
  shift
  timeout 600 "$wine" cmd /c "$qt_settings&& set QT_QPA_PLATFORM=$(platform_for "$name")&& set VELDO_REGISTRY_DIR=$(windows_path "$results/registry-$name")&& $*" \
    >"$results/$name.log" 2>&1
}

failed=()
total=0
while read -r name; do
  [ -n "$name" ] || continue
  status=0
  run_windows "$name" "$(windows_path "$build_dir/testbin/$name.exe")" -o "$(windows_path "$results/$name.txt"),txt" ||
    status=$?
  totals=$(grep -h '^Totals:' "$results/$name.txt" 2>/dev/null || true)
  echo "-- $name.exe: ${totals:-no results (exit status $status)}"
  total=$((total + 1))
  if [ "$status" -ne 0 ] || [ -z "$totals" ]; then
    failed+=("$name")
    grep -hE '^(FAIL|XPASS)|Loc:' "$results/$name.txt" 2>/dev/null | head -n 20 || tail -n 20 "$results/$name.log"
  fi
done <"$build_dir/testbin/qt-tests.txt"
if [ ${#failed[@]} -gt 0 ]; then
  echo "the window's tests failing under wine: ${failed[*]} (results in $results)" >&2
  exit 1
fi
echo "-- $total Qt Test programs of the window and the control library pass under wine"

# The report PDF of the real window, exported from an example on both systems.
linux_build=$(dirname "$(dirname "$linux_calc")")
export_pdf=$linux_build/testbin/export-report-pdf
if [ -x "$export_pdf" ]; then
  # The same locale on both (the report's date is in its long format), and the project named
  # alike, as the report shows the name it was opened by.
  example=examples/rectangular-array.tvc
  LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen "$export_pdf" "$linux_build/app" "$example" \
    "$results/report-linux.pdf" 2>"$results/export-report-pdf-linux.log" || {
    cat "$results/export-report-pdf-linux.log" >&2
    exit 1
  }
  # (bash itself warns when this machine lacks the locale; wine and Qt need only its name)
  (
    export LC_ALL=en_US.UTF-8
    run_windows export-report-pdf "$(windows_path "$build_dir/testbin/export-report-pdf.exe")" \
      "$(windows_path "$build_dir/app")" "$example" "$(windows_path "$results/report-windows.pdf")"
  ) 2>/dev/null || {
    cat "$results/export-report-pdf.log" >&2
    exit 1
  }
  # The words in the order they are drawn: the fonts differ (DejaVu on Linux, the system's on
  # Windows), and with them the line heights, so where pages break and the pages' count in the
  # footers, and the ligatures one font has.
  for system in linux windows; do
    pdftotext -raw "$results/report-$system.pdf" - | grep -v '^Page [0-9]* of [0-9]*$' |
      sed 's/ﬀ/ff/g; s/ﬁ/fi/g; s/ﬂ/fl/g; s/ﬃ/ffi/g; s/ﬄ/ffl/g' | tr -s ' \n\f' '\n\n\n' \
      >"$results/report-$system.txt"
  done
  if ! cmp -s "$results/report-linux.txt" "$results/report-windows.txt"; then
    echo "the window's report PDF on Windows has other text than on Linux:" >&2
    diff "$results/report-linux.txt" "$results/report-windows.txt" | head -n 20 >&2
    exit 1
  fi
  echo "-- the window's report PDF of $example has the Linux window's words ($(wc -l <"$results/report-linux.txt"))"
else
  echo "-- the report PDF comparison skipped: no $export_pdf (the Linux build with Qt)"
fi
echo "-- the window's part under wine took $((SECONDS - start)) s"
