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

for target in fuzz_archive fuzz_test_file; do
  echo "== $target ($seconds s)"
  "$build/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    "$build/corpus/$target" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || exit 1
done
