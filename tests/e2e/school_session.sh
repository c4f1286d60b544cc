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
  xdotool key Tab type "$2"
  [ -z "${3:-}" ] || shot "$3"
  xdotool key Return
  wait_for '! window_visible SignInDlg' "nobody was signed in as $1" && sleep 0.3
}

new_run school
export HOME="$work/home" && mkdir -p "$HOME/Documents"

roster="$work/school.csv"
teachers=("Pat Jones;owl" "Lou Kim;cat")
classes=(A B)
{
  echo "Teacher;Teacher password;Class;Student;Password"
  for n in $(seq 80); do # twenty a class
    teacher=${teachers[(n - 1) / 40]} class=${classes[(n - 1) / 20 % 2]}
    printf '%s;%s;Kid Pupil%02d;pw%d\r\n' "$teacher" "${teacher:0:1}$class" "$n" "$n"
  done
} >"$roster"
"$datafolder" --folder "$work" --force --roster "$roster" --class-size 25 >/dev/null ||
  fail "the roster was not written"

start_program
sign_in_typed pupil80 pw80 e2e-school-sign-in
window_visible Tallyhop || fail "the 80th student did not reach the home screen"
open_window 548 358 SignInDlg # Sign out

sign_in_typed kim cat
window_visible Registration || fail "no teacher window for Lou Kim"
click_class_chooser && sleep 0.5
xdotool key Down Down Return # below the first class and LA
shot e2e-school-second-class 0.5
[ "$(report_rows "Second class")" -eq 20 ] || fail "the second class does not list 20"

type_new_student "Zed Newcomer" hop
enter_new_student "Zed Newcomer" # no refusal: a fresh dialog
sleep 0.3
click_first_row
keys_to Registration --repeat 20 --delay 20 Down # to the 21st, at the bottom of the list
shot e2e-school-21st 0.3
grep -q "Lou KimLB" "$work/Data/Zed Newcomer.nfo" || fail "not in the second class"
[ "$(report_rows "With the 21st")" -eq 21 ] || fail "the class report does not list 21"

teacher_home
end_program
echo "school session: passed"
