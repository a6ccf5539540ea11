#!/usr/bin/env bash
# Takes a screenshot of the real window under Xvfb: `pictavo --demo` in a program folder of
# its own, captured with ImageMagick's import once the window is up.
#   screenshot.sh [OUT.png]   (default docs/pictavo-window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/pictavo-window.png}")
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PICTAVO_HOME="$work/home" XDG_CONFIG_HOME="$work/config" PICTAVO_SERVICE_URL=
unset PICTAVO_RECORD_PROMPTS QT_QPA_PLATFORM

# A display number of its own at random: concurrent xvfb-run -a calls can pick the same one.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-noreset -screen 0 1280x800x24" bash -c '
  ./build/bin/pictavo --demo & pid=$!
  line=$(bash scripts/wait_for_window.sh "Pictavo(V8.2)" 60 "$pid") || exit 1
  sleep 2  # the list fills and the window paints
  import -window "$(awk "{print \$1}" <<<"$line")" "$1"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' bash "$out"
echo "$out"
