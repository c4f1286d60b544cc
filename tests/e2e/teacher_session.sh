#!/usr/bin/env bash
# A teacher manages the class in the real program: signs in, adds a student through the student
# dialog (typing the name and both passwords, choosing a level and the tests passed), leaves the
# next empty dialog with Escape and signs out with Home. The new student signs in and reaches the
# home screen at the chosen level; then the teacher signs in again and deletes the student, whose
# files and sign-in entry are gone.
# Usage: teacher_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

new_run teacher
start_program
teacher_sign_in 1

type_new_student "Kim Lee" hop
xdotool key Tab Down Down Tab Right # level 3, one test passed
shot e2e-teacher-new-student
enter_new_student "Kim Lee"
shot e2e-teacher-added 0.3

teacher_home
sign_in 1 hop
wait_for 'window_visible Tallyhop' "the new student did not reach the home screen"
shot e2e-teacher-student-home
expect_record "Kim Lee" "^level 3 passed 1 " "not at the chosen level"
open_window 548 358 SignInDlg # Sign out
teacher_sign_in 2
delete_first_student
shot e2e-teacher-delete-question
press_enter
wait_for '[ ! -f "$work/Data/Kim Lee.nfo" ]' "the student's record is still there"
shot e2e-teacher-deleted 0.3
for extension in mtk opt; do
  [ ! -e "$work/Data/Kim Lee.$extension" ] || fail "Kim Lee.$extension is still there"
done
! grep -qx "Lee, Kim" <(records names "$work/Data/Admin.nfo") ||
  fail "still in the sign-in list: $(records names "$work/Data/Admin.nfo")"
teacher_home
end_program
echo "teacher session: passed"
