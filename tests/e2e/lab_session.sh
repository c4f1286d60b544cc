#!/usr/bin/env bash
# A computer lab on one class folder: one program folder and one account (one runtime folder),
# several desks, each a virtual X server of its own. At every student desk a different student
# signs in and takes tests while the teacher, at another desk, adds a student. Afterwards every
# test is in its student's record, the new student is listed and signs in, a second sign-in of a
# student signed in elsewhere is refused with the dialog staying, and a second copy on one desk's
# display is refused while the copies on the other displays run on.
# Usage: lab_session.sh <program> <data-folder tool> <folder for screenshots> [student desks] [tests]
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
desks=${4:-7}
tests=${5:-3}
source "$(dirname "$0")/lib.sh"

# Up to seven students, listed in this order before "Teacher, Class"; the teacher adds the eighth,
# who is listed after.
names=("Ann Ash" "Bo Birch" "Cy Cedar" "Di Dogwood" "Ed Elm" "Flo Fir" "Gus Gum")
new_student="Zoe Zinnia"
[ "$desks" -ge 1 ] && [ "$desks" -le ${#names[@]} ] || fail "1 to ${#names[@]} student desks"

students=()
for ((i = 0; i < desks; i++)); do students+=("${names[$i]}:hop"); done
copy_program lab "${students[@]}"
displays=()
for ((i = 0; i <= desks; i++)); do
  start_server 24
  displays+=("$DISPLAY")
done
teacher_display=${displays[$desks]}

# Starts the program with "-debug" on the display in $DISPLAY (its own log $1) and waits for the
# sign-in dialog; prints its process number.
start_at_desk() {
  "$work/Tallyhop" -debug >"$work/run-$1.log" 2>&1 &
  local started=$!
  wait_for 'window_visible Tallyhop' "no notice window at $DISPLAY" 300
  sleep 0.3
  press_enter
  wait_for '[ "$(current_mode)" = 800x600 ]' "display $DISPLAY not switched" 300
  wait_for 'window_visible SignInDlg' "no sign-in dialog at $DISPLAY" 300
  sleep 0.3
  echo "$started"
}

# Signs in the entry $1 places down the sign-in list with password $2.
sign_in_entry() {
  focus_window SignInDlg
  local downs=()
  for ((down = 0; down < $1; down++)); do downs+=(Down); done
  xdotool key "${downs[@]}" Tab
  xdotool type "$2"
  xdotool key Return
}

# From the home screen: opens Testing and takes $1 tests of the student's level, each finished at
# once with the "-debug" shortcut (the digit 0 held while Begin is pressed: every answer right).
take_tests() {
  click_at 135 45 # Testing
  wait_for 'window_visible "Testing Window"' "no testing window at $DISPLAY" 300
  sleep 0.3
  for ((round = 0; round < $1; round++)); do
    focus_window "Testing Window"
    xdotool keydown 0
    click_at 694 404 # Begin
    wait_for 'window_visible Debug' "no test recorded at $DISPLAY" 300
    xdotool keyup 0
    sleep 0.2
    focus_window Debug
    xdotool key Return
    wait_for '! window_visible Debug' "the notice stayed at $DISPLAY" 300
    sleep 0.3
  done
}

# One student desk: start, sign in, take the tests; then wait at the home screen. Writes the
# program's process number to pid-$1, "done" to done-$1 at the end.
student_desk() {
  local desk=$1
  export DISPLAY=${displays[$desk]}
  start_at_desk "$desk" >"$work/pid-$desk"
  sign_in_entry $((desk + 1)) hop
  wait_for '! window_visible SignInDlg' "${names[$desk]} was not signed in" 300
  touch "$work/signed-in-$desk"
  sleep 0.5
  take_tests "$tests"
  echo done >"$work/done-$desk"
}

# The teacher desk: signs in, adds a student, signs out; then tries the first student, who is
# signed in at the first desk, and signs the new student in instead, who takes a test.
teacher_desk() {
  export DISPLAY=$teacher_display
  start_at_desk teacher >"$work/pid-teacher"
  sign_in_entry $((desks + 1)) teacher
  wait_for 'window_visible Registration' "no teacher window" 300
  sleep 0.3
  type_new_student "$new_student" hop 300
  xdotool key Return
  wait_for '[ -f "$work/Data/$new_student.nfo" ]' "the new student was not written" 300
  sleep 0.5
  focus_window StudentInfoDlg
  xdotool key Escape
  wait_for '! window_visible StudentInfoDlg' "the next student dialog stayed" 300
  # The first student, signed in at the first desk, cannot be deleted meanwhile.
  wait_for '[ -f "$work/signed-in-0" ]' "the first student did not sign in" 300
  click_first_row
  click_delete_student
  wait_for 'box_up 0' "no refusal to delete a student signed in elsewhere" 300
  sleep 0.3
  import -window root "$shots/e2e-lab-delete-refused.png"
  close_box
  wait_for '! box_up 0' "the refusal to delete stayed" 300
  [ -f "$work/Data/${names[0]}.nfo" ] || fail "a student signed in elsewhere was deleted"
  click_teacher_home
  wait_for 'window_visible SignInDlg' "Home did not lead to the sign-in dialog" 300
  sleep 0.3
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
sign_in_entry 1 hop
wait_for box_up "no refusal of a second sign-in" 100
sleep 0.3
import -window root "$shots/e2e-lab-second-sign-in-refused.png"
close_box
wait_for '! box_up' "the refusal stayed" 100
window_visible SignInDlg || fail "the sign-in dialog did not stay after the refusal"
# The new student, listed last, signs in here and takes a test.
sign_in_entry $((desks + 2)) hop
wait_for '! window_visible SignInDlg' "the new student was not signed in" 100
sleep 0.5
take_tests 1

for ((desk = 0; desk < desks; desk++)); do wait_for_desk "$desk"; done
echo "lab of $desks student desks and a teacher: every desk done in $(($(date +%s) - started)) s"
export DISPLAY=${displays[0]}
import -window root "$shots/e2e-lab-student-desk.png"

# A second copy on the first desk's display is refused; the first copy there goes on.
before=$(program_windows | wc -l)
"$work/Tallyhop" >"$work/run-second.log" 2>&1 &
second=$!
wait_for "box_up $before" "no refusal of a second copy" 100
sleep 0.3
import -window root "$shots/e2e-lab-second-copy-refused.png"
close_box
wait "$second" || fail "the refused copy ended with $?"
[ "$(current_mode)" = 800x600 ] || fail "the refused copy changed the display of the first"
kill -0 "$(cat "$work/pid-0")" || fail "the first copy ended with the second"

# Nothing lost: every test of every student, the new student listed and in the class.
record() { "$(dirname "$0")/student_record.py" "$work/Data/$1.nfo"; }
# Tests with every answer right (90 problems on the division level, 100 on the others).
perfect_tests() { record "$1" | awk '$2 == 1 && $4 == $6 && ($4 == 100 || $4 == 90)' | wc -l; }
for ((desk = 0; desk < desks; desk++)); do
  count=$(perfect_tests "${names[$desk]}")
  [ "$count" -eq "$tests" ] || fail "${names[$desk]} has $count of $tests tests: $(record "${names[$desk]}")"
done
[ "$(perfect_tests "$new_student")" -eq 1 ] ||
  fail "the new student's test is missing: $(record "$new_student")"
python3 - "$work/Data" "$new_student" <<'PY' || fail "the new student is not listed"
import struct, sys
folder, name = sys.argv[1:3]
first, last = name.rsplit(" ", 1)
def names(path, skip_password):
    data = open(path, "rb").read()
    at = 4
    if skip_password:
        at += 1 + data[at]
    (count,) = struct.unpack_from("<I", data, at)
    at += 4
    for _ in range(count):
        yield data[at + 1:at + 1 + data[at]].decode("cp1252")
        at += 1 + data[at]
assert f"{last}, {first}" in names(f"{folder}/Admin.nfo", True)
assert name in names(f"{folder}/Class TeacherUsers.nfo", False)
PY
leftovers=$(find "$work/Data" "$work/Test Data" -name '*tmp*')
[ -z "$leftovers" ] || fail "temporary files left: $leftovers"
for file in "$work/Test Data"/*.txt; do
  lines=$(grep -c . "$file")
  [ "$lines" -eq "$(grep -c . "$(dirname "$program")/Test Data/$(basename "$file")")" ] ||
    fail "$(basename "$file") lost lines ($lines)"
done
[ ! -s "$work/Error Log.txt" ] || fail "errors: $(cat "$work/Error Log.txt")"

for desk in $(seq 0 $((desks - 1))) teacher; do
  kill -TERM "$(cat "$work/pid-$desk")"
done
for desk in $(seq 0 $((desks - 1))) teacher; do
  while kill -0 "$(cat "$work/pid-$desk")" 2>/dev/null; do sleep 0.1; done
done
for display in "${displays[@]}"; do
  [ "$(DISPLAY=$display current_mode)" = 1024x768 ] || fail "display $display not restored"
done
echo "lab session ($desks student desks, a teacher desk, $tests tests each): passed"
