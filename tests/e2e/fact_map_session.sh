#!/usr/bin/env bash
# A student answers the first row of a test, some cards right and some wrong, goes Home, opens
# Progress and then the Fact Map: exactly the facts answered right are green, those answered
# wrong red, every other addition fact grey. The test was left, so no test is recorded.
# Usage: fact_map_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

new_run factmap "Kim Lee:hop:1"
start_signed_in -debug
begin_debug_test

# The cards come in the order Begin shuffled the test file into.
mapfile -t facts < <(grep -v '^[[:space:]]*$' "$work/Test Data/addition.txt" | head -n 7 | tr -d '\r ')
mapfile -t answers < <(head -n 7 "$work/testAnswers.dat" | tr -d '\r')
outcomes=(right wrong right right wrong right right)
expected=()
for card in 0 1 2 3 4 5 6; do
  answer=${answers[$card]}
  [ "${outcomes[$card]}" = right ] || answer=$((answer == 18 ? 17 : answer + 1))
  click_standard_key_at 26 329 "$answer" && sleep 0.1
  expected+=("${outcomes[$card]}:${facts[$card]}")
done
sleep 0.8 # the row's pause
click_at 694 354 # Home
wait_gone "Testing Window"
wait_for 'window_visible Tallyhop' "no home screen"
[ -s "$work/Data/Kim Lee.flu" ] || fail "no fluency record after Home"

open_window 135 520 Progress
sleep 0.1
click_at 95 574 # Fact Map
shot e2e-fact-map 0.5
"$here/fact_map_cells.py" "$shots/e2e-fact-map.png" "${expected[@]}" ||
  fail "the fact map does not show the answers (${expected[*]})"
expect_record "Kim Lee" "^level 1 passed 0 sessions 0$" "a test was recorded"
end_program
echo "fact map session: passed"
