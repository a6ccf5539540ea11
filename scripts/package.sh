#!/usr/bin/env bash
# Builds the Debian package build/pictavo_VERSION_ARCH.deb: sets up and builds as
# scripts/setup.sh does, then packs what the install rules lay out under /usr.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
rm -f build/pictavo_*.deb
(cd build && cpack -G DEB)
ls build/pictavo_*.deb
