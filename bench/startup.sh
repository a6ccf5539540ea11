#!/usr/bin/env bash
# Start-up time of the window program to a shown window, and the peak memory of the idle
# window, on a real X server (Xvfb). Prints the median of RUNS starts (default 5) for:
#   cold: a fresh program folder and preferences each time (first start: folders, defaults
#         written); with --drop-caches (root) the page cache is emptied before each start too
#   warm: the same program folder again, files in the page cache
# and the peak resident set (VmHWM) of an idle window 3 s after it appeared.
# With --languages it also times warm starts under LANG=zh_CN.UTF-8 (the source texts) and
# LANG=en_US.UTF-8 (catalogs loaded), taken in turns in the same run, and prints the cost of
# the translation as a percentage.
# Usage: bench/startup.sh [--drop-caches] [--demo] [--languages] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
drop=0 demo="" languages=0
while [ $# -gt 0 ]; do
  case $1 in
    --drop-caches) drop=1 ;;
    --demo) demo=--demo ;;
    --languages) languages=1 ;;
    *) break ;;
  esac
  shift
done
runs=${1:-5}
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" -j2 --target pictavo >/dev/null
work=$(mktemp -d)
trap 'grep -v "qt.svg\|XDG_RUNTIME_DIR" "$work/stderr.txt" >&2 || true; rm -rf "$work"' EXIT
export PICTAVO_SERVICE_URL= DROP=$drop DEMO=$demo RUNS=$runs WORK=$work LANGUAGES=$languages
export PICTAVO="$BUILD_DIR/bin/pictavo"
unset PICTAVO_RECORD_PROMPTS QT_QPA_PLATFORM

# A display number of its own at random: concurrent xvfb-run -a calls can pick the same one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-noreset -screen 0 1280x800x24" bash -c '
  set -euo pipefail
  # One start: milliseconds from launch until the window is listed; with "rss" also the
  # idle window'"'"'s peak resident set in MiB.
  start_once() {
    local home=$1 measure_rss=${2:-}
    [ "$DROP" = 1 ] && { sync; echo 3 > /proc/sys/vm/drop_caches; }
    local begin=$(date +%s%N)
    LANG=${START_LANG:-${LANG:-}} PICTAVO_HOME="$home" XDG_CONFIG_HOME="$home/config" "$PICTAVO" $DEMO >/dev/null 2>>"$WORK/stderr.txt" & local pid=$!
    bash scripts/wait_for_window.sh "Pictavo(V8.2)" 60 "$pid" >/dev/null
    local end=$(date +%s%N)
    local rss=""
    if [ -n "$measure_rss" ]; then
      sleep 3
      rss=$(awk "/VmHWM/ {printf \"%.1f\", \$2 / 1024}" /proc/$pid/status)
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (end - begin) / 1000000 )) $rss"
  }
  median() { sort -n | awk "{ v[NR] = \$1 } END { print v[int((NR + 1) / 2)] }"; }

  cold=(); warm=()
  for i in $(seq "$RUNS"); do cold+=("$(start_once "$WORK/cold$i" | cut -d" " -f1)"); done
  DROP=0 start_once "$WORK/warm" >/dev/null
  for i in $(seq "$RUNS"); do warm+=("$(DROP=0 start_once "$WORK/warm" | cut -d" " -f1)"); done
  rss=$(DROP=0 start_once "$WORK/warm" rss | cut -d" " -f2)
  echo "start-up to a shown window, median of $RUNS (ms):"
  echo "  cold: $(printf "%s\n" "${cold[@]}" | median)   (runs: ${cold[*]})"
  echo "  warm: $(printf "%s\n" "${warm[@]}" | median)   (runs: ${warm[*]})"
  echo "peak RSS of the idle window: $rss MiB"
  if [ "$LANGUAGES" = 1 ]; then
    unset LC_ALL LC_MESSAGES
    chinese=(); english=()
    for i in $(seq "$RUNS"); do
      chinese+=("$(DROP=0 START_LANG=zh_CN.UTF-8 start_once "$WORK/warm" | cut -d" " -f1)")
      english+=("$(DROP=0 START_LANG=en_US.UTF-8 start_once "$WORK/warm" | cut -d" " -f1)")
    done
    zh=$(printf "%s\n" "${chinese[@]}" | median); en=$(printf "%s\n" "${english[@]}" | median)
    zh_min=$(printf "%s\n" "${chinese[@]}" | sort -n | head -1)
    en_min=$(printf "%s\n" "${english[@]}" | sort -n | head -1)
    percent() { awk "BEGIN { printf \"%+.1f\", ($1 - $2) * 100 / $2 }"; }
    echo "warm start-up by language, $RUNS of each taken in turns (ms, median / fastest):"
    echo "  Simplified Chinese (zh_CN): $zh / $zh_min   (runs: ${chinese[*]})"
    echo "  English (en_US):            $en / $en_min   (runs: ${english[*]})"
    echo "  English vs Simplified Chinese: median $(percent "$en" "$zh") %, fastest $(percent "$en_min" "$zh_min") %"
  fi
'
