#!/usr/bin/env bash
# Starts the real program on a virtual X server and watches the display mode: 800 × 600 while it
# runs, the original mode after it is asked to end; signs a student in through the dialog on the
# way; and sees a refusal on an 8-bit screen.
# Usage: display_switch.sh <program> <data-folder tool> <folder for screenshots>
set -euo pipefail
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
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

# Gives the keyboard to the program's visible window called $1.
focus_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  [ -n "$id" ] || fail "no visible window $1"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
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

# Each run in its own program folder and runtime folder, so logs, records and the lock are its
# own; the installed pictures and sounds are shared.
copy_program() {
  rm -rf "$work/Tallyhop" "$work/Log.txt" "$work/Error Log.txt" "$work/Data"
  cp "$program" "$work/Tallyhop"
  for content in Graphics Audio "Test Data"; do
    [ -e "$(dirname "$program")/$content" ] && ln -sfn "$(dirname "$program")/$content" "$work/$content"
  done
  "$datafolder" --folder "$work" --student "Kim Lee:hop" >/dev/null
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
wait_for 'xdotool search --onlyvisible --name "^SignInDlg$" >/dev/null 2>&1' "no sign-in dialog"
sleep 0.5
import -window root "$shots/signin.png"
focus_window SignInDlg
xdotool key Down Tab
xdotool type hop
xdotool key Return
wait_for '! xdotool search --onlyvisible --name "^SignInDlg$" >/dev/null 2>&1' "the student was not signed in"
sleep 0.5
import -window root "$shots/home.png"
kill -TERM "$pid"
wait "$pid" || fail "program ended with $? ($(cat "$work/run24.log"))"
[ "$(current_mode)" = 1024x768 ] || fail "display not restored ($(current_mode))"
grep -q 'Ctallyhopapp' "$work/Log.txt" || fail "no trace log"
[ ! -s "$work/Error Log.txt" ] || fail "errors: $(cat "$work/Error Log.txt")"

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
[ "$(grep -c 'Ctallyhopapp Line ' "$work/Log.txt")" = 2 ] || fail "refusal should leave start and restore records: $(cat "$work/Log.txt")"
! grep -q 'CMainWindow' "$work/Log.txt" || fail "a refused start built the home screen"
echo "display switch: passed"
