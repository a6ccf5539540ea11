#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the normal build, the Debian package
# (installed, run and removed again), then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
bash scripts/setup.sh --tests
(cd build && ctest --output-on-failure -j"$jobs")
bash scripts/test_package.sh  # packs what build/ holds already

# The sanitizer build holds the tests and what they run, not the benchmarks.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPICTAVO_ASAN=ON -DPICTAVO_BENCHMARKS=OFF
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

# Fuzz the parsers for a bounded time (PICTAVO_FUZZ_SECONDS per target, 60 by default) with
# clang's libFuzzer and AddressSanitizer, starting from the committed seed corpora. New
# inputs the fuzzer finds go to build-fuzz/corpus, never into the committed seeds. The fuzz
# build holds the core and the fuzz targets only; as many targets run at once as there are
# cores, each on its own log, which is shown when it finds a fault.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPICTAVO_FUZZ=ON -DPICTAVO_TESTS=OFF -DPICTAVO_WINDOW=OFF
cmake --build build-fuzz -j"$jobs" --target fuzzers
fuzz() {
  local target=$1 name=${1##*/fuzz_}
  local log=build-fuzz/fuzz_$name.log
  mkdir -p "build-fuzz/corpus/$name"
  if "$target" -max_total_time="${PICTAVO_FUZZ_SECONDS:-60}" -timeout=10 \
       "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz_$name: $(grep -E '^(#[0-9]+|Done)' "$log" | tail -n 1)"
  else
    cat "$log"
    echo "fuzz_$name: FAILED (log: $log)"
    return 1
  fi
}
export -f fuzz
ls build-fuzz/bin/fuzz_* | xargs -P "$jobs" -n 1 bash -c 'fuzz "$1"' fuzz
