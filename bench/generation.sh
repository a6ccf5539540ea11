#!/usr/bin/env bash
# Generation against the encoder alone: builds the benchmark if needed and runs it.
# Usage: bench/generation.sh [--full] [--large] [--repeat N] [--pipe raw|mjpeg] [--motion auto]
#   --full: 1920 x 1080 instead of 1280 x 720; --large: pictures of 6000 x 4000 instead of
#   3000 x 2000 (peak_rss_mb is the figure to watch); --pipe mjpeg: JPEG frames to the
#   encoder instead of raw ones (the default), in the run and in the replay; --motion auto:
#   every picture moves over its hold
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_generation
"$BUILD_DIR/bin/bench_generation" "$@"
