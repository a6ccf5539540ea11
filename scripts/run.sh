#!/usr/bin/env bash
# Sets everything up and starts Pictavo's window with the built-in demo pictures loaded as a
# new, unsaved project, ready for 生成视频. On a machine with no display (DISPLAY and
# WAYLAND_DISPLAY empty) it says so and makes demo.mp4 with `pictavo-cli demo` instead
# (arguments go to it: -o OTHER.mp4).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display (DISPLAY and WAYLAND_DISPLAY are empty), so no window:" \
       "making the demo video with pictavo-cli demo instead."
  exec ./build/bin/pictavo-cli demo "$@"
fi
exec ./build/bin/pictavo --demo
