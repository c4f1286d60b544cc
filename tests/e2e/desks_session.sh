#!/usr/bin/env bash
# Two desks on one class folder. A child at the first desk has chosen a name and typed the
# password while the teacher, at the second, adds a student and deletes the chosen one. Sign In
# then says the chosen student is no longer in the class list (no record "cannot be read"), and the
# list dropped down holds the new student, who signs in there.
# Usage: desks_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

copy_program desks "Ann Ash:hop"
start_server 24
child_display=$DISPLAY
start_program
child_pid=$pid
focus_window SignInDlg
xdotool key Down Tab # "Ash, Ann", above "Teacher, Class"
xdotool type hop

start_server 24
teacher_display=$DISPLAY
start_program
teacher_pid=$pid
type_sign_in 2 teacher
wait_for 'window_visible Registration' "no teacher window"
sleep 0.3
type_new_student "Zoe Zinnia" hop
xdotool key Return
wait_for '[ -f "$work/Data/Zoe Zinnia.nfo" ]' "the new student was not written"
sleep 0.5
focus_window StudentInfoDlg
xdotool key Escape
wait_for '! window_visible StudentInfoDlg' "Escape left the dialog up"
click_first_row
click_delete_student
wait_for 'window_visible Tallyhop' "no question before deleting"
sleep 0.3
press_enter
# The sign-in entry goes last.
wait_for '! grep -qa "Ash, Ann" "$work/Data/Admin.nfo"' "Ann Ash was not deleted"

export DISPLAY=$child_display
focus_window SignInDlg
xdotool key Return
wait_for box_up "no message for the deleted student"
sleep 0.3
shot e2e-desks-no-longer-listed
[ ! -s "$work/Error Log.txt" ] || fail "the deleted student was taken for damage: $(cat "$work/Error Log.txt")"
close_box
wait_for '! box_up' "the message stayed"
focus_window SignInDlg
xdotool key F4 End Return Tab # the list dropped down: "Zinnia, Zoe" last
xdotool type hop
xdotool key Return
wait_for '! window_visible SignInDlg' "the student added at the other desk was not listed"
sleep 0.3
shot e2e-desks-added-student-home
pid=$child_pid
end_program
pid=$teacher_pid
export DISPLAY=$teacher_display
end_program
echo "desks session: passed"
