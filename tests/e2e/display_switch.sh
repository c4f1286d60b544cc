#!/usr/bin/env bash
# Starts the real program on a virtual X server and watches the display mode: 800 × 600 while it
# runs, the original mode after it is asked to end; signs a student in through the dialog on the
# way; and sees a refusal on an 8-bit screen.
# Usage: display_switch.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

# 1. A 24-bit screen: switched while running, restored after SIGTERM.
new_run 24 "Kim Lee:hop"
[ "$(current_mode)" = 1024x768 ] || fail "server did not start at 1024x768"
start_program
shot signin
sign_in 1 hop
shot home
end_program
grep -q 'Ctallyhopapp' "$work/Log.txt" || fail "no trace log"
no_errors

# 2. An 8-bit screen: refused, nothing switched, the program ends after OK.
start_server 8
copy_program 8
"$work/Tallyhop" >"$work/run8.log" 2>&1 & pid=$!
wait_for 'window_visible Tallyhop' "no refusal window" && sleep 0.5
[ "$(current_mode)" = 1024x768 ] || fail "8-bit display was switched"
press_enter
wait "$pid" || fail "refused program ended with $?"
[ "$(current_mode)" = 1024x768 ] || fail "8-bit display changed"
# Start and the restore of shutdown (a no-op here): no switch record.
[ "$(grep -c 'Ctallyhopapp Line ' "$work/Log.txt")" = 2 ] || fail "refusal should leave start and restore records: $(cat "$work/Log.txt")"
! grep -q 'CMainWindow' "$work/Log.txt" || fail "a refused start built the home screen"
echo "display switch: passed"
