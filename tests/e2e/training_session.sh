#!/usr/bin/env bash
# A student practises for a minute in the real program, as a child would: signs in, opens
# Training, types a goal, keeps the one-minute length, presses Begin and clicks the first cards'
# answers on the number pad (read from the answer file "-debug" writes), then lets the rest run
# out; confirms the completion message, sees the session graph, and the session is in the
# student's record. The session lasts its minute plus 0.8 s for each right answer, within a few
# seconds for a busy machine.
# Usage: training_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

answered_cards=4

new_run training "Kim Lee:hop"
start_signed_in -debug
open_window 135 225 Training
click_at 760 329 # the goal field
xdotool type 12
shot e2e-training-setup
click_at 662 442 # Begin
began=$(date +%s%N)
wait_for '[ -s "$work/trainingAnswers.dat" ]' "no answer file" && sleep 0.3
# The green answer stays 0.8 s before the next card; a click before that would count for nothing.
click_training_answers $answered_cards 1.6 3 "$shots/e2e-training-correct.png"
[ "$(wc -l <"$work/trainingAnswers.dat")" -eq 100 ] || fail "the answer file does not list 100 problems"
# One minute from Begin, and the feedback after each right answer, then the completion message.
# The wait allows the longest session due and the tolerance, no more.
wait_for 'window_visible Tallyhop' "the session did not end" $(((60 + answered_cards + tolerance) * 10))
ended=$(date +%s%N)
shot e2e-training-completed
press_enter
shot e2e-training-graph 1
window_visible Training || fail "the training window closed"
# Each card clicked is right, unless a slow machine showed it late and the click went to the next.
expect_record "Kim Lee" "^type 2 correct [1-$answered_cards] answered [1-$answered_cards] level 1 duration 60 goal 12 flag 0 " \
  "training not recorded"
expect_session_length "Kim Lee" "$began" "$ended"
end_program
echo "training session: passed"
