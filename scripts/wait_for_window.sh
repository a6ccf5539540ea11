#!/usr/bin/env bash
# Waits until the X server ($DISPLAY) shows a window whose title starts with TITLE and prints
# its id and geometry line from `xwininfo -root -tree`. Fails after SECONDS (default 30), or
# at once when PID (optional) ends first.
#   wait_for_window.sh TITLE [SECONDS] [PID]
set -uo pipefail
title=$1
seconds=${2:-30}
pid=${3:-}
deadline=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$deadline" ]; do
  line=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title" | head -n 1)
  if [ -n "$line" ]; then
    echo "$line"
    exit 0
  fi
  if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
    echo "wait_for_window.sh: the program ended before its window appeared" >&2
    exit 1
  fi
  sleep 0.02
done
echo "wait_for_window.sh: no window titled '$title' after $seconds s" >&2
exit 1
