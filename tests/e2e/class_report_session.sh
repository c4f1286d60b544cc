#!/usr/bin/env bash
# A teacher looks at the class in the real program: signs in, opens Class Report, exports it with
# Export CSV… through the file dialog (accepting the name it proposes in the documents folder)
# and the file holds what the records say; a name typed without ".csv" gets it; Home leads back
# to the class list. The records are the same afterwards.
# Usage: class_report_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"

new_run class_report "Ann Lee:hop:1:1" "Zoë Grün:hop"
# Ann Lee (Addition, one test passed): a training session of 4 minutes a day ago, a test two days
# ago, a review of 2 minutes three hours ago, a training session ten days ago, two facts on the
# mistake list. Zoë Grün (Addition): three failed tests ten days ago and nothing since.
now=$(date +%s)
day=86400
records append "$work/Data/Ann Lee.nfo" "2:$((now - 10 * day)):60" "1:$((now - 2 * day)):0:99:100" \
  "2:$((now - day)):240" "3:$((now - 3 * 3600)):120"
records mistakes "$work/Data/Ann Lee.mtk" 7,5,1,12 8,6,1,14
failed="1:$((now - 10 * day)):0:97:100"
records append "$work/Data/Zoë Grün.nfo" "$failed" "$failed" "$failed"
# What the report must export: every line of the addition file is a fact of its own, and a test
# counts its time limit, so Ann's week is 240 + 330 + 120 seconds, 11.5 minutes.
facts=$(tr -d '\r ' <"$work/Test Data/addition.txt" | grep . | sort -u | wc -l)
expected="$work/expected.csv"
{
  printf '\xef\xbb\xbf'
  printf '%s\r\n' "Student,Level,Tests passed,Last active,Sessions this week,Minutes this week,Fluent facts,Facts,Mistakes to review,Needs attention" \
    "\"Grün, Zoë\",Addition,0,$(date -d @$((now - 10 * day)) +%F),0,0,0,$facts,0,\"inactive, stuck\"" \
    "\"Lee, Ann\",Addition,1,$(date -d @$((now - 3 * 3600)) +%F),3,12,0,$facts,2,"
} >"$expected"
# The program's documents folder, where the file dialog opens.
export HOME="$work/home" && mkdir -p "$HOME/Documents"
before=$(cat "$work/Data/"*.nfo "$work/Data/"*.mtk | md5sum)
start_program
teacher_sign_in 3 # Grün, Lee, then the teacher
open_window 664 511 "Class Report"
shot e2e-class-report 0.2
open_window 399 567 "Export CSV" # on the report
shot e2e-class-report-export 0.2
keys_to "Export CSV" Return
csv="$HOME/Documents/Class report $(date +%F).csv"
wait_for '[ -s "$csv" ]' "no file $csv"
wait_for 'window_visible Tallyhop' "no word that the report was saved"
shot e2e-class-report-saved 0.3
press_enter
cmp "$csv" "$expected" || fail "the file differs from the records: $(diff <(cat -A "$csv") <(cat -A "$expected"))"

# A name typed without an extension gets ".csv".
export_report_as "Class list"

open_window 133 567 Registration # Home on the report
teacher_home
[ "$(cat "$work/Data/"*.nfo "$work/Data/"*.mtk | md5sum)" = "$before" ] || fail "a record changed"
end_program
echo "class report session: passed"
