#!/usr/bin/env bash
# A student works off a mistake list of ten facts in the real program: signs in, opens Review,
# presses Begin and clicks each card's answer on the pad (read from the answer file "-debug"
# writes) until every fact is mastered; then the list is empty, the review is in the record and
# the home screen is back.
# Usage: review_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

# Clicks a line of the answer file on the 800 × 600 review screen's pad: "5,6,E" for a
# multiplication card, on the circle of digits around its Enter key; "12" for any other, on its
# standard keys 0 … 18, each of which answers at once.
answer_card() {
  local line=${1%$'\r'} key x y
  if [[ "$line" != *,* ]]; then
    click_standard_key_at 17 367 "$line"
    return
  fi
  IFS=, read -ra keys <<<"$line"
  for key in "${keys[@]}"; do
    # Enter in the middle, the digits round it.
    read -r x y < <(awk -v d="$key" 'BEGIN { if (d == "E") { print 181, 477; exit }
      a = d * 3.14159265 / 5; printf "%d %d\n", 181 + 90 * sin(a), 479 - 90 * cos(a) }')
    click_at "$x" "$y" && sleep 0.05
  done
}

new_run review "Kim Lee:hop"
# Ten missed facts: operands, operation and answer.
records mistakes "$work/Data/Kim Lee.mtk" 6,7,3,42 8,7,3,56 3,4,1,7 9,5,2,4 56,8,5,7 12,4,5,3 \
  5,9,1,14 7,3,3,21 15,8,2,7 9,9,3,81
start_signed_in -debug
open_window 135 370 "Mistake Review"
click_at 677 444 # Begin
answers="$work/reviewAnswer.dat"
wait_for '[ -s "$answers" ]' "no answer file"
cards=0
while ! window_visible Tallyhop; do
  [ $cards -lt 40 ] || fail "the review did not end after $cards cards"
  before=$(date -r "$answers" +%s%N)
  answer_card "$(cat "$answers")"
  cards=$((cards + 1))
  [ $cards -eq 28 ] && shot e2e-review-late
  # The next card within 0.8 s of feedback, 0.4 s of a frog's hop and a busy machine's margin; after
  # the last, the end message once the frog has run to the far bank (up to 4 s more).
  within=30
  [ $cards -eq 30 ] && within=70
  wait_for '[ "$(date -r "$answers" +%s%N)" != "$before" ] || window_visible Tallyhop' \
    "no next card within $((within / 10)) s" $within
  sleep 0.2
done
[ $cards -eq 30 ] || fail "ten facts took $cards right answers, not 30"
shot e2e-review-done
press_enter
wait_gone "Mistake Review"
shot e2e-review-home 0.3
[ ! -s "$work/Data/Kim Lee.mtk" ] || fail "mistakes left: $(od -An -tx1 "$work/Data/Kim Lee.mtk" | head -2)"
expect_record "Kim Lee" "^type 3 .* start 10 completed 30 left 0$" "review not recorded"
end_program
echo "review session: passed"
