#!/usr/bin/env bash
# The composition guard: writes every frame of every effect at 400 x 400 and 1280 x 720 to
# a folder outside the repository, or compares two such folders frame by frame (PSNR).
# Usage: bench/effect_frames.sh write DIR
#        bench/effect_frames.sh compare REF_DIR NEW_DIR [min_db]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_effect_frames >/dev/null
tool="$BUILD_DIR/bin/bench_effect_frames"
case "${1:-}" in
  write)
    [ $# -eq 2 ] || { echo "usage: $0 write DIR" >&2; exit 2; }
    for size in 400x400 1280x720; do "$tool" write "$2" "$size"; done ;;
  compare)
    [ $# -ge 3 ] || { echo "usage: $0 compare REF_DIR NEW_DIR [min_db]" >&2; exit 2; }
    "$tool" compare "$2" "$3" "${4:-35}" ;;
  *) echo "usage: $0 write DIR | compare REF_DIR NEW_DIR [min_db]" >&2; exit 2 ;;
esac
