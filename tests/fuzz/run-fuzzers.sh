#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for <seconds>, starting from a small corpus of
# well-formed files written here, each reader's whole way to a successful load among them.
# Usage: run-fuzzers.sh <seconds> [build folder]
set -euo pipefail

seconds=${1:?usage: run-fuzzers.sh <seconds> [build folder]}
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../../build-fuzz}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

# seed <target> <name> <printf format>: one well-formed input.
seed() {
  mkdir -p "$build/corpus/$1"
  printf "$3" >"$build/corpus/$1/$2"
}
# le <bytes> <number>: a little-endian field, as printf escapes.
le() {
  local n=$2 i
  for ((i = 0; i < $1; i++)); do
    printf '\\%03o' $((n & 255))
    n=$((n >> 8))
  done
}

seed fuzz_archive admin '\0\0\0\0\5admin\2\0\0\0\11Doe, Jane\17Smith, Mary Ann'
seed fuzz_archive long '\0\0\0\0\377\4\0word\1\0\0\0\377\377\377\2\0\0\0ab'
# The password the target signs in with, as the administrator (whose list already holds the
# name the target adds), a teacher and an unknown kind of user.
seed fuzz_archive signin '\0\0\0\0\1x\1\0\0\0\12Name, Fuzz'
seed fuzz_archive teacher '\1\0\0\0\1x\0\0\0\0'
seed fuzz_archive unknown '\11\0\0\0\1x\0\0\0\0'

# A whole division test and a mixed one, from the files the program installs. The mixed one is
# every fourth line (all four operations) up to exactly a test's 90 facts with the short file's
# four, and so reads every line, the one without a fact too.
seed fuzz_test_file facts '7 + 5\r\n81 / 9\r\n\r\n6 x 0\n12-4\n  3 / 0 tail'
cmake -DOUTPUT_DIR="$build/test-files" -P "$here/../../tools/testdata/WriteFactFiles.cmake"
cp "$build/test-files/division.txt" "$build/corpus/fuzz_test_file/division"
{
  awk 'NR % 4 == 1' "$build/test-files/mixed.txt" | head -n 86
  cat "$build/corpus/fuzz_test_file/facts"
} >"$build/corpus/fuzz_test_file/mixed"

# Two teachers' rows, in commas and in semicolons with a byte-order mark and quoted fields.
seed fuzz_roster commas 'Teacher,Teacher password,Class,Student,Password,Level,Tests passed\r\nPat Jones,owl,5A,Ann Lee,a1,2,1\r\nLou Kim,cat,,Bo Ng,b,,\r\n'
seed fuzz_roster semicolons '\357\273\277Student;Class;Teacher;Password;Teacher password\nAnn Lee;5A;Pat Jones;"a;""1";owl\n'

session='\1\0\0\0\132\0\144\0\1\0\0\0\360\0\0\0\0\0\0\0\0\0\36\0\1\0\0\0'
training='\1\0\0\0\12\0\14\0\2\0\0\0\360\0\0\0\0\0\0\0\0\0\24\0\2\0\0\0'
review='\1\0\0\0\377\377\377\377\2\0\0\0\74\0\0\0\5\0\5\0\0\0\0\0\3\0\0\0'
seed fuzz_student_record record "\3\0\0\0\4Kiwi\16Pat JonesUsers\2\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\2\0\0\0$session$session"
seed fuzz_student_record extremes '\3\0\0\0\0\0\377\377\377\177\377\377\377\177\0\0\0\0\0\0\0\0\0\0\0\0'
# One passed test from the next level, with every kind of session and a history cut short.
seed fuzz_student_record promoted "\3\0\0\0\1x\16Pat JonesUsers\4\0\0\0\2\0\0\0\0\0\0\0\0\0\0\0\4\0\0\0$session$training$review\1\0"

# Ten listed facts a + 1 (a review falls due at the next miss), the first counted missed as
# often as a count can say: operands, operation, no answer given, answer, misses, right in a row.
mistakes=
for a in 0 1 2 3 4 5 6 7 8 9; do
  mistakes+="$(le 2 $a)$(le 2 1)$(le 4 1)$(le 2 65535)$(le 2 $((a + 1)))"
  mistakes+="$(le 2 $((a == 0 ? 32767 : 1)))$(le 2 0)"
done
seed fuzz_mistake_file list '\7\0\5\0\1\0\0\0\13\0\14\0\1\0\0\0\377\377\377\377\0\0\0\0\377\377\377\377\377\377\377\377'
seed fuzz_mistake_file ten "$mistakes"

# fact <operation> <a> <b> <first tries> <right> <last right> <kept times...>: one fact of S.flu
# (operations 1 +, 2 -, 3 x, 5 /).
fact() {
  local times=("${@:7}") i
  printf '%s' "$(le 4 "$1")$(le 2 "$2")$(le 2 "$3")$(le 4 "$4")$(le 4 "$5")$(le 1 "$6")"
  le 1 ${#times[@]}
  for i in 0 1 2 3 4; do le 4 "${times[i]:-0}"; done
}
# fact2 <operation> <a> <b> <first tries> <right> <last right> <last tried> <ms:outcome...>: one
# fact of the second version, which keeps the date of the last try and how each kept try went
# (0 wrong, 1 right, 2 not known).
fact2() {
  local tries=("${@:8}") i
  printf '%s' "$(le 4 "$1")$(le 2 "$2")$(le 2 "$3")$(le 4 "$4")$(le 4 "$5")$(le 1 "$6")"
  le 1 ${#tries[@]}
  le 4 "$7"
  for i in 0 1 2 3 4; do
    local try=${tries[i]:-0:0}
    le 4 "${try%%:*}"
    le 1 "${try##*:}"
  done
}
# fluency <version> <fact>...: a whole S.flu.
fluency() {
  printf 'TLYF%s%s' "$(le 2 "$1")" "$(le 4 $(($# - 1)))"
  printf '%s' "${@:2}"
}
plus=$(fact 1 7 5 3 2 1 1000 2000 3000)
divided=$(fact 5 6 3 2 2 1 2000 3500)
timesFact=$(fact 3 9 9 7 4 0 4000 9000 1500 2500 7000)
seed fuzz_fluency_file record "$(fluency 1 "$plus")"
seed fuzz_fluency_file two "$(fluency 1 "$plus" "$divided")"
seed fuzz_fluency_file three "$(fluency 1 "$timesFact" "$plus" "$divided")"
seed fuzz_fluency_file repeated "$(fluency 1 "$plus" "$divided" "$plus")"
plus2=$(fact2 1 7 5 3 2 1 1159264448 1000:1 2000:0 3000:1)
divided2=$(fact2 5 6 3 2 2 1 1159264500 2000:1 3500:1)
times2=$(fact2 3 9 9 7 4 0 0 4000:2 9000:2 1500:1 2500:1 7000:0)
seed fuzz_fluency_file record2 "$(fluency 2 "$plus2")"
seed fuzz_fluency_file three2 "$(fluency 2 "$times2" "$plus2" "$divided2")"
seed fuzz_fluency_file repeated2 "$(fluency 2 "$plus2" "$divided2" "$plus2")"

seed fuzz_teacher_files class '\26\1\0\0\0\3Owl\2\0\0\0\3Art\5Users\0\0\0\0\2\0\0\0\7Ann Lee\5Bo Ng'
# The student the target adds is listed already.
seed fuzz_teacher_files listed '\26\1\0\0\0\3Owl\2\0\0\0\3Art\5Users\0\0\0\0\1\0\0\0\7Di Ruiz'

for target in fuzz_archive fuzz_test_file fuzz_student_record fuzz_mistake_file fuzz_teacher_files \
  fuzz_fluency_file fuzz_roster; do
  echo "== $target ($seconds s)"
  "$build/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    "$build/corpus/$target" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || exit 1
done
