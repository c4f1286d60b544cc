#!/usr/bin/env bash
# A teacher manages the class in the real program: signs in, adds a student through the student
# dialog (typing the name and both passwords, choosing a level and the tests passed), leaves the
# next empty dialog with Escape and signs out with Home. The new student signs in and reaches the
# home screen at the chosen level; then the teacher signs in again and deletes the student, whose
# files and sign-in entry are gone.
# Usage: teacher_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

start_server 24
copy_program teacher
start_program
sign_in 1 teacher
wait_for 'window_visible Registration' "no teacher window"
sleep 0.3

type_new_student "Kim Lee" hop
xdotool key Tab Down Down Tab Right # level 3, one test passed
shot e2e-teacher-new-student
xdotool key Return
wait_for '[ -f "$work/Data/Kim Lee.nfo" ]' "the student was not written"
sleep 0.5
window_visible StudentInfoDlg || fail "no fresh dialog after the first"
focus_window StudentInfoDlg
xdotool key Escape
wait_for '! window_visible StudentInfoDlg' "Escape left the dialog up"
sleep 0.3
shot e2e-teacher-added

teacher_home
sign_in 1 hop
wait_for 'window_visible Tallyhop' "the new student did not reach the home screen"
shot e2e-teacher-student-home
record=$(records show "$work/Data/Kim Lee.nfo")
echo "$record" | grep -q "^level 3 passed 1 " || fail "not at the chosen level: $record"

click_at 548 358 # Sign out
wait_for 'window_visible SignInDlg' "no sign-in dialog after signing out"
sleep 0.3
type_sign_in 2 teacher
wait_for 'window_visible Registration' "no teacher window the second time"
sleep 0.3
click_first_row
click_delete_student
wait_for 'window_visible Tallyhop' "no question before deleting"
sleep 0.3
shot e2e-teacher-delete-question
press_enter
wait_for '[ ! -f "$work/Data/Kim Lee.nfo" ]' "the student's record is still there"
sleep 0.3
shot e2e-teacher-deleted
for extension in mtk opt; do
  [ ! -e "$work/Data/Kim Lee.$extension" ] || fail "Kim Lee.$extension is still there"
done
! grep -qx "Lee, Kim" <(records names "$work/Data/Admin.nfo") ||
  fail "still in the sign-in list: $(records names "$work/Data/Admin.nfo")"
teacher_home
end_program
echo "teacher session: passed"
