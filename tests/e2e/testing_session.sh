#!/usr/bin/env bash
# A student takes a whole test in the real program, as a child would: signs in, opens Testing,
# presses Begin and clicks every answer on the number pad (read from the answer file "-debug"
# writes), then the passed test is in the student's record.
# Usage: testing_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

# The standard pad on the 800 × 600 testing screen.
click_key() { click_standard_key_at 26 329 "$1"; }

# Pixels in the colour of entered answers in the column of the seventh card of a row.
seventh_card_ink() {
  convert "$1" -crop 83x240+501+43 +repage -fill black +opaque 'rgb(12,71,147)' \
    -fill white -opaque 'rgb(12,71,147)' -format '%[fx:int(mean*w*h+0.5)]' info:
}

start_server 24
copy_program testing "Kim Lee:hop"
start_program -debug
sign_in_first hop
click_at 135 45 # Testing
wait_for 'window_visible "Testing Window"' "no testing window"
sleep 0.3
click_at 694 404 # Begin
wait_for '[ -s "$work/testAnswers.dat" ]' "no answer file"
sleep 0.3
answered=0
while IFS=$'\r' read -r answer _; do
  click_key "$answer"
  answered=$((answered + 1))
  [ $answered -eq 3 ] && import -window root "$shots/e2e-testing-running.png"
  if [ $answered -eq 6 ]; then
    sleep 0.2
    import -window root "$shots/e2e-testing-six-answers.png"
  fi
  # Each full row of seven pauses half a second before the next row shows, with the seventh
  # answer on screen.
  if [ $answered -eq 7 ]; then
    sleep 0.15
    import -window root "$shots/e2e-testing-row-pause.png"
    sleep 0.55
  elif [ $((answered % 7)) -eq 0 ]; then sleep 0.7; else sleep 0.05; fi
done <"$work/testAnswers.dat"
[ $answered -eq 100 ] || fail "the answer file had $answered lines, not 100"
six=$(seventh_card_ink "$shots/e2e-testing-six-answers.png")
paused=$(seventh_card_ink "$shots/e2e-testing-row-pause.png")
[ "$paused" -gt "$six" ] || fail "the seventh answer is not on screen during the pause ($six, $paused)"
sleep 1
import -window root "$shots/e2e-testing-ended.png"
record=$("$(dirname "$0")/student_record.py" "$work/Data/Kim Lee.nfo")
echo "$record" | grep -qx "level 1 passed 1 sessions 1" || fail "test not passed in the record: $record"
echo "$record" | grep -q "^type 1 correct 100 answered 100 " || fail "test not recorded: $record"
end_program
echo "testing session: passed"
