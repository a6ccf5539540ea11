#!/usr/bin/env bash
# The real pictavo on a real X server (Xvfb): its main window appears with the program's
# title and its fixed 1019 x 666 size, and the program keeps running until it is ended.
#   xvfb_window_test.sh PICTAVO
set -euo pipefail
pictavo=$1
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PICTAVO_HOME="$work/home" XDG_CONFIG_HOME="$work/config" PICTAVO_SERVICE_URL=
unset PICTAVO_RECORD_PROMPTS QT_QPA_PLATFORM

# A display number of its own at random: concurrent xvfb-run -a calls can pick the same one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-noreset -screen 0 1280x800x24" bash -c '
  "$1" & pid=$!
  line=$(bash "$2/wait_for_window.sh" "Pictavo(V8.2)" 60 "$pid") || exit 1
  echo "window: $line"
  kill -0 "$pid" || { echo "pictavo ended after showing its window"; exit 1; }
  kill "$pid"; wait "$pid" 2>/dev/null
  grep -q " 1019x666+" <<<"$line" || { echo "not 1019x666"; exit 1; }
' bash "$pictavo" "$scripts"
echo "PASS: pictavo shows its window under Xvfb"
