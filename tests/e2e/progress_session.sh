#!/usr/bin/env bash
# A student with a history of tests, training sessions and reviews looks at it in the real
# program: signs in, opens Progress, presses every view button, and goes Home; the record is the
# same afterwards.
# Usage: progress_session.sh <program> <data-folder tool> <folder for screenshots>
program=$(realpath "$1")
datafolder=$(realpath "$2")
shots=$3
source "$(dirname "$0")/lib.sh"

# Appends 25 tests, 24 training sessions and 2 reviews to the record, one day apart, and counts
# them in; the level stays as the record has it.
write_history() {
  python3 - "$1" <<'PY'
import struct, sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
at = 4
for _ in range(2):  # password, class key: short counted strings
    at += 1 + data[at]
count_at = at + 16
sessions = []
day = 1_157_112_000
for n in range(25):
    correct = 100 if n % 4 == 3 else 80 + n % 15
    sessions.append(struct.pack("<IhhhhhBBhhhhI", day + n * 86400, correct, 100, 1 + n // 8,
                                n % 3, 330, 0, 0, 0, 0, 0, 0, 1))
    if n % 12 == 5:
        sessions.append(struct.pack("<IhhhhhBBhhhhI", day + n * 86400, -1, -1, 1, 0, 420, 0, 0,
                                    10, 30, n % 2, 0, 3))
    if n < 24:
        seconds = 60 if n % 3 == 0 else 240
        sessions.append(struct.pack("<IhhhhhBBhhhhI", day + n * 86400, 20 + n, 20 + n, 3, 0,
                                    seconds, 0, 0, 0, 0, 0, 30 + n, 2))
(stored,) = struct.unpack_from("<I", data, count_at)
struct.pack_into("<I", data, count_at, stored + len(sessions))
open(path, "wb").write(bytes(data) + b"".join(sessions))
PY
}

# Where the buttons stand on the 800 × 600 progress screen.
declare -A view_buttons=(
  [mastery]="695 474" [current]="695 524" [report]="695 574"
  [training-graph]="95 474" [training-report]="95 524"
)

start_server 24
copy_program progress "Kim Lee:hop"
record="$work/Data/Kim Lee.nfo"
write_history "$record"
before=$(md5sum <"$record")
start_program
sign_in_first hop
click_at 135 520 # Progress
wait_for 'window_visible Progress' "no progress window"
sleep 0.5
import -window root "$shots/e2e-progress-opened.png"
for view in current report training-report training-graph mastery; do
  read -r x y <<<"${view_buttons[$view]}"
  click_at "$x" "$y"
  sleep 0.4
  import -window root "$shots/e2e-progress-$view.png"
done
window_visible Progress || fail "the progress window closed"
click_at 400 502 # Home
wait_for '! window_visible Progress' "the progress window stayed"
wait_for 'window_visible Tallyhop' "no home screen"
sleep 0.3
import -window root "$shots/e2e-progress-home.png"
[ "$(md5sum <"$record")" = "$before" ] || fail "the record changed"
grep -c Cstudentprogresswnd "$work/Log.txt" | grep -qx 7 || fail "trace: $(grep -c Cstudentprogresswnd "$work/Log.txt") records"
end_program
echo "progress session: passed"
