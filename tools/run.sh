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
shot="$PWD/screenshot.png"
echo "No display found: running the program under a virtual display (Xvfb, 1600x900)."
echo "Stop it with Ctrl+C. A screenshot of the screen goes to $shot 8 seconds after start."
exec bash ../tools/virtual-display.sh "$shot" ./halden-control
