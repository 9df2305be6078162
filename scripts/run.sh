#!/usr/bin/env bash
# Installs what is missing, builds, and starts the calculator. Without a display it runs
# the bundled example project through the command-line calculator instead.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
# The same folder and flags as the test command, so running one after the other builds once.
./scripts/build.sh build -DTESSIVANE_WERROR=ON

# The window creates its help picture viewer from the registered control library.
if [ -x build/app/veldo-register ]; then
  build/app/veldo-register -s build/app/libVeldoSharedControls.so ||
    echo "warning: could not register the control library; the Help tab will show a notice"
fi

if [ -x build/app/tessivane ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/app/tessivane "$@"
fi

echo "No display (or no window built): running the example through tessivane-calc."
echo "Start the window with: build/app/tessivane   (needs an X or Wayland display)"
echo
exec build/app/tessivane-calc examples/rectangular-array.tvc
