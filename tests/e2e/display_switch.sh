#!/usr/bin/env bash
# Starts the real program on a virtual X server and watches the display mode: 800 × 600 while it
# runs, the original mode after it is asked to end; and a refusal on an 8-bit screen.
# Usage: display_switch.sh <program> <folder for screenshots>
set -euo pipefail
program=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
servers=()
cleanup() {
  pkill -TERM -f "$work/Tallyhop" 2>/dev/null || true
  for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A free display number, a server on it, and a wait until it answers.
start_server() {
  local depth=$1 number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 "1024x768x$depth" -noreset >"$work/xvfb-$number.log" 2>&1 &
  servers+=($!)
  export DISPLAY=":$number"
  for _ in $(seq 100); do xrandr >/dev/null 2>&1 && break; sleep 0.1; done
  xrandr --newmode 800x600 40 800 840 968 1056 600 601 605 628
  xrandr --addmode screen 800x600
}

# Presses Enter in the program's visible window (the message box).
press_enter() {
  local id
  id=$(xdotool search --onlyvisible --name '^Tallyhop$' | head -n 1)
  [ -n "$id" ] || fail "no visible window to answer"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key Return
}

current_mode() { xrandr | sed -n 's/.*current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'; }

wait_for() { # condition, what
  for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done
  fail "$2"
}

# Each run in its own program folder and runtime folder, so logs and the lock are its own.
copy_program() {
  rm -rf "$work/Tallyhop" "$work/Log.txt" "$work/Error Log.txt"
  cp "$program" "$work/Tallyhop"
  export XDG_RUNTIME_DIR="$work/runtime-$1"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

# 1. A 24-bit screen: switched while running, restored after SIGTERM.
start_server 24
copy_program 24
[ "$(current_mode)" = 1024x768 ] || fail "server did not start at 1024x768"
"$work/Tallyhop" >"$work/run24.log" 2>&1 &
pid=$!
wait_for 'xdotool search --onlyvisible --name "^Tallyhop$" >/dev/null 2>&1' "no notice window"
sleep 0.5
import -window root "$shots/display-notice.png"
press_enter
wait_for '[ "$(current_mode)" = 800x600 ]' "display not switched to 800x600 ($(current_mode))"
sleep 0.5
import -window root "$shots/display-running.png"
kill -TERM "$pid"
wait "$pid" || fail "program ended with $? ($(cat "$work/run24.log"))"
[ "$(current_mode)" = 1024x768 ] || fail "display not restored ($(current_mode))"
grep -c ' Line ' "$work/Log.txt" | grep -qx 4 || fail "expected start, switch, home screen and restore records: $(cat "$work/Log.txt")"

# 2. An 8-bit screen: refused, nothing switched, the program ends after OK.
start_server 8
copy_program 8
"$work/Tallyhop" >"$work/run8.log" 2>&1 &
pid=$!
wait_for 'xdotool search --onlyvisible --name "^Tallyhop$" >/dev/null 2>&1' "no refusal window"
sleep 0.5
[ "$(current_mode)" = 1024x768 ] || fail "8-bit display was switched"
press_enter
wait "$pid" || fail "refused program ended with $?"
[ "$(current_mode)" = 1024x768 ] || fail "8-bit display changed"
# Start and the restore of shutdown (a no-op here): no switch record.
[ "$(grep -c ' Line ' "$work/Log.txt")" = 2 ] || fail "refusal should leave start and restore records: $(cat "$work/Log.txt")"
echo "display switch: passed"
