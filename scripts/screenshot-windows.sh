#!/usr/bin/env bash
# Looks at the Windows window as a user gets it: unzips BUILD_DIR/tessivane-windows.zip into a
# fresh folder with a fresh wine prefix, starts tessivane.exe on an example under Xvfb (no
# window manager, so no title bar), calculates, and saves the Input Data, Storage and Help tabs
# as OUT_DIR/windows-input-tab.png, windows-storage-tab.png and windows-help-tab.png.
#   scripts/screenshot-windows.sh BUILD_DIR OUT_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

unzip -q "$build_dir/tessivane-windows.zip" -d "$work"
cp examples/rectangular-array.tvc "$work/"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64)
display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display
"$wine" wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

(cd "$work/Tessivane" && exec "$wine" tessivane.exe ../rectangular-array.tvc) >"$work/run.log" 2>&1 &
pids+=($!)
# The splash comes first; the main window then has the project file's name as its title.
window=
for _ in $(seq 60); do
  window=$(xdotool search --onlyvisible --name "rectangular-array" 2>/dev/null | tail -n 1 || true)
  [ -n "$window" ] && break
  sleep 2
done
[ -n "$window" ] || {
  echo "screenshot-windows: the window did not open:" >&2
  cat "$work/run.log" >&2
  exit 1
}
sleep 3
xdotool windowmove "$window" 0 0
sleep 1
import -window "$window" "$out/windows-input-tab.png"
# Calculate, then the Storage tab (where the window's layout puts them).
xdotool mousemove --window "$window" 580 561 click 1
sleep 3
xdotool mousemove --window "$window" 247 42 click 1
sleep 3
import -window "$window" "$out/windows-storage-tab.png"
# The Help tab: its diagram comes from the control library the zip registers for its folder.
xdotool mousemove --window "$window" 185 42 click 1
sleep 3
import -window "$window" "$out/windows-help-tab.png"
echo "screenshot-windows: windows-input-tab.png, windows-storage-tab.png, windows-help-tab.png in $out"
