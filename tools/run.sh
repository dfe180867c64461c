#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it in ./build, where
# it keeps its files. Without a display it runs under a virtual one and
# leaves a screenshot of the screen a few seconds after start.
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
exec xvfb-run -a -s '-screen 0 1600x900x24' bash -c '
  ./halden-control & pid=$!
  trap "kill $pid 2>/dev/null" INT TERM
  sleep 8
  if kill -0 $pid 2>/dev/null; then
    import -window root "$1" && echo "Screenshot written: $1"
  fi
  wait $pid' run "$shot"
