#!/usr/bin/env bash
# A student works off a mistake list of ten facts in the real program: signs in, opens Review,
# presses Begin and clicks each card's answer on the pad (read from the answer file "-debug"
# writes) until every fact is mastered; then the list is empty, the review is in the record and
# the home screen is back.
# Usage: review_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

# Multiplication cards are answered on the pad's circle of digits around its Enter key; the other
# cards on its standard keys 0 … 18 (three rows of six, 0 centred below), each of which answers
# at once. Places on the 800 × 600 review screen.
click_circle_key() {
  case "$1" in
    E) click_at 181 477 ;;
    *) read -r x y < <(awk -v d="$1" 'BEGIN { a = d * 3.14159265 / 5; printf "%d %d\n", 181 + 90 * sin(a), 479 - 90 * cos(a) }')
       click_at "$x" "$y" ;;
  esac
}

click_standard_key() { click_standard_key_at 17 367 "$1"; }

# Clicks a line of the answer file: "5,6,E" for a multiplication card, "12" for any other.
answer_card() {
  local line=${1%$'\r'}
  if [[ "$line" != *,* ]]; then
    click_standard_key "$line"
    return
  fi
  IFS=, read -ra keys <<<"$line"
  for key in "${keys[@]}"; do click_circle_key "$key"; sleep 0.05; done
}

# Ten missed facts, each 16 bytes as the program keeps them: operands, operation, no answer,
# correct answer, missed once, no streak.
write_mistakes() {
  python3 - "$1" <<'PY'
import struct, sys
facts = [(6, 7, 3, 42), (8, 7, 3, 56), (3, 4, 1, 7), (9, 5, 2, 4), (56, 8, 5, 7),
         (12, 4, 5, 3), (5, 9, 1, 14), (7, 3, 3, 21), (15, 8, 2, 7), (9, 9, 3, 81)]
with open(sys.argv[1], "wb") as out:
    for first, second, operation, correct in facts:
        out.write(struct.pack("<hhihhhh", first, second, operation, -1, correct, 1, 0))
PY
}

start_server 24
copy_program review "Kim Lee:hop"
write_mistakes "$work/Data/Kim Lee.mtk"
start_program -debug
sign_in_first hop
click_at 135 370 # Review
wait_for 'window_visible "Mistake Review"' "no review window"
sleep 0.3
click_at 677 444 # Begin
answers="$work/reviewAnswer.dat"
wait_for '[ -s "$answers" ]' "no answer file"
cards=0
while ! window_visible Tallyhop; do
  [ $cards -lt 40 ] || fail "the review did not end after $cards cards"
  before=$(date -r "$answers" +%s%N)
  answer_card "$(cat "$answers")"
  cards=$((cards + 1))
  [ $cards -eq 28 ] && import -window root "$shots/e2e-review-late.png"
  # The next card within 0.8 s of feedback, 0.4 s of a frog's hop and a busy machine's margin; after
  # the last, the end message once the frog has run to the far bank (up to 4 s more).
  within=30
  [ $cards -eq 30 ] && within=70
  wait_for '[ "$(date -r "$answers" +%s%N)" != "$before" ] || window_visible Tallyhop' \
    "no next card within $((within / 10)) s" $within
  sleep 0.2
done
[ $cards -eq 30 ] || fail "ten facts took $cards right answers, not 30"
import -window root "$shots/e2e-review-done.png"
press_enter
wait_for '! window_visible "Mistake Review"' "the review window stayed"
sleep 0.3
import -window root "$shots/e2e-review-home.png"
[ ! -s "$work/Data/Kim Lee.mtk" ] || fail "mistakes left: $(od -An -tx1 "$work/Data/Kim Lee.mtk" | head -2)"
record=$("$(dirname "$0")/student_record.py" "$work/Data/Kim Lee.nfo")
echo "$record" | grep -q "^type 3 .* start 10 completed 30 left 0$" || fail "review not recorded: $record"
end_program
echo "review session: passed"
