#!/usr/bin/env bash
# A child who cannot see the screen, with the keyboard and a screen reader's view of the program
# (AT-SPI on a private bus, as Orca reads it): signs in, works off a review of three mistakes, takes
# a whole test and practises for a minute, reading every card's problem from the object that has
# the keyboard focus before typing its answer, and reads each ending: the review's last card and
# message, the test's result, the training's message and graph. Only keys: Tab to a control (the
# screen reader says which has the focus), Return to press it. Windows are named frames and
# nothing lies off the screen.
# Usage: screen_reader_session.sh <program> <data-folder tool> <folder for screenshots>
source "$(dirname "$0")/lib.sh"
reader=$here/atspi.py

expect() { # what, got, wanted
  [ "$2" = "$3" ] || fail "$1: \"$2\", not \"$3\""
}

# Tabs until the focus is on the control whose role and name begin with $1 ("push button: Begin").
tab_to() {
  for _ in $(seq 12); do
    [[ "$($reader focus)" == "$1"* ]] && return 0
    xdotool key Tab
  done
  fail "Tab does not reach $1"
}

# Presses the button called $1 with the keyboard.
press() {
  tab_to "push button: $1"
  xdotool key Return
}

new_run reader "Kim Lee:hop:1"
records mistakes "$work/Data/Kim Lee.mtk" 6,7,3,42 8,3,2,5 9,5,1,14
eval "$(dbus-launch --sh-syntax)"
servers+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
servers+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
expect "the sign-in dialog" "$($reader focus)" "combo box: Name (Choose your name from the list)"
sign_in 1 hop
expect "the home screen" "$($reader windows)" "frame: Tallyhop"
expect "objects off the screen" "$($reader outside)" ""

press Review
wait_window "Mistake Review"
press Begin
said=$($reader answer 9) || fail "the review's cards"
# Three right first tries take each fact off the list.
expect "the review's cards" "$(echo "$said" | head -n 9 | sort | uniq -c | xargs)" \
  "3 6 times 7 3 8 minus 3 3 9 plus 5"
[[ "$(echo "$said" | tail -n 1)" == "animation: Great! "*" That fact is off your list, and the frog hops. No mistakes are left." ]] ||
  fail "the last card said \"$(echo "$said" | tail -n 1)\""
# The frog runs to the far bank (4 s) before the message.
wait_for '[ -n "$($reader alert)" ]' "no message after the review" 60
expect "the review's end" "$($reader alert)" "You have no mistakes to review."
xdotool key Return
wait_gone "Mistake Review"

press Testing
wait_window "Testing Window"
expect "the testing window" "$($reader windows)" "frame: Testing Window"
press Begin
said=$($reader answer 100) || fail "the test's cards"
[ "$(echo "$said" | grep -c ' plus ')" -eq 100 ] || fail "not every card of the test was read"
expect "the test's result" "$(echo "$said" | tail -n 1)" \
  "label: Correct: 100. Missed: 0. You passed this test."
expect "objects off the screen" "$($reader outside)" ""
press Home
wait_gone "Testing Window"

press Training
wait_window Training
tab_to "text: Goal"
xdotool type 5
press Begin
began=$(date +%s%N)
# A child who takes 2.5 s a card: some twenty cards in the minute.
read=$($reader answer 0 2.5 "$began" 60000 | grep -c ' plus ') || fail "the training's cards"
ended=$(date +%s%N)
expect "the training's end" "$($reader alert)" \
  "This training session has been completed. Press OK to view your current progress."
echo "screen reader session: $read cards read in training"
expect_session_length "Kim Lee" "$began" "$ended"
xdotool key Return
wait_for '[[ "$($reader focus)" == "chart: Session graph ("*"Session 1 of 1: "*" correct, goal 5, 1 minute.)" ]]' \
  "the graph does not say the session ($($reader focus))" 20
shot e2e-screen-reader-graph
end_program
echo "screen reader session: passed"
