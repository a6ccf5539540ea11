#!/usr/bin/env bash
# The preview window playing photo-sized pictures through all 97 effects, offscreen, at
# 1280 x 720 and 1920 x 1080: builds the benchmark if needed and runs it.
# Usage: bench/preview.sh [--size 720|1080] [--runs N] [--pause INDEX] [--producer-only]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_preview
"$BUILD_DIR/bin/bench_preview" "$@"
