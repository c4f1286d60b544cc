#!/usr/bin/env bash
# A teacher manages the class in the real program: signs in, adds a student through the student
# dialog (typing the name and both passwords, choosing a level and the tests passed), leaves the
# next empty dialog with Escape and signs out with Home. The new student signs in and reaches the
# home screen at the chosen level; then the teacher signs in again and deletes the student, whose
# files and sign-in entry are gone.
# Usage: teacher_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

# The names of the sign-in list, one a line.
sign_in_list() {
  python3 - "$work/Data/Admin.nfo" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
at = 4
def counted(at):
    return data[at + 1:at + 1 + data[at]].decode("cp1252"), at + 1 + data[at]
_, at = counted(at)
(count,) = struct.unpack_from("<I", data, at)
at += 4
for _ in range(count):
    name, at = counted(at)
    print(name)
PY
}

start_server 24
copy_program teacher
start_program
sign_in_first teacher
wait_for 'window_visible Registration' "no teacher window"
sleep 0.3

type_new_student "Kim Lee" hop
xdotool key Tab Down Down Tab Right
import -window root "$shots/e2e-teacher-new-student.png"
xdotool key Return
wait_for '[ -f "$work/Data/Kim Lee.nfo" ]' "the student was not written"
sleep 0.5
window_visible StudentInfoDlg || fail "no fresh dialog after the first"
focus_window StudentInfoDlg
xdotool key Escape
wait_for '! window_visible StudentInfoDlg' "Escape left the dialog up"
sleep 0.3
import -window root "$shots/e2e-teacher-added.png"

click_teacher_home
wait_for 'window_visible SignInDlg' "Home did not lead to the sign-in dialog"
sleep 0.3
sign_in_first hop
wait_for 'window_visible Tallyhop' "the new student did not reach the home screen"
import -window root "$shots/e2e-teacher-student-home.png"
record=$("$(dirname "$0")/student_record.py" "$work/Data/Kim Lee.nfo")
echo "$record" | grep -q "^level 3 passed 1 " || fail "not at the chosen level: $record"

click_at 548 358 # Sign out
wait_for 'window_visible SignInDlg' "no sign-in dialog after signing out"
sleep 0.3
focus_window SignInDlg
xdotool key Down Down Tab
xdotool type teacher
xdotool key Return
wait_for 'window_visible Registration' "no teacher window the second time"
sleep 0.3
click_first_row
click_delete_student
wait_for 'window_visible Tallyhop' "no question before deleting"
sleep 0.3
import -window root "$shots/e2e-teacher-delete-question.png"
press_enter
wait_for '[ ! -f "$work/Data/Kim Lee.nfo" ]' "the student's record is still there"
sleep 0.3
import -window root "$shots/e2e-teacher-deleted.png"
for extension in mtk opt; do
  [ ! -e "$work/Data/Kim Lee.$extension" ] || fail "Kim Lee.$extension is still there"
done
sign_in_list | grep -q "^Lee, Kim$" && fail "still in the sign-in list: $(sign_in_list)"
click_teacher_home
wait_for 'window_visible SignInDlg' "Home did not lead to the sign-in dialog"
end_program
echo "teacher session: passed"
