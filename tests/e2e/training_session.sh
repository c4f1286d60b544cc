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
# Seconds a busy machine may add to or take from the session's length as seen from outside.
tolerance=3

start_server 24
copy_program training "Kim Lee:hop"
start_program -debug
sign_in 1 hop
open_window 135 225 Training
click_at 760 329 # the goal field
xdotool type 12
shot e2e-training-setup
click_at 662 442 # Begin
began=$(date +%s%N)
wait_for '[ -s "$work/trainingAnswers.dat" ]' "no answer file"
sleep 0.3
# The green answer stays 0.8 s before the next card; a click before that would count for nothing.
click_training_answers $answered_cards 1.6 3 "$shots/e2e-training-correct.png"
[ "$(wc -l <"$work/trainingAnswers.dat")" -eq 100 ] || fail "the answer file does not list 100 problems"
# One minute from Begin, and the feedback after each right answer, then the completion message.
# The wait allows the longest session due and the tolerance, no more.
wait_for 'window_visible Tallyhop' "the session did not end" $(((60 + answered_cards + tolerance) * 10))
ended=$(date +%s%N)
shot e2e-training-completed
press_enter
sleep 1
shot e2e-training-graph
window_visible Training || fail "the training window closed"
record=$(records show "$work/Data/Kim Lee.nfo")
# Each card clicked is right, unless a slow machine showed it late and the click went to the next.
echo "$record" | grep -Eq "^type 2 correct [1-$answered_cards] answered [1-$answered_cards] level 1 duration 60 goal 12 flag 0 " ||
  fail "training not recorded: $record"
correct=$(echo "$record" | sed -n 's/^type 2 correct \([0-9]*\) .*/\1/p' | head -n 1)
took=$(((ended - began) / 1000000))
due=$((60000 + 800 * correct))
echo "training session: $correct right answers, ended after $took ms, due after $due ms"
[ $((took - due)) -le $((tolerance * 1000)) ] && [ $((due - took)) -le $((tolerance * 1000)) ] ||
  fail "the session took $took ms; due after $due ms"
end_program
echo "training session: passed"
