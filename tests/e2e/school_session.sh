#!/usr/bin/env bash
# A school on one installation: the data-folder tool writes 2 teachers × 2 classes × 20 students
# from a roster with --class-size 25, and a roster with one bad row writes nothing and names the
# row. In the real program the 80th student signs in, chosen by typing in the sign-in list; the
# second teacher chooses her second class, whose class report lists its 20 students, adds a 21st
# without refusal, and the report lists 21.
# Usage: school_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

# From the teacher screen: exports the class report as $1 and prints its number of students.
report_rows() {
  open_window 664 511 "Class Report"
  shot e2e-school-report
  export_report_as "$1"
  open_window 133 567 Registration # Home on the report
  echo $(($(wc -l <"$HOME/Documents/$1.csv") - 1))
}

# Types $1 into the sign-in list, which chooses the first name that starts with it, and signs in
# with password $2.
sign_in_typed() {
  focus_window SignInDlg
  xdotool type --delay 50 "$1"
  xdotool key Tab
  xdotool type "$2"
  [ -z "${3:-}" ] || shot "$3"
  xdotool key Return
  wait_for '! window_visible SignInDlg' "nobody was signed in as $1"
  sleep 0.3
}

start_server 24
copy_program school
export HOME="$work/home"
mkdir -p "$HOME/Documents"

roster="$work/school.csv"
{
  echo "Teacher;Teacher password;Class;Student;Password"
  n=0
  for teacher in "Pat Jones;owl" "Lou Kim;cat"; do
    for class in A B; do
      for _ in $(seq 20); do
        n=$((n + 1))
        printf '%s;%s;Kid Pupil%02d;pw%d\r\n' "$teacher" "${teacher:0:1}$class" "$n" "$n"
      done
    done
  done
} >"$roster"
"$datafolder" --folder "$work" --force --roster "$roster" --class-size 25 >/dev/null ||
  fail "the roster was not written"
grep -qx "class size = 25" "$work/Data/School settings.txt" || fail "no class size"

folder_sums() { find "$work/Data" -type f -print0 | sort -z | xargs -0 md5sum; }
before=$(folder_sums)
sed '42s/;Kid Pupil41;/;Kid Pupil.41;/' "$roster" >"$work/bad.csv"
output=$("$datafolder" --folder "$work" --force --roster "$work/bad.csv" 2>&1) &&
  fail "a roster with a bad row was written"
echo "$output" | grep -q 'Line 42: the name "Kid Pupil.41" cannot hold the full stop' ||
  fail "the bad row was not named: $output"
[ "$(folder_sums)" = "$before" ] || fail "a roster with a bad row changed the records"

start_program
sign_in_typed pupil80 pw80 e2e-school-sign-in
window_visible Tallyhop || fail "the 80th student did not reach the home screen"
open_window 548 358 SignInDlg # Sign out

sign_in_typed kim cat
window_visible Registration || fail "no teacher window for Lou Kim"
click_class_chooser
sleep 0.5
xdotool key Down Down Return # below the first class and LA
sleep 0.5
shot e2e-school-second-class
[ "$(report_rows "Second class")" -eq 20 ] || fail "the second class does not list 20"

type_new_student "Zed Newcomer" hop
xdotool key Return
wait_for '[ -f "$work/Data/Zed Newcomer.nfo" ]' "the 21st student was not written"
sleep 0.5
window_visible StudentInfoDlg || fail "refused: no fresh dialog after the 21st student"
focus_window StudentInfoDlg
xdotool key Escape
wait_for '! window_visible StudentInfoDlg' "Escape left the dialog up"
sleep 0.3
click_first_row
focus_window Registration
xdotool key --repeat 20 --delay 20 Down # to the 21st, at the bottom of the list
sleep 0.3
shot e2e-school-21st
grep -q "Lou KimLB" "$work/Data/Zed Newcomer.nfo" || fail "not in the second class"
[ "$(report_rows "With the 21st")" -eq 21 ] || fail "the class report does not list 21"

teacher_home
end_program
echo "school session: passed"
