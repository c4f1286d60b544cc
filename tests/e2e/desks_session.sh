#!/usr/bin/env bash
# Two desks on one class folder. A child at the first desk has chosen a name and typed the
# password while the teacher, at the second, adds a student and deletes the chosen one. Sign In
# then says the chosen student is no longer in the class list (no record "cannot be read"), and the
# list dropped down holds the new student, who signs in there.
# Usage: desks_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

new_run desks "Ann Ash:hop"
child_display=$DISPLAY
start_program
child_pid=$pid
keys_to SignInDlg Down Tab type hop # "Ash, Ann", above "Teacher, Class"

start_server 24
teacher_display=$DISPLAY
start_program
teacher_sign_in 2
type_new_student "Zoe Zinnia" hop
enter_new_student "Zoe Zinnia"
delete_first_student
press_enter
# The sign-in entry goes last.
wait_for '! grep -qa "Ash, Ann" "$work/Data/Admin.nfo"' "Ann Ash was not deleted"

export DISPLAY=$child_display
keys_to SignInDlg Return
wait_for box_up "no message for the deleted student"
shot e2e-desks-no-longer-listed 0.3
no_errors # the deleted student is not taken for damage
close_box
wait_for '! box_up' "the message stayed"
keys_to SignInDlg F4 End Return Tab type hop # the list dropped down: "Zinnia, Zoe" last
xdotool key Return
wait_for '! window_visible SignInDlg' "the student added at the other desk was not listed"
shot e2e-desks-added-student-home 0.3
pid=$child_pid end_program
DISPLAY=$teacher_display end_program
echo "desks session: passed"
