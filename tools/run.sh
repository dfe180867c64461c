#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it in ./build, where
# it keeps its files. Without a display it runs under a virtual one and
# leaves a screenshot of the screen a few seconds after start; Ctrl+C stops
# both and removes the run's temporary files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
cd build
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec ./halden-control
fi
# The run says so itself, once Ctrl+C can stop it cleanly.
exec bash ../tools/virtual-display.sh "$PWD/screenshot.png" ./halden-control
