#!/usr/bin/env bash
# A student takes a whole test in the real program, as a child would: signs in, opens Testing,
# presses Begin and gives every answer (read from the answer file "-debug" writes), then the
# passed test is in the student's record. The answers are clicked on the number pad, or with
# "typed" typed on the keyboard.
# Usage: testing_session.sh <program> <data-folder tool> <folder for screenshots> [typed]
source "$(dirname "$0")/lib.sh"
typed=${4:-}

# One line of the answer file: a standard key ("12") or ring digits and Enter ("5,6,E").
# Typing runs the mixed test (level 5), so both pad layouts take typed answers.
if [ "$typed" = typed ]; then
  level=5
  give_answer() { type_answer "$1"; }
  shots="$shots/typed" && mkdir -p "$shots"
else
  level=1
  # The standard pad on the 800 × 600 testing screen.
  give_answer() { click_standard_key_at 26 329 "$1"; }
fi

# Pixels in the colour of entered answers in the column of the seventh card of a row.
seventh_card_ink() {
  convert "$shots/$1.png" -crop 83x240+501+43 +repage -fill black +opaque 'rgb(12,71,147)' \
    -fill white -opaque 'rgb(12,71,147)' -format '%[fx:int(mean*w*h+0.5)]' info:
}

new_run "testing$typed" "Kim Lee:hop:$level"
start_signed_in -debug
begin_debug_test
[ "$typed" = typed ] && focus_window "Testing Window"
answered=0
while IFS=$'\r' read -r answer _; do
  give_answer "$answer"
  answered=$((answered + 1))
  [ $answered -eq 3 ] && shot e2e-testing-running
  [ $answered -eq 6 ] && shot e2e-testing-six-answers 0.2
  # Each full row of seven pauses half a second before the next row shows, with the seventh
  # answer on screen.
  if [ $answered -eq 7 ]; then
    shot e2e-testing-row-pause 0.15
    sleep 0.55
  elif [ $((answered % 7)) -eq 0 ]; then sleep 0.7; else sleep 0.05; fi
done <"$work/testAnswers.dat"
[ $answered -eq 100 ] || fail "the answer file had $answered lines, not 100"
six=$(seventh_card_ink e2e-testing-six-answers)
paused=$(seventh_card_ink e2e-testing-row-pause)
[ "$paused" -gt "$six" ] || fail "the seventh answer is not on screen during the pause ($six, $paused)"
shot e2e-testing-ended 1
expect_record "Kim Lee" "^level $level passed 1 sessions 1$" "test not passed in the record"
expect_record "Kim Lee" "^type 1 correct 100 answered 100 " "test not recorded"
end_program
echo "testing session${typed:+ ($typed)}: passed"
