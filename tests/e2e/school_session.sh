#!/usr/bin/env bash
# A school on one installation: the data-folder tool writes 2 teachers × 2 classes × 20 students
# from a roster with --class-size 25, and a roster with one bad row writes nothing and names the
# row. In the real program the 80th student signs in, chosen by typing in the sign-in list; the
# second teacher chooses her second class, whose class report lists its 20 students, adds a 21st
# without refusal, and the report lists 21.
# Usage: school_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

# Exports the class report as $1 in the documents folder and prints its number of students.
export_report_rows() {
  click_class_report
  wait_for 'window_visible "Class Report"' "no class report"
  sleep 0.5
  import -window root "$shots/e2e-school-report.png"
  export_report_as "$1"
  click_report_home
  wait_for 'window_visible Registration' "Home did not lead back to the class list"
  sleep 0.3
  echo $(($(wc -l <"$HOME/Documents/$1.csv") - 1))
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
[ "$(cat "$work/Data/School settings.txt")" = $'# Tallyhop: settings of this data folder\nclass size = 25' ] ||
  fail "no class size: $(cat "$work/Data/School settings.txt")"

records() { find "$work/Data" -type f -print0 | sort -z | xargs -0 md5sum; }
before=$(records)
sed '42s/;Kid Pupil41;/;Kid Pupil.41;/' "$roster" >"$work/bad.csv"
output=$("$datafolder" --folder "$work" --force --roster "$work/bad.csv" 2>&1) &&
  fail "a roster with a bad row was written"
echo "$output" | grep -q 'Line 42: the name "Kid Pupil.41" cannot hold the full stop' ||
  fail "the bad row was not named: $output"
[ "$(records)" = "$before" ] || fail "a roster with a bad row changed the records"

start_program
focus_window SignInDlg
xdotool type --delay 50 pupil80
xdotool key Tab
xdotool type pw80
import -window root "$shots/e2e-school-sign-in.png"
xdotool key Return
wait_for 'window_visible Tallyhop' "the 80th student did not reach the home screen"
sleep 0.3
click_at 548 358 # Sign out
wait_for 'window_visible SignInDlg' "no sign-in dialog after signing out"
sleep 0.3

focus_window SignInDlg
xdotool type --delay 50 kim
xdotool key Tab
xdotool type cat
xdotool key Return
wait_for 'window_visible Registration' "no teacher window for Lou Kim"
sleep 0.3
click_class_chooser
sleep 0.5
xdotool key Down Down Return # below the first class and 5A
sleep 0.5
import -window root "$shots/e2e-school-second-class.png"
[ "$(export_report_rows "Second class")" -eq 20 ] || fail "the second class does not list 20"

type_new_student "Zed Newcomer" hop
xdotool key Return
wait_for '[ -f "$work/Data/Zed Newcomer.nfo" ]' "the 21st student was not written"
sleep 0.5
window_visible StudentInfoDlg || fail "refused: no fresh dialog after the 21st student"
focus_window StudentInfoDlg
xdotool key Escape
wait_for '! window_visible StudentInfoDlg' "Escape left the dialog up"
sleep 0.3
import -window root "$shots/e2e-school-21st.png"
grep -q "Lou KimLB" "$work/Data/Zed Newcomer.nfo" || fail "not in the second class"
[ "$(export_report_rows "With the 21st")" -eq 21 ] || fail "the class report does not list 21"

click_teacher_home
wait_for 'window_visible SignInDlg' "Home did not lead to the sign-in dialog"
end_program
echo "school session: passed"
