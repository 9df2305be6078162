#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need; skips what is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git pkg-config
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-qpa-plugins
  libqt6opengl6-dev libxkbcommon-dev libgl-dev libvulkan-dev designer-qt6
  xvfb xauth xdotool imagemagick fonts-dejavu-core poppler-utils xdg-utils
  desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
