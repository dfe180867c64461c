#!/usr/bin/env bash
# Runs a program on a virtual display (Xvfb, 1600x900) of its own and writes a
# screenshot of the screen 8 seconds after start. Ctrl+C at any moment stops
# the program, then the display, and removes every temporary file the run made.
#   usage: virtual-display.sh SCREENSHOT PROGRAM [ARG...]
set -u
shot=$1
shift

# The stop knows every name before the thing it names exists. The X authority
# file, Qt's runtime folder and any other temporary file live in one private
# folder; the screenshot is moved into place through a file beside it.
printf -v tmp '%s/halden-run.%08x%08x' "${TMPDIR:-/tmp}" "$SRANDOM" "$SRANDOM"
printf -v part '%s.%08x.part' "$shot" "$SRANDOM"
app=

# Ends children of ours and waits until each is gone. A signal that comes
# just after a wait returns makes bash end the next wait at once, so one wait
# per child is not enough.
end() {
  local pid
  kill "$@" 2>/dev/null
  for pid; do
    while kill -0 "$pid" 2>/dev/null; do
      wait "$pid" 2>/dev/null
      (($? != 127)) || break  # not a child of ours
    done
  done
}
# A second Ctrl+C must not cut the stop short. The program goes first, so it
# never sees its display vanish; every other child of ours follows, the one
# just started included.
stop() {
  trap '' INT TERM HUP
  if [[ -n $app ]]; then end "$app"; fi
  end $(jobs -p)
  rm -rf "$tmp" "$part"
}
interrupted() {
  trap - EXIT
  stop
  # The terminal's "^C" echo is left on a line of its own.
  printf '\n%s\n' "Stopped: the program and the virtual display are closed, their temporary files removed."
  # Dying of the same signal tells the calling shell it was interrupted.
  trap - "$1"
  kill -s "$1" $$
}
trap 'interrupted INT' INT
trap 'interrupted TERM' TERM
trap 'interrupted HUP' HUP
trap stop EXIT

# From here on no command runs in the foreground: bash may let such a command
# swallow a Ctrl+C, while the wait and read builtins give way to it at once.
# Children in the background ignore the terminal's Ctrl+C; the stop ends them.
run() {
  "$@" 4<&- &
  wait "$!"
}

echo "No display found: running the program under a virtual display (Xvfb, 1600x900)."
echo "Stop it with Ctrl+C. A screenshot of the screen goes to $shot 8 seconds after start."

if ! run mkdir -m 700 "$tmp" "$tmp/runtime"; then
  tmp=  # not ours to remove
  exit 1
fi
run mkfifo -m 600 "$tmp/displayfd" || exit 1
# Opened read-write, the pipe never blocks its opening, and waits on it are
# bounded reads that a signal ends.
exec 4<>"$tmp/displayfd"
export TMPDIR="$tmp"

printf -v cookie '%08x' "$SRANDOM" "$SRANDOM" "$SRANDOM" "$SRANDOM"
export XAUTHORITY="$tmp/Xauthority"
# The server reads every cookie in its file whatever display it names; the
# client's entry follows once the display number is known.
: >"$XAUTHORITY"
run xauth -q -f "$XAUTHORITY" add :0 . "$cookie" || exit 1
# The display and the program run in sessions of their own, out of the
# terminal's reach; this script stops them in order.
setsid Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 1600x900x24 \
  3>&4 4<&- 2>"$tmp/xvfb.log" &
xvfb=$!
display=
for ((i = 0; i < 150; i++)); do
  read -r -t 0.2 -u 4 display && break
  kill -0 "$xvfb" 2>/dev/null || break
done
if [[ ! $display =~ ^[0-9]+$ ]]; then
  echo "The virtual display did not start:" >&2
  run cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display"
run xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie" || exit 1

# No desktop session runs on this display: a session bus started on demand
# for it would be a process out of the stop's reach.
XDG_RUNTIME_DIR="$tmp/runtime" DBUS_SESSION_BUS_ADDRESS=disabled: setsid "$@" 4<&- &
app=$!
# Nothing more comes down the pipe: a wait that gives way to Ctrl+C.
read -r -t 8 -u 4
# The picture is whole before it replaces the previous one.
if kill -0 "$app" 2>/dev/null && run import -window root "$tmp/shot.png" &&
   run mv -f "$tmp/shot.png" "$part" && run mv -fT "$part" "$shot"; then
  echo "Screenshot written: $shot"
fi
wait "$app"
status=$?
app=
exit "$status"
