#!/usr/bin/env bash
# Packs the Windows build's window into BUILD_DIR/tessivane-windows.zip: one folder a Windows
# user unzips and runs. It holds the programs, the control library with the registry that
# points the window at it, every DLL they load that Windows does not have (Qt's, mingw-w64's),
# Qt's platform and style plugins, the data files, pictures, documents and the examples.
#   scripts/pack-windows.sh BUILD_DIR QT_PREFIX
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
qt=$2
app=$build_dir/app
folder=Tessivane
stage=$build_dir/zip-stage
rm -rf "$stage" "$build_dir/tessivane-windows.zip"
mkdir -p "$stage/$folder"
out=$stage/$folder

# Programs, the control library and the files the build put beside them; no import libraries.
find "$app" -maxdepth 1 -type f ! -name '*.a' -exec cp -t "$out" {} +
mkdir -p "$out/platforms" "$out/styles" "$out/examples"
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$qt"/plugins/styles/*.dll "$out/styles/"
cp examples/*.tvc "$out/examples/"

# Every DLL a program or plugin imports: ours and Qt's, or the compiler's runtime, or else one
# that Windows itself has (wine ships those); any other is missing and fails the pack.
compiler=x86_64-w64-mingw32-g++-posix
search=("$qt/bin" "$(dirname "$($compiler -print-file-name=libstdc++-6.dll)")"
  "$(dirname "$($compiler -print-file-name=libwinpthread-1.dll)")")
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
queue=("$out"/*.exe "$out"/*.dll "$out"/platforms/*.dll "$out"/styles/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  file=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    [ -n "$(find "$out" -maxdepth 1 -iname "$dll" -print -quit)" ] && continue
    found=$(find "${search[@]}" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null || true)
    if [ -n "$found" ]; then
      cp "$found" "$out/"
      queue+=("$out/$(basename "$found")")
    elif [ -z "$(find "$system_dlls" -maxdepth 1 -iname "$dll" -print -quit)" ] &&
      [[ ! "${dll,,}" =~ ^api-ms-win- ]]; then
      echo "pack-windows: $(basename "$file") needs $dll, which is neither built nor a Windows DLL" >&2
      exit 1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
find "$out" -iname '*.dll' -o -iname '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# The control library registered for the program's folder: the window looks in this registry
# after the user's own, and the library name without a folder is found beside the program.
# veldo-register.exe writes it under wine (a prefix of the pack's own); the library's path is
# then cut to its name.
library=$(cd "$out" && ls -- *VeldoSharedControls*.dll)
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64)
export WINEPREFIX=$(realpath -m "$build_dir/wine-pack") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init >/dev/null 2>&1
windows_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
VELDO_REGISTRY_DIR=$(windows_path "$out/veldo-components") \
  "$wine" "$out/veldo-register.exe" -s "$(windows_path "$out/$library")"
registry=$out/veldo-components/registry.json
sed -i "s|\"library\": \"[^\"]*\"|\"library\": \"$library\"|" "$registry"
grep -q "\"library\": \"$library\"" "$registry" || {
  echo "pack-windows: veldo-register.exe wrote no entry for $library into $registry" >&2
  exit 1
}

cat >"$out/README.txt" <<TEXT
Tessivane Stage vs Area Calculator $(sed -n 's/^project(Tessivane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt) for Windows (64-bit)

Unzip this folder anywhere and start tessivane.exe; a project file may be dropped on it.
tessivane-calc.exe is the command-line calculator (tessivane-calc --help).

The Help tab's diagram viewer, the control library $library,
is registered for this folder in veldo-components\\registry.json. To register it for your
user account instead, run "veldo-register.exe $library" once;
"veldo-register.exe -u $library" removes that again.

Qt is used under the GNU Lesser General Public License version 3. It is shipped as the DLLs
Qt6*.dll and the plugins in platforms\\ and styles\\, built as they are from Debian's source
package qt6-base $(dpkg-query -W -f='${source:Version}' qt6-base-dev); you may replace them
with your own build of the same Qt version. The mingw-w64 runtime DLLs (libstdc++-6.dll,
libgcc_s_seh-1.dll, libwinpthread-1.dll) come under GCC's runtime library exception.
TEXT
sed -i 's/$/\r/' "$out/README.txt"

(cd "$stage" && zip -q -r -9 ../tessivane-windows.zip "$folder")
echo "pack-windows: $build_dir/tessivane-windows.zip: $(du -k "$build_dir/tessivane-windows.zip" | cut -f1) KB packed," \
  "$(du -sk "$out" | cut -f1) KB unpacked"
