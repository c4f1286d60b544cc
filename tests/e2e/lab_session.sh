#!/usr/bin/env bash
# A computer lab on one class folder: one program folder and one account (one runtime folder),
# several desks, each a virtual X server of its own. At every student desk a different student
# signs in and takes tests while the teacher, at another desk, adds a student. Afterwards every
# test is in its student's record, the new student is listed and signs in, a second sign-in of a
# student signed in elsewhere is refused with the dialog staying, and a second copy on one desk's
# display is refused while the copies on the other displays run on.
# Usage: lab_session.sh <program> <data-folder tool> <folder for screenshots> [student desks] [tests]
source "$(dirname "$0")/lib.sh"
desks=${4:-7}
tests=${5:-3}
patience=300 # eight programs start on two cores

# Up to seven students, listed in this order before "Teacher, Class"; the teacher adds the eighth,
# who is listed after.
names=("Ann Ash" "Bo Birch" "Cy Cedar" "Di Dogwood" "Ed Elm" "Flo Fir" "Gus Gum")
new_student="Zoe Zinnia"
[ "$desks" -ge 1 ] && [ "$desks" -le ${#names[@]} ] || fail "1 to ${#names[@]} student desks"

students=()
for ((i = 0; i < desks; i++)); do students+=("${names[$i]}:hop"); done
copy_program lab "${students[@]}"
displays=()
for ((i = 0; i <= desks; i++)); do start_server 24 && displays+=("$DISPLAY"); done
teacher_display=${displays[$desks]}

# From the home screen: opens Testing and takes $1 tests of the student's level, each finished at
# once with the "-debug" shortcut (the digit 0 held while Begin is pressed: every answer right).
take_tests() {
  open_window 135 45 "Testing Window"
  for ((round = 0; round < $1; round++)); do
    focus_window "Testing Window"
    xdotool keydown 0
    click_at 694 404 # Begin
    wait_for 'window_visible Debug' "no test recorded at $DISPLAY"
    xdotool keyup 0 && sleep 0.2
    keys_to Debug Return
    wait_gone Debug && sleep 0.3
  done
}

# One student desk: start, sign in, take the tests; then wait at the home screen. Writes the
# program's process number to pid-$1, "done" to done-$1 at the end.
student_desk() {
  export DISPLAY=${displays[$1]}
  start_program -debug
  echo "$pid" >"$work/pid-$1"
  sign_in $(($1 + 1)) hop
  touch "$work/signed-in-$1" && sleep 0.2
  take_tests "$tests"
  echo done >"$work/done-$1"
}

# The teacher desk: signs in, adds a student, leaves the next student dialog; cannot delete the
# first student, who is signed in at the first desk; goes back to the sign-in dialog.
teacher_desk() {
  export DISPLAY=$teacher_display
  start_program -debug
  echo "$pid" >"$work/pid-teacher"
  teacher_sign_in $((desks + 1))
  type_new_student "$new_student" hop
  enter_new_student "$new_student"
  wait_for '[ -f "$work/signed-in-0" ]' "the first student did not sign in"
  delete_first_student # refused: the student is signed in elsewhere
  shot e2e-lab-delete-refused
  close_box
  wait_for '! box_up 0' "the refusal to delete stayed"
  [ -f "$work/Data/${names[0]}.nfo" ] || fail "a student signed in elsewhere was deleted"
  teacher_home
  echo done >"$work/done-teacher"
}

# Waits until desk $1 is done; a desk that failed (it said why) fails the run at once.
wait_for_desk() {
  wait_for "[ -f '$work/done-$1' ] || [ -f '$work/failed-$1' ]" "desk $1 did not finish" 1200
  [ ! -f "$work/failed-$1" ] || fail "desk $1 failed"
}

for ((desk = 0; desk < desks; desk++)); do
  (student_desk "$desk" || touch "$work/failed-$desk") &
done
(teacher_desk || touch "$work/failed-teacher") &
started=$(date +%s)
wait_for_desk teacher

# At the teacher's desk, the first student is signed in elsewhere: refused, the dialog stays.
export DISPLAY=$teacher_display
wait_for_desk 0
type_sign_in 1 hop
wait_for box_up "no refusal of a second sign-in" 100
shot e2e-lab-second-sign-in-refused 0.3
close_box
wait_for '! box_up' "the refusal stayed" 100
window_visible SignInDlg || fail "the sign-in dialog did not stay after the refusal"
# The new student, listed last, signs in here and takes a test.
patience=100 sign_in $((desks + 2)) hop
take_tests 1

for ((desk = 0; desk < desks; desk++)); do wait_for_desk "$desk"; done
echo "lab of $desks student desks and a teacher: every desk done in $(($(date +%s) - started)) s"
export DISPLAY=${displays[0]}
shot e2e-lab-student-desk

# A second copy on the first desk's display is refused; the first copy there goes on.
before=$(program_windows | wc -l)
"$work/Tallyhop" >"$work/run-second.log" 2>&1 & second=$!
wait_for "box_up $before" "no refusal of a second copy" 100
shot e2e-lab-second-copy-refused 0.3
close_box
wait "$second" || fail "the refused copy ended with $?"
[ "$(current_mode)" = 800x600 ] || fail "the refused copy changed the display of the first"
kill -0 "$(cat "$work/pid-0")" || fail "the first copy ended with the second"

# Nothing lost: every test of every student, the new student listed and in the class.
# Tests with every answer right (90 problems on the division level, 100 on the others).
perfect_tests() {
  records show "$work/Data/$1.nfo" | awk '$2 == 1 && $4 == $6 && ($4 == 100 || $4 == 90)' | wc -l
}
for ((desk = 0; desk < desks; desk++)); do
  count=$(perfect_tests "${names[$desk]}")
  [ "$count" -eq "$tests" ] || fail "${names[$desk]} has $count of $tests tests: $(records show "$work/Data/${names[$desk]}.nfo")"
done
[ "$(perfect_tests "$new_student")" -eq 1 ] ||
  fail "the new student's test is missing: $(records show "$work/Data/$new_student.nfo")"
grep -qx "Zinnia, Zoe" <(records names "$work/Data/Admin.nfo") || fail "the new student is not listed"
grep -qx "$new_student" <(records names "$work/Data/Class TeacherUsers.nfo") ||
  fail "the new student is not in the class"
leftovers=$(find "$work/Data" "$work/Test Data" -name '*tmp*')
[ -z "$leftovers" ] || fail "temporary files left: $leftovers"
for file in "$work/Test Data"/*.txt; do
  lines=$(grep -c . "$file")
  [ "$lines" -eq "$(grep -c . "$(dirname "$program")/Test Data/$(basename "$file")")" ] ||
    fail "$(basename "$file") lost lines ($lines)"
done
no_errors

for desk in $(seq 0 $((desks - 1))) teacher; do kill -TERM "$(cat "$work/pid-$desk")"; done
for desk in $(seq 0 $((desks - 1))) teacher; do
  while kill -0 "$(cat "$work/pid-$desk")" 2>/dev/null; do sleep 0.1; done
done
for display in "${displays[@]}"; do
  [ "$(DISPLAY=$display current_mode)" = 1024x768 ] || fail "display $display not restored"
done
echo "lab session ($desks student desks, a teacher desk, $tests tests each): passed"
