#!/usr/bin/env bash
# Adding 1000 pictures of 4000 x 3000 through the main window. The pictures are made once
# with ImageMagick and kept: one noisy gradient, and for each picture a copy with a block of
# its own colour and place and its number written large, so that no two are alike. Later
# runs reuse them.
# Prints the number of pictures added, the wall time, the peak memory and the longest
# stall of the window's thread.
# Usage: bench/add_pictures.sh [COUNT] [--moving]   (PICTURES_DIR chooses where the pictures
# are kept; --moving adds them to a show with auto motion, which looks for their faces too)
set -euo pipefail
cd "$(dirname "$0")/.."
COUNT=${1:-1000}
MOVING=${2:-}
BUILD_DIR=${BUILD_DIR:-build}
PICTURES_DIR=${PICTURES_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/pictavo-bench/add-pictures-4000x3000}
BATCH=50
mkdir -p "$PICTURES_DIR"

base="$PICTURES_DIR/base.mpc"
if [ ! -f "$base" ]; then
  convert -size 4000x3000 gradient:'#3060c0'-'#f0c040' \
    \( -size 400x300 xc: +noise Random -resize 4000x3000! \) -compose overlay -composite "$base"
fi

font=$(fc-match -f '%{file}' sans)

# One convert per batch reads the base once and writes each missing picture from a copy.
make_batch() {
  local first=$1 last=$2 args=() n name
  for n in $(seq "$first" "$last"); do
    name=$(printf '%s/p%04d.jpg' "$PICTURES_DIR" "$n")
    [ -f "$name" ] && continue
    local x=$(( (n * 397) % 3000 )) y=$(( (n * 211) % 2200 ))
    args+=(\( +clone -fill "hsl($(( (n * 37) % 360 )),80%,50%)" -draw "rectangle $x,$y $((x + 900)),$((y + 700))"
           -font "$font" -gravity center -pointsize 900 -fill white -annotate 0 "$n"
           -quality 85 -write "$name" +delete \))
  done
  [ ${#args[@]} -eq 0 ] || convert "$base" "${args[@]}" null:
}
pids=()
for first in $(seq 1 "$BATCH" "$COUNT"); do
  last=$(( first + BATCH - 1 < COUNT ? first + BATCH - 1 : COUNT ))
  make_batch "$first" "$last" &
  pids+=($!)
  if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}"; pids=("${pids[@]:1}"); fi
done
wait

if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target bench_add_pictures >&2

# A fresh program folder and preferences, as at a first start.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
PICTAVO_HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen \
  "$BUILD_DIR/bin/bench_add_pictures" "$PICTURES_DIR" "$COUNT" $MOVING
