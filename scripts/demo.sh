#!/usr/bin/env bash
# Sets everything up and runs Pictavo's main job on its embedded default.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
./build/bin/pictavo-cli demo "$@"
