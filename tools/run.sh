#!/usr/bin/env bash
# Installs what is needed, builds, and starts the program (under a virtual
# display when there is no display to show it on).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
cd build
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec xvfb-run -a -s '-screen 0 1600x900x24' ./halden-control
fi
exec ./halden-control
