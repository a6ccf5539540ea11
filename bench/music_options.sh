#!/usr/bin/env bash
# The cost of the music options: beat analysis of a 5-minute MP3 on one core, and
# generation with beats, fades and levelling on against all off. Builds the benchmark if
# needed. Usage: bench/music_options.sh [--repeat N] [MUSIC.mp3]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_music_options
# One core for the analysis figure (the decoder child inherits the affinity); generation
# as it runs for the user.
taskset -c 0 "$BUILD_DIR/bin/bench_music_options" --analysis "$@"
"$BUILD_DIR/bin/bench_music_options" --generation "$@"
