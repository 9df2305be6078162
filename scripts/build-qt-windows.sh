#!/usr/bin/env bash
# Builds Qt (qtbase) for 64-bit Windows from Debian's own source package of the Qt the host has,
# so that the window can be cross-built with mingw-w64. The result is a versioned install prefix
# in a cache folder outside the checkout; a complete cache is left alone.
#   scripts/build-qt-windows.sh            build the cache unless it is complete
#   scripts/build-qt-windows.sh --prefix   print the cache's prefix; exit 0 when it is complete
# TESSIVANE_QT_WIN_CACHE overrides the cache folder, TESSIVANE_QT_JOBS the number of build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD

toolchain=$checkout/cmake/mingw-w64-x86_64-shared.cmake
cache_root=${TESSIVANE_QT_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessivane/qt6-win64}

# Only what the window needs. tabletevent and directwrite must be off: Debian's tarball lacks the
# Wintab headers, and DirectWrite without Direct2D leaves Qt6PrintSupport with an unresolved symbol.
# The offscreen platform plugin (the tests' platform) is built only with FreeType.
configure_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_tabletevent=OFF -DFEATURE_directwrite=OFF
  -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_widgets=ON -DFEATURE_freetype=ON
)

package_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || true; }

# The cross Qt must be the very version of the host's Qt tools (moc, uic, rcc run on the host).
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null || true)
tools_version=$(package_version qt6-base-dev-tools)
compiler_version=$(package_version g++-mingw-w64-x86-64-posix)
upstream_version=${source_version%%+*}
upstream_version=${upstream_version%%-*}

cache_key() {
  {
    echo "source $source_version"
    echo "tools $tools_version"
    echo "compiler $compiler_version"
    printf 'option %s\n' "${configure_options[@]}"
    cat "$toolchain"
  } | sha256sum | cut -c1-12
}

if [ "${1:-}" = --prefix ]; then
  [ -n "$source_version" ] || exit 1
  prefix=$cache_root/$upstream_version-$(cache_key)
  echo "$prefix"
  [ -f "$prefix/.tessivane-complete" ]
  exit
fi

./scripts/install-packages.sh build-qt-windows cmake ninja-build dpkg-dev qt6-base-dev \
  qt6-base-dev-tools g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
tools_version=$(package_version qt6-base-dev-tools)
compiler_version=$(package_version g++-mingw-w64-x86-64-posix)
upstream_version=${source_version%%+*}
upstream_version=${upstream_version%%-*}
if [ "$tools_version" != "$(package_version qt6-base-dev)" ]; then
  echo "build-qt-windows: qt6-base-dev ($(package_version qt6-base-dev)) and" \
    "qt6-base-dev-tools ($tools_version) differ; install matching versions" >&2
  exit 1
fi

prefix=$cache_root/$upstream_version-$(cache_key)
if [ -f "$prefix/.tessivane-complete" ]; then
  echo "build-qt-windows: Qt for Windows is ready in $prefix"
  exit 0
fi

mkdir -p "$cache_root"
exec 9>"$cache_root/.lock"
if ! flock -n 9; then
  echo "build-qt-windows: another build of the cache is running; waiting for it"
  flock 9
fi
if [ -f "$prefix/.tessivane-complete" ]; then
  echo "build-qt-windows: Qt for Windows is ready in $prefix"
  exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/tessivane-qt-win.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work" # apt downloads as its own user
started=$(date +%s)
echo "build-qt-windows: building Qt $source_version for Windows into $prefix"
echo "build-qt-windows: this takes about 30 minutes on 2 idle cores (50-55 with other work beside it)"
echo "build-qt-windows: and about 1.1 GB of temporary space in $work"

# A private apt configuration with deb-src entries made from the system's own sources; the
# system's apt configuration and lists stay untouched.
apt_dir=$work/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
: >"$apt_dir/empty.list"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
apt_options=(-o Dir::Etc::SourceList="$apt_dir/empty.list"
  -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
  -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache")
echo "build-qt-windows: fetching the source package qt6-base $source_version"
apt-get -qq "${apt_options[@]}" update
mkdir "$work/src"
(cd "$work/src" && apt-get -qq "${apt_options[@]}" source --download-only "qt6-base=$source_version")

# apt checked the .dsc against the signed index; check the tarballs against the .dsc.
dsc=$(ls "$work"/src/*.dsc)
(cd "$work/src" && sed -n '/^Checksums-Sha256:/,/^[^ ]/{s/^ \([0-9a-f]\{64\}\) [0-9]* \(.*\)$/\1  \2/p}' \
  "$dsc" | sha256sum --quiet -c -)
echo "build-qt-windows: the source matches $(basename "$dsc"); unpacking with Debian's patches"
(cd "$work/src" && dpkg-source --no-check -x "$(basename "$dsc")" qtbase >/dev/null)

echo "build-qt-windows: configuring"
cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix.partial" "${configure_options[@]}" >"$work/configure.log" ||
  {
    tail -40 "$work/configure.log" >&2
    exit 1
  }
echo "build-qt-windows: building (progress: [done/total] below)"
cmake --build "$work/build" -j "${TESSIVANE_QT_JOBS:-$(nproc)}" |
  awk '/^\[[0-9]+\/[0-9]+\]/ { split(substr($1, 2), n, "/"); if (n[1] % 200 == 0 || n[1] == n[2]) print "build-qt-windows: " $1; fflush(); next } { print; fflush() }'
rm -rf "$prefix.partial"
cmake --install "$work/build" >/dev/null
seconds=$(($(date +%s) - started))
{
  echo "qt6-base $source_version for Windows (mingw-w64 $compiler_version)"
  echo "built in $((seconds / 60)) min $((seconds % 60)) s on $(nproc) cores"
  printf 'option %s\n' "${configure_options[@]}"
} >"$prefix.partial/.tessivane-complete"
rm -rf "$prefix"
mv "$prefix.partial" "$prefix"
echo "build-qt-windows: done in $((seconds / 60)) min; $(du -sh "$prefix" | cut -f1) in $prefix"
