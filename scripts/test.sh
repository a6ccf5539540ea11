#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the normal build, the Debian package
# (installed, run and removed again), then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
bash scripts/test_package.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPICTAVO_ASAN=ON
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$(nproc)")

# Fuzz the parsers for a bounded time (PICTAVO_FUZZ_SECONDS per target, 60 by default) with
# clang's libFuzzer and AddressSanitizer, starting from the committed seed corpora. New
# inputs the fuzzer finds go to build-fuzz/corpus, never into the committed seeds.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPICTAVO_FUZZ=ON -DPICTAVO_TESTS=OFF
cmake --build build-fuzz -j"$(nproc)"
for target in build-fuzz/bin/fuzz_*; do
  name=${target##*/fuzz_}
  mkdir -p "build-fuzz/corpus/$name"
  "$target" -max_total_time="${PICTAVO_FUZZ_SECONDS:-60}" -timeout=10 \
    "build-fuzz/corpus/$name" "fuzz/corpus/$name"
done
