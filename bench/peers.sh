#!/usr/bin/env bash
# Our generation against two other ways of making the same slideshow, in one run: 20 photo-
# sized pictures at 1280 x 720, 25 frames a second, libx264 preset medium, no sound.
#   ours:  pictavo-cli make --effect cycle (the pictures take the animated effects in turn),
#          with the MJPEG pipe and with --pipe raw;
#   melt:  an MLT playlist of the pictures mixed by luma wipes of the same lengths;
#   xfade: one ffmpeg filter graph chaining xfade transitions of the same lengths.
# The peers get the transition lengths our effects take and the hold that makes their
# videos as long as ours. Prints each wall and processor time and the peers' wall times as
# ratios to ours. This machine's speed drifts from minute to minute, so --rounds N runs the
# four N times, each round in another order, and prints the medians: of the times, and of
# each round's ratios (the runs of one round are close in time).
# Usage: bench/peers.sh [--rounds N]   (PICTURES_DIR chooses where the pictures are kept)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/peers_common.sh
BUILD_DIR=${BUILD_DIR:-build}
PICTURES_DIR=${PICTURES_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/pictavo-bench/peers-3000x2000}
COUNT=20
FPS=25
SIZE=1280x720
WIDTH=${SIZE%x*}
HEIGHT=${SIZE#*x}
PAUSE=2
PROFILE=atsc_720p_25
ROUNDS=1
if [ "${1:-}" = --rounds ]; then ROUNDS=${2:?--rounds needs a count}; fi

for tool in melt ffmpeg ffprobe convert; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/setup.sh --tests installs it)" >&2; exit 1; }
done
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target pictavo-cli >&2
cli="$BUILD_DIR/bin/pictavo-cli"

plasma_pictures "$PICTURES_DIR" "$COUNT" 3000x2000 3000x2000

# Luma wipes for melt (its package ships none): gradients across, down, diagonal and round.
lumas=()
for kind in across down diagonal round; do
  name="$PICTURES_DIR/luma-$kind-$SIZE.pgm"
  lumas+=("$name")
  [ -f "$name" ] && continue
  case $kind in
    across) convert -size "${HEIGHT}x${WIDTH}" gradient:black-white -rotate 90 "$name" ;;
    down) convert -size "$SIZE" gradient:black-white "$name" ;;
    diagonal) convert -size "$SIZE" gradient:black-white \( -size "${HEIGHT}x${WIDTH}" gradient:black-white -rotate 90 \) \
                -compose blend -define compose:args=50 -composite -auto-level "$name" ;;
    round) convert -size "$SIZE" radial-gradient:black-white "$name" ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Ours, both pipes. A first run tells how many frames the peers' videos need.
run_ours() {
  run "ours-$1" "$cli" make -o "$work/ours-$1.mp4" --size "$SIZE" --pause "$PAUSE" --effect cycle \
    --pipe "$1" "${pictures[@]}"
}
read -r first_mjpeg first_mjpeg_cpu < <(run_ours mjpeg)
total=$(frames_of "$work/ours-mjpeg.mp4")

# The same transition lengths: picture k takes the k-th animated effect, as --effect cycle
# gives it; its frame count is what the effect hands on without a hold.
mapfile -t animated < <("$cli" effects | awk '$1 != 99 {print $1}')
transitions=()
sum=0
for k in $(seq 0 $((COUNT - 1))); do
  t=$("$cli" frames --effect "${animated[$((k % ${#animated[@]}))]}" --size "$SIZE" --count)
  transitions+=("$t")
  sum=$((sum + t))
done
hold=$(( (total - sum) / COUNT ))
# Clip k shows its transition in, its hold and the next transition out; the first has no
# transition in and holds for that long instead.
lengths=()
for k in $(seq 0 $((COUNT - 1))); do
  next=0
  [ "$k" -lt $((COUNT - 1)) ] && next=${transitions[$((k + 1))]}
  lengths+=($(( ${transitions[$k]} + hold + next )))
done

# melt: the pictures as a playlist, each neighbour pair mixed by a luma wipe.
melt_args=(-silent -profile "$PROFILE")
for k in $(seq 0 $((COUNT - 1))); do
  melt_args+=("${pictures[$k]}" "out=$(( ${lengths[$k]} - 1 ))")
  if [ "$k" -gt 0 ]; then
    melt_args+=(-mix "${transitions[$k]}" -mixer luma "resource=${lumas[$((k % ${#lumas[@]}))]}")
  fi
done
run_melt() {
  run melt melt "${melt_args[@]}" -consumer "avformat:$work/melt.mp4" vcodec=libx264 preset=medium \
    an=1 real_time=-1
}

# xfade: each picture decoded and fitted once, looped for its clip, the clips chained by
# xfade transitions cycling over its kinds.
kinds=(fade wipeleft wiperight wipeup wipedown slideleft slideright slideup slidedown circlecrop
       rectcrop distance fadeblack fadewhite radial smoothleft smoothright smoothup smoothdown
       circleopen circleclose vertopen vertclose horzopen horzclose dissolve pixelize diagtl
       diagtr diagbl diagbr hlslice hrslice vuslice vdslice hblur fadegrays wipetl wipetr wipebl
       wipebr squeezeh squeezev zoomin)
inputs=()
graph=""
for k in $(seq 0 $((COUNT - 1))); do
  inputs+=(-i "${pictures[$k]}")
  graph+="[$k:v]scale=$WIDTH:$HEIGHT:force_original_aspect_ratio=decrease,"
  graph+="pad=$WIDTH:$HEIGHT:(ow-iw)/2:(oh-ih)/2,setsar=1,format=yuv420p,"
  graph+="loop=loop=$(( ${lengths[$k]} - 1 )):size=1:start=0,setpts=N/$FPS/TB,fps=$FPS[c$k];"
done
last="c0"
elapsed=${lengths[0]}
for k in $(seq 1 $((COUNT - 1))); do
  t=${transitions[$k]}
  offset=$(awk -v e="$elapsed" -v t="$t" -v f="$FPS" 'BEGIN { printf "%.4f", (e - t) / f }')
  graph+="[$last][c$k]xfade=transition=${kinds[$(( (k - 1) % ${#kinds[@]} ))]}"
  graph+=":duration=$(awk -v t="$t" -v f="$FPS" 'BEGIN { printf "%.4f", t / f }'):offset=$offset[x$k];"
  last="x$k"
  elapsed=$(( elapsed + ${lengths[$k]} - t ))
done
run_xfade() {
  run xfade ffmpeg -nostdin -v error -y "${inputs[@]}" -filter_complex "${graph%;}" -map "[$last]" \
    -c:v libx264 -preset medium -pix_fmt yuv420p -r "$FPS" "$work/xfade.mp4"
}

# The rounds; round r starts at the r-th of the four, so each takes each place in turn.
names=(ours_mjpeg ours_raw melt xfade)
declare -A wall cpu
for round in $(seq 1 "$ROUNDS"); do
  for i in 0 1 2 3; do
    name=${names[$(( (i + round - 1) % 4 ))]}
    if [ "$round" = 1 ] && [ "$name" = ours_mjpeg ]; then
      result="$first_mjpeg $first_mjpeg_cpu"
    else
      case $name in
        ours_mjpeg) result=$(run_ours mjpeg) ;;
        ours_raw) result=$(run_ours raw) ;;
        melt) result=$(run_melt) ;;
        xfade) result=$(run_xfade) ;;
      esac
    fi
    read -r "wall[$name,$round]" "cpu[$name,$round]" <<<"$result"
  done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
# column NAME wall|cpu: the rounds' values, one a line.
column() {
  local r
  for r in $(seq 1 "$ROUNDS"); do
    if [ "$2" = wall ]; then echo "${wall[$1,$r]}"; else echo "${cpu[$1,$r]}"; fi
  done
}
ratios() { local r; for r in $(seq 1 "$ROUNDS"); do ratio "${wall[$1,$r]}" "${wall[$2,$r]}"; echo; done; }

echo "size $SIZE  pictures $COUNT  frames ours $total  melt $(frames_of "$work/melt.mp4")  xfade $(frames_of "$work/xfade.mp4")"
echo "transition_frames ${transitions[*]}  hold_frames $hold  rounds $ROUNDS"
for name in "${names[@]}"; do
  printf '%-11s wall_s %7s  cpu_s %7s   (rounds: %s)\n' "$name" "$(median $(column "$name" wall))" \
    "$(median $(column "$name" cpu))" "$(column "$name" wall | tr '\n' ' ')"
done
echo "melt / ours_raw $(median $(ratios melt ours_raw))   (at least 1 means ours is no slower)"
echo "xfade / ours_mjpeg $(median $(ratios xfade ours_mjpeg))   (at least 1 means ours is no slower)"
echo "melt / ours_mjpeg $(median $(ratios melt ours_mjpeg))   xfade / ours_raw $(median $(ratios xfade ours_raw))"
