#!/usr/bin/env bash
# A student with a history of tests, training sessions and reviews looks at it in the real
# program: signs in, opens Progress, presses every view button, and goes Home; the record is the
# same afterwards.
# Usage: progress_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

# 25 tests, 24 training sessions and 2 reviews, one day apart; the level stays as the record has
# it.
history=()
for ((n = 0; n < 25; n++)); do
  day=$((1157112000 + n * 86400))
  history+=("1:$day:330:$((n % 4 == 3 ? 100 : 80 + n % 15)):100:$((1 + n / 8)):$((n % 3))")
  [ $((n % 12)) -eq 5 ] && history+=("3:$day:420:-1:-1:1:0:10:30:$((n % 2))")
  [ $n -lt 24 ] && history+=("2:$day:$((n % 3 == 0 ? 60 : 240)):$((20 + n)):$((20 + n)):3:0:0:0:0:$((30 + n))")
done

# Where the buttons stand on the 800 × 600 progress screen.
declare -A view_buttons=(
  [mastery]="695 474" [current]="695 524" [report]="695 574"
  [training-graph]="95 474" [training-report]="95 524"
)

new_run progress "Kim Lee:hop"
record="$work/Data/Kim Lee.nfo"
records append "$record" "${history[@]}"
before=$(md5sum <"$record")
start_signed_in
open_window 135 520 Progress
shot e2e-progress-opened 0.2
for view in current report training-report training-graph mastery; do
  read -r x y <<<"${view_buttons[$view]}"
  click_at "$x" "$y"
  shot "e2e-progress-$view" 0.4
done
window_visible Progress || fail "the progress window closed"
click_at 400 502 # Home
wait_gone Progress
wait_window Tallyhop
shot e2e-progress-home
[ "$(md5sum <"$record")" = "$before" ] || fail "the record changed"
grep -c Cstudentprogresswnd "$work/Log.txt" | grep -qx 7 || fail "trace: $(grep -c Cstudentprogresswnd "$work/Log.txt") records"
end_program
echo "progress session: passed"
