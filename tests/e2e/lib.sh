# Shared by the end-to-end scripts: a virtual X server with an 800 × 600 mode, a program folder of
# the test's own, and the keyboard and mouse of a user. Source it with the script's arguments:
# <program> <data-folder tool> <folder for screenshots>.
set -euo pipefail
# The runs drive the English program whatever the desktop's language; a run in another language
# names its own.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
servers=()
cleanup() {
  pkill -TERM -f "$work/Tallyhop" 2>/dev/null || true
  for server in "${servers[@]}"; do kill "$server" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"

# Says what went wrong and keeps a picture of the screen at that moment.
fail() {
  echo "FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure-$(basename "$0" .sh).png" 2>/dev/null
  exit 1
}

records() { "$here/records.py" "$@"; }
# A picture of the screen called $1, $2 seconds from now.
shot() {
  sleep "${2:-0}"
  import -window root "$shots/$1.png"
}

# A free display number, a server on it at 1024 × 768 with an 800 × 600 mode, and a wait until it
# answers. $1: the depth.
start_server() {
  local depth=$1 number=90
  while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 "1024x768x$depth" -noreset >"$work/xvfb-$number.log" 2>&1 &
  servers+=($!)
  export DISPLAY=":$number"
  for _ in $(seq 100); do xrandr >/dev/null 2>&1 && break; sleep 0.1; done
  xrandr --newmode 800x600 40 800 840 968 1056 600 601 605 628
  xrandr --addmode screen 800x600
}

current_mode() { xrandr | sed -n 's/.*current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'; }

# Waits for condition $1 to hold, $3 tenths of a second at most ($patience, else 100, when not
# given); fails with $2 when it does not.
wait_for() {
  for _ in $(seq "${3:-${patience:-100}}"); do eval "$1" && return 0; sleep 0.1; done
  fail "$2"
}

window_visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
# Waits for the window called $1 to show ($2: the patience, as for wait_for) and lets it settle;
# wait_gone waits for it to go.
wait_window() { wait_for "window_visible '$1'" "no window $1 at $DISPLAY" "${2:-}" && sleep 0.3; }
wait_gone() { wait_for "! window_visible '$1'" "the window $1 stayed at $DISPLAY"; }

# Gives the keyboard to the program's visible window called $1; keys_to presses keys "${@:2}"
# there.
focus_window() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  [ -n "$id" ] || fail "no visible window $1"
  xdotool windowfocus --sync "$id" 2>/dev/null || true
}
keys_to() { focus_window "$1" && xdotool key "${@:2}"; }

# The visible windows called "Tallyhop": the home screen and any message box without a title of
# its own, which is called after the program too (a name search by pattern misses it).
program_windows() {
  for id in $(xdotool search --onlyvisible --name '.*'); do
    if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = Tallyhop ]; then echo "$id"; fi
  done
}
# A message box is up: more such windows than $1 (1 by default: the home screen alone);
# close_box presses Enter in the newest, press_enter in the one that is up.
box_up() { [ "$(program_windows | wc -l)" -gt "${1:-1}" ]; }
close_box() {
  xdotool windowfocus --sync "$(program_windows | tail -n 1)" 2>/dev/null || true
  xdotool key Return
}
press_enter() { keys_to Tallyhop Return; }

click_at() { xdotool mousemove "$1" "$2" click 1; }
# Clicks at ($1, $2) and waits for the window called $3 to show.
open_window() { click_at "$1" "$2" && wait_window "$3"; }

# A key of the standard number pad whose top-left corner is at ($1, $2) on the screen: 1 … 18 in
# three rows of six keys of 90 × 56, 0 centred below them. $3: the key.
click_standard_key_at() {
  local left=$1 top=$2 key=$3
  if [ "$key" -eq 0 ]; then
    click_at $((left + 270)) $((top + 196))
  else
    click_at $((left + 45 + 90 * ((key - 1) % 6))) $((top + 28 + 56 * ((key - 1) / 6)))
  fi
}

# Types one line of a "-debug" answer file on the keyboard: its digits, then Return.
type_answer() {
  xdotool type --delay 20 "${1//[^0-9]/}"
  xdotool key Return
}

# A program folder of this run's own (records, logs, test files, lock), sharing the pictures and
# sounds; $1 names the run, the rest are --student options of the data-folder tool. new_run starts
# a server (24 bits) for it first.
copy_program() {
  local run=$1 installed students=()
  shift
  rm -rf "$work/Tallyhop" "$work/Log.txt" "$work/Error Log.txt" "$work/Data" "$work/Test Data"
  cp "$program" "$work/Tallyhop"
  installed=$(dirname "$program")
  for content in Graphics Audio "Help Guide" translations; do
    [ -e "$installed/$content" ] && ln -sfn "$installed/$content" "$work/$content"
  done
  cp -r "$installed/Test Data" "$work/Test Data"
  for student in "$@"; do students+=(--student "$student"); done
  "$datafolder" --folder "$work" "${students[@]}" >/dev/null
  rm -f "$work/Log.txt"
  export XDG_RUNTIME_DIR="$work/runtime-$run"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}
new_run() { start_server 24 && copy_program "$@"; }

# Starts the program with arguments "$@" on $DISPLAY (its output in run$DISPLAY.log), answers the
# resolution notice and waits for the sign-in dialog on the switched display. Sets `pid`.
start_program() {
  "$work/Tallyhop" "$@" >"$work/run$DISPLAY.log" 2>&1 &
  pid=$!
  wait_window Tallyhop
  press_enter
  wait_for '[ "$(current_mode)" = 800x600 ]' "display $DISPLAY not switched ($(current_mode))"
  wait_window SignInDlg
}

# Chooses the entry $1 places down the sign-in list and signs in with password $2; sign_in then
# waits until somebody is signed in; start_signed_in starts the program with options "$@" first
# and signs the first student in with "hop"; teacher_sign_in signs the teacher in, $1 places
# down, and waits for the teacher window.
type_sign_in() {
  local downs=()
  for ((down = 0; down < $1; down++)); do downs+=(Down); done
  focus_window SignInDlg
  xdotool key "${downs[@]}" Tab type "$2"
  xdotool key Return
}
sign_in() {
  type_sign_in "$@"
  wait_for '! window_visible SignInDlg' "nobody was signed in at $DISPLAY" && sleep 0.3
}
start_signed_in() { start_program "$@" && sign_in 1 hop; }
teacher_sign_in() { type_sign_in "$1" teacher && wait_window Registration; }

# From the home screen of a program started with "-debug": opens Testing and presses Begin, then
# waits for the answer file of the test.
begin_debug_test() {
  open_window 135 45 "Testing Window"
  click_at 694 404 # Begin
  wait_for '[ -s "$work/testAnswers.dat" ]' "no answer file" && sleep 0.3
}

# Clicks on the training screen's standard pad the answers of the first $1 cards of the answer
# file "-debug" wrote, $2 seconds apart; a picture of the screen after card $3 goes to $4.
click_training_answers() {
  local cards=$1 pause=$2 shot_at=$3 shot=$4 answered=0 answer
  while IFS=$'\r' read -r answer _; do
    click_standard_key_at 10 367 "$answer"
    answered=$((answered + 1))
    [ $answered -eq "$shot_at" ] && import -window root "$shot"
    sleep "$pause"
    [ $answered -lt "$cards" ] || break
  done <"$work/trainingAnswers.dat"
}

# Places on the 800 × 600 teacher screen: the column of buttons, the list's first row, the class
# chooser. delete_first_student chooses the first row and presses Delete Student, and waits for
# the question (or refusal).
teacher_home() { open_window 664 335 SignInDlg; }
click_first_row() { click_at 600 80; }
click_class_chooser() { click_at 245 77; }
delete_first_student() {
  click_first_row && click_at 664 467
  wait_for 'box_up 0' "no question before deleting" && sleep 0.3
}

# From the class report: exports it through the file dialog under the name $1 typed there (in the
# documents folder, ".csv" added) and closes the word that it was saved.
export_report_as() {
  local file="$HOME/Documents/$1.csv"
  open_window 399 567 "Export CSV"
  sleep 0.2
  focus_window "Export CSV"
  xdotool key ctrl+a type "$1"
  xdotool key Return
  wait_for '[ -s "$file" ]' "no file $file"
  wait_for 'window_visible Tallyhop' "no word that the report was saved"
  press_enter
}

# From the teacher screen: opens the student dialog and types name $1 and password $2 twice; the
# caller presses what is left to press. enter_new_student presses Enter there: student $1 is
# written and the next empty dialog comes up, which Escape leaves.
type_new_student() {
  open_window 664 379 StudentInfoDlg # Add Student
  focus_window StudentInfoDlg
  xdotool type "$1" # a command after "type" would be typed too
  xdotool key Tab type "$2"
  xdotool key Tab type "$2"
}
enter_new_student() {
  xdotool key Return
  wait_for "[ -f '$work/Data/$1.nfo' ]" "$1 was not written" && sleep 0.5
  window_visible StudentInfoDlg || fail "no fresh dialog after $1"
  keys_to StudentInfoDlg Escape
  wait_gone StudentInfoDlg
}

# Fails with $3 (and the record) unless the record of student $1 has a line that matches the
# extended expression $2.
expect_record() {
  local record
  record=$(records show "$work/Data/$1.nfo")
  grep -Eq "$2" <<<"$record" || fail "${3:-not in the record}: $record"
}
no_errors() { [ ! -s "$work/Error Log.txt" ] || fail "errors: $(cat "$work/Error Log.txt")"; }

# Seconds a busy machine may add to or take from a timed session's length as seen from outside.
tolerance=3
# Fails unless the one-minute training session of student $1, which began at $2 and ended at $3
# (date +%s%N), took its minute and 0.8 s for each right answer, within the tolerance.
expect_session_length() {
  local correct took=$((($3 - $2) / 1000000)) due
  correct=$(records show "$work/Data/$1.nfo" | sed -n 's/^type 2 correct \([0-9]*\) .*/\1/p' | head -n 1)
  due=$((60000 + 800 * correct))
  echo "$(basename "$0" .sh): $correct right answers, ended after $took ms, due after $due ms"
  [ $((took - due)) -le $((tolerance * 1000)) ] && [ $((due - took)) -le $((tolerance * 1000)) ] ||
    fail "the session took $took ms; due after $due ms"
}

# Asks the program to end and checks that it ended well and put the display back.
end_program() {
  kill -TERM "$pid"
  wait "$pid" || fail "program ended with $? ($(cat "$work/run$DISPLAY.log"))"
  [ "$(current_mode)" = 1024x768 ] || fail "display not restored ($(current_mode))"
}
