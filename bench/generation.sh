#!/usr/bin/env bash
# Generation against the encoder alone: builds the benchmark if needed and runs it.
# Usage: bench/generation.sh [--full]   (--full: 1920 x 1080 instead of 1280 x 720)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_generation
"$BUILD_DIR/bin/bench_generation" "$@"
