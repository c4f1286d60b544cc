#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for <seconds>, starting from a small corpus of
# well-formed files written here. Usage: run-fuzzers.sh <seconds> [build folder]
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
seed fuzz_archive admin '\0\0\0\0\5admin\2\0\0\0\11Doe, Jane\17Smith, Mary Ann'
seed fuzz_archive long '\0\0\0\0\377\4\0word\1\0\0\0\377\377\377\2\0\0\0ab'
seed fuzz_test_file facts '7 + 5\r\n81 / 9\r\n\r\n6 x 0\n12-4\n  3 / 0 tail'
session='\1\0\0\0\132\0\144\0\1\0\0\0\360\0\0\0\0\0\0\0\0\0\36\0\1\0\0\0'
seed fuzz_student_record record "\3\0\0\0\4Kiwi\16Pat JonesUsers\2\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\2\0\0\0$session$session"
seed fuzz_student_record extremes '\3\0\0\0\0\0\377\377\377\177\377\377\377\177\0\0\0\0\0\0\0\0\0\0\0\0'
seed fuzz_mistake_file list '\7\0\5\0\1\0\0\0\13\0\14\0\1\0\0\0\377\377\377\377\0\0\0\0\377\377\377\377\377\377\377\377'
# 7 + 5 tried three times (right, wrong, right): a fact of version 1, then of version 2 with
# the date of its last try and how each kept try went.
fact='\1\0\0\0\7\0\5\0\3\0\0\0\2\0\0\0\1\3\350\3\0\0\320\7\0\0\270\13\0\0\0\0\0\0\0\0\0\0'
seed fuzz_fluency_file record "TLYF\1\0\1\0\0\0$fact"
fact2='\1\0\0\0\7\0\5\0\3\0\0\0\2\0\0\0\1\3\300\040\370\104\350\3\0\0\1\320\7\0\0\0\270\13\0\0\1\0\0\0\0\0\0\0\0\0\0'
seed fuzz_fluency_file record2 "TLYF\2\0\1\0\0\0$fact2"
seed fuzz_teacher_files class '\26\1\0\0\0\3Owl\2\0\0\0\3Art\5Users\0\0\0\0\2\0\0\0\7Ann Lee\5Bo Ng'

for target in fuzz_archive fuzz_test_file fuzz_student_record fuzz_mistake_file fuzz_teacher_files \
  fuzz_fluency_file; do
  echo "== $target ($seconds s)"
  "$build/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    "$build/corpus/$target" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || exit 1
done
