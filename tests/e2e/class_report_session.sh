#!/usr/bin/env bash
# A teacher looks at the class in the real program: signs in, opens Class Report, exports it with
# Export CSV… through the file dialog (accepting the name it proposes in the documents folder)
# and the file holds what the records say; a name typed without ".csv" gets it; Home leads back
# to the class list. The records are
# the same afterwards.
# Usage: class_report_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

start_server 24
copy_program class_report "Ann Lee:hop:1:1" "Zoë Grün:hop"
expected="$work/expected.csv"
"$(dirname "$0")/class_report_records.py" "$work/Data" "$work/Test Data" >"$expected"
# The program's documents folder, where the file dialog opens.
export HOME="$work/home"
mkdir -p "$HOME/Documents"
before=$(cat "$work/Data/"*.nfo "$work/Data/"*.mtk | md5sum)
start_program
focus_window SignInDlg
xdotool key Down Down Down Tab # Grün, Lee, then the teacher
xdotool type teacher
xdotool key Return
wait_for 'window_visible Registration' "no teacher window"
sleep 0.3

click_class_report
wait_for 'window_visible "Class Report"' "no class report"
sleep 0.5
import -window root "$shots/e2e-class-report.png"
click_export
wait_for 'window_visible "Export CSV"' "no file dialog"
sleep 0.5
import -window root "$shots/e2e-class-report-export.png"
focus_window "Export CSV"
xdotool key Return
csv="$HOME/Documents/Class report $(date +%F).csv"
wait_for '[ -s "$csv" ]' "no file $csv"
wait_for 'window_visible Tallyhop' "no word that the report was saved"
sleep 0.3
import -window root "$shots/e2e-class-report-saved.png"
press_enter
cmp "$csv" "$expected" || fail "the file differs from the records: $(diff <(cat -A "$csv") <(cat -A "$expected"))"

# A name typed without an extension gets ".csv".
export_report_as "Class list"

click_report_home
wait_for 'window_visible Registration' "Home did not lead back to the class list"
sleep 0.3
click_teacher_home
wait_for 'window_visible SignInDlg' "Home did not lead to the sign-in dialog"
[ "$(cat "$work/Data/"*.nfo "$work/Data/"*.mtk | md5sum)" = "$before" ] || fail "a record changed"
end_program
echo "class report session: passed"
