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
  desktop-file-utils locales ccache
)

"$(dirname "$0")/install-packages.sh" install-deps "${packages[@]}"

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# The tests compare the window and tessivane-calc under a locale with a decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "install-deps: generating the de_DE.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen
fi
