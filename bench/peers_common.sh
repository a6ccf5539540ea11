# Shared by bench/peers.sh and bench/peers_fade.sh (sourced; `work` names their scratch folder).

# run NAME COMMAND...: runs the command with its output in NAME.log and prints its wall and
# processor seconds (its own and its children's, such as our encoder).
run() {
  local name=$1 TIMEFORMAT='%R %U %S' real user sys
  shift
  { time "$@" >"$work/$name.log" 2>&1; } 2>"$work/$name.time" || { cat "$work/$name.log" >&2; exit 1; }
  read -r real user sys <"$work/$name.time"
  awk -v r="$real" -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f %.2f\n", r, u + s }'
}

# The number of video frames in a file.
frames_of() {
  ffprobe -v error -count_packets -select_streams v:0 -show_entries stream=nb_read_packets -of csv=p=0 "$1"
}

# The median of the numbers given.
median() {
  printf '%s\n' "$@" | sort -g |
    awk '{ v[NR] = $1 } END { printf "%.4g", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# plasma_pictures FOLDER COUNT SEED SIZE: fills `pictures` with COUNT JPEG pictures of SIZE
# in FOLDER, fractal plasmas of SEED scaled to SIZE, made once and kept; some mirrored or
# recoloured so that neighbours differ.
plasma_pictures() {
  local folder=$1 count=$2 seed=$3 size=$4 i name extra
  mkdir -p "$folder"
  pictures=()
  for i in $(seq 0 $((count - 1))); do
    name=$(printf '%s/photo%02d.jpg' "$folder" "$i")
    pictures+=("$name")
    [ -f "$name" ] && continue
    case $((i % 4)) in
      1) extra=(-flop) ;;
      2) extra=(-flip) ;;
      3) extra=(-modulate 100,120,160) ;;
      *) extra=() ;;
    esac
    convert -size "$seed" plasma:fractal "${extra[@]}" -resize "$size!" -quality 90 -sampling-factor 2x2 "$name"
  done
}
