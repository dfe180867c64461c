#!/usr/bin/env bash
# Runs a program on a virtual display (Xvfb, 1600x900) of its own and writes a
# screenshot of the screen 8 seconds after start. Ctrl+C stops the program,
# then the display, and removes every temporary file the run made.
#   usage: virtual-display.sh SCREENSHOT PROGRAM [ARG...]
set -uo pipefail
shot=$1
shift

# The X authority file, Qt's runtime folder and any other temporary file
# live in one private folder.
tmp=$(mktemp -d -t halden-run.XXXXXX) || exit 1
mkdir -m 700 "$tmp/runtime"
export TMPDIR="$tmp"
xvfb=
app=

# The program goes first, so it never sees its display vanish.
stop() {
  if [[ -n $app ]]; then kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; fi
  if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; fi
  rm -rf "$tmp"
}
interrupted() {
  trap - INT TERM HUP EXIT
  stop
  # The terminal's "^C" echo is left on a line of its own.
  printf '\n%s\n' "Stopped: the program and the virtual display are closed, their temporary files removed."
  # Dying of the same signal tells the calling shell it was interrupted.
  kill -s "$1" $$
}
trap 'interrupted INT' INT
trap 'interrupted TERM' TERM
trap 'interrupted HUP' HUP
trap stop EXIT

cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
export XAUTHORITY="$tmp/Xauthority"
# The server reads every cookie in its file whatever display it names; the
# client's entry follows once the display number is known.
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$cookie"
mkfifo "$tmp/displayfd"
# The display and the program run in sessions of their own, so the terminal's
# Ctrl+C reaches only this script, which stops them in order.
setsid Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 1600x900x24 \
  3>"$tmp/displayfd" 2>"$tmp/xvfb.log" &
xvfb=$!
display=
read -r -t 30 display <"$tmp/displayfd"
if [[ ! $display =~ ^[0-9]+$ ]]; then
  echo "The virtual display did not start:" >&2
  cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

XDG_RUNTIME_DIR="$tmp/runtime" setsid "$@" &
app=$!
sleep 8
if kill -0 "$app" 2>/dev/null; then
  import -window root "$shot" && echo "Screenshot written: $shot"
fi
wait "$app"
status=$?
app=
exit "$status"
