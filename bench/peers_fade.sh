#!/usr/bin/env bash
# The same fade slideshow made by us, by melt and by ffmpeg's xfade, side by side in one run,
# per output frame: 20 pictures, a 2.0 s hold each, fades of the 17 frames our fade (effect
# 31) takes, 25 frames a second, libx264 preset medium at its default quality for all
# three, no sound.
#   --set 720:  20 pictures of 1280 x 720 made into a 1280 x 720 video (the default);
#   --set 1080: 20 phone-sized photos of 4000 x 3000 made into a 1920 x 1080 video.
# Prints for each maker the wall and processor (user + sys, children included) seconds per
# output frame (medians of --rounds N, each round in another order), ours per frame as a
# ratio to melt's, ours against x264 alone on our own frames (our raw frame stream, captured
# once, encoded by the same ffmpeg command), and each video's fidelity to its picture: the
# PSNR of a hold frame (picture 11, the middle of its hold) against the picture fitted by
# ImageMagick's Lanczos resize, over the picture's area.
# Usage: bench/peers_fade.sh [--set 720|1080] [--rounds N]   (PICTURES_DIR: where pictures are kept)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/peers_common.sh
BUILD_DIR=${BUILD_DIR:-build}
SET=720
ROUNDS=1
while [ $# -gt 0 ]; do
  case $1 in
    --set) SET=${2:?--set needs 720 or 1080}; shift 2 ;;
    --rounds) ROUNDS=${2:?--rounds needs a count}; shift 2 ;;
    *) echo "usage: bench/peers_fade.sh [--set 720|1080] [--rounds N]" >&2; exit 2 ;;
  esac
done
case $SET in
  720) SIZE=1280x720 PICTURE=1280x720 SEED=1280x720 PROFILE=atsc_720p_25 ;;
  1080) SIZE=1920x1080 PICTURE=4000x3000 SEED=1000x750 PROFILE=atsc_1080p_25 ;;
  *) echo "--set is 720 or 1080" >&2; exit 2 ;;
esac
COUNT=20 FPS=25 FADE=17 HOLD=50 PROBE=10
WIDTH=${SIZE%x*} HEIGHT=${SIZE#*x}
PICTURES_DIR=${PICTURES_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/pictavo-bench/fade-$PICTURE}

for tool in melt ffmpeg ffprobe convert compare; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (scripts/setup.sh installs it)" >&2; exit 1; }
done
if [ ! -d "$BUILD_DIR" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j2 --target pictavo-cli >&2
cli=$(realpath "$BUILD_DIR/bin/pictavo-cli")

# Pictures: fractal plasmas (scaled up from a quarter of the size for the photos).
plasma_pictures "$PICTURES_DIR" "$COUNT" "$SEED" "$PICTURE"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run_ours() { run ours "$cli" make -o "$work/ours.mp4" --size "$SIZE" --pause 2 --effect 31 "${pictures[@]}"; }

# Our frame stream, captured once by an ffmpeg ahead on the path that copies what arrives
# through the named pipe into a file and then encodes that file with the same arguments.
mkdir -p "$work/bin"
cat >"$work/bin/ffmpeg" <<EOS
#!/bin/bash
echo "\$@" > "$work/args"
args=("\$@")
for i in "\${!args[@]}"; do
  if [ "\${args[\$i]}" = -i ] && [ -p "\${args[\$((i + 1))]}" ]; then
    cat "\${args[\$((i + 1))]}" > "$work/frames.yuv"; args[\$((i + 1))]="$work/frames.yuv"
  fi
done
PATH=\${PATH#*:} exec ffmpeg "\${args[@]}"
EOS
chmod +x "$work/bin/ffmpeg"
PATH="$work/bin:$PATH" "$cli" make -o "$work/captured.mp4" --size "$SIZE" --pause 2 --effect 31 \
  "${pictures[@]}" >/dev/null 2>&1
read -r -a x264_args <"$work/args"
for i in "${!x264_args[@]}"; do
  if [ "${x264_args[$i]}" = -i ]; then x264_args[$((i + 1))]="$work/frames.yuv"; break; fi
done
x264_args[-1]="$work/x264.mp4"
run_x264() { run x264 ffmpeg -nostdin "${x264_args[@]}"; }

# melt: the pictures as a playlist, each neighbour pair mixed by a dissolve of FADE frames;
# clip k shows the fade in, its hold and the fade out, the first its hold and fade out.
melt_args=(-silent -profile "$PROFILE")
for k in $(seq 0 $((COUNT - 1))); do
  length=$((FADE + HOLD + (k < COUNT - 1 ? FADE : 0)))
  melt_args+=("${pictures[$k]}" "out=$((length - 1))")
  [ "$k" -gt 0 ] && melt_args+=(-mix "$FADE" -mixer luma)
done
run_melt() {
  run melt melt "${melt_args[@]}" -consumer "avformat:$work/melt.mp4" vcodec=libx264 preset=medium \
    crf=23 pix_fmt=yuv420p an=1 real_time=-1
}

# xfade: each picture fitted once and looped for its clip, the clips chained by fades.
inputs=()
graph=""
for k in $(seq 0 $((COUNT - 1))); do
  length=$((FADE + HOLD + (k < COUNT - 1 ? FADE : 0)))
  inputs+=(-i "${pictures[$k]}")
  graph+="[$k:v]scale=$WIDTH:$HEIGHT:force_original_aspect_ratio=decrease,"
  graph+="pad=$WIDTH:$HEIGHT:(ow-iw)/2:(oh-ih)/2,setsar=1,format=yuv420p,"
  graph+="loop=loop=$((length - 1)):size=1:start=0,setpts=N/$FPS/TB,fps=$FPS[c$k];"
done
last=c0
for k in $(seq 1 $((COUNT - 1))); do
  offset=$(awk -v k="$k" -v f="$FPS" -v p=$((FADE + HOLD)) 'BEGIN { printf "%.4f", k * p / f }')
  graph+="[$last][c$k]xfade=transition=fade:duration=$(awk -v t=$FADE -v f=$FPS 'BEGIN { printf "%.4f", t / f }')"
  graph+=":offset=$offset[x$k];"
  last=x$k
done
run_xfade() {
  run xfade ffmpeg -nostdin -v error -y "${inputs[@]}" -filter_complex "${graph%;}" -map "[$last]" \
    -c:v libx264 -preset medium -crf 23 -pix_fmt yuv420p -r "$FPS" "$work/xfade.mp4"
}

names=(ours melt xfade x264)
declare -A wall cpu
for round in $(seq 1 "$ROUNDS"); do
  for i in 0 1 2 3; do
    name=${names[$(( (i + round - 1) % 4 ))]}
    read -r "wall[$name,$round]" "cpu[$name,$round]" < <("run_$name")
  done
done

column() { local r; for r in $(seq 1 "$ROUNDS"); do if [ "$2" = wall ]; then echo "${wall[$1,$r]}"; else echo "${cpu[$1,$r]}"; fi; done; }
ratios() { local r; for r in $(seq 1 "$ROUNDS"); do awk -v a="${wall[$1,$r]}" -v b="${wall[$2,$r]}" -v fa="$3" -v fb="$4" 'BEGIN { printf "%.3f\n", (a / fa) / (b / fb) }'; done; }

# Fidelity: the middle hold frame of picture PROBE against the picture fitted by Lanczos.
read -r fit_w fit_h < <(identify -format '%w %h' "${pictures[$PROBE]}" | awk -v W="$WIDTH" -v H="$HEIGHT" \
  '{ s = W / $1 < H / $2 ? W / $1 : H / $2; if (s > 1) s = 1; printf "%d %d\n", int($1 * s + 0.5), int($2 * s + 0.5) }')
crop="${fit_w}x${fit_h}+$(( (WIDTH - fit_w) / 2 ))+$(( (HEIGHT - fit_h) / 2 ))"
convert "${pictures[$PROBE]}" -filter Lanczos -resize "${fit_w}x${fit_h}!" "$work/reference.png"
hold_frame=$((PROBE * (FADE + HOLD) + FADE + HOLD / 2))
fidelity() {
  ffmpeg -nostdin -v error -y -i "$1" -vf "select=eq(n\\,$hold_frame)" -frames:v 1 "$work/frame.png"
  convert "$work/frame.png" -crop "$crop" +repage "$work/crop.png"
  compare -metric PSNR "$work/reference.png" "$work/crop.png" null: 2>&1 | awk '{ printf "%.2f", $1 }'
}

echo "set $SET  size $SIZE  pictures $COUNT of $PICTURE  rounds $ROUNDS  $(uptime | sed 's/.*load/load/')"
declare -A per_frame
for name in "${names[@]}"; do
  file="$work/$name.mp4"
  frames=$(frames_of "$file")
  per_frame[$name]=$frames
  printf '%-6s frames %5d  wall_ms_per_frame %7.2f  cpu_ms_per_frame %7.2f  hold_psnr_db %s\n' "$name" "$frames" \
    "$(awk -v s="$(median $(column "$name" wall))" -v f="$frames" 'BEGIN { print s * 1000 / f }')" \
    "$(awk -v s="$(median $(column "$name" cpu))" -v f="$frames" 'BEGIN { print s * 1000 / f }')" \
    "$(fidelity "$file")"
done
echo "ours / melt per frame (wall) $(median $(ratios ours melt "${per_frame[ours]}" "${per_frame[melt]}"))   goal at most 0.9"
echo "ours / xfade per frame (wall) $(median $(ratios ours xfade "${per_frame[ours]}" "${per_frame[xfade]}"))"
echo "ours / x264 alone on our frames (wall) $(median $(ratios ours x264 1 1))   goal at most 1.05"
