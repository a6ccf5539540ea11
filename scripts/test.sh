#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the normal build, then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && ctest --output-on-failure -j"$(nproc)")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPICTAVO_ASAN=ON
cmake --build build-asan -j"$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$(nproc)")
