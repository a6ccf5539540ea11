#!/usr/bin/env bash
# Installs every Debian 12 package Pictavo and its tests need, then builds into build/.
# Safe to run again: installed packages are kept, the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  build-essential cmake pkg-config
  libmagickwand-6.q16-dev libcjson-dev libfontconfig-dev fonts-wqy-microhei
  libcairo2-dev libpixman-1-dev libturbojpeg0-dev
  ffmpeg atomicparsley melt
  xdg-utils
  libcurl4-openssl-dev libssl-dev openssl ca-certificates
  libqt6svg6
  googletest libgtest-dev
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream man-db
  qt6-base-dev qt6-qpa-plugins libgl-dev xvfb xauth x11-utils imagemagick
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=300 update -q
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "${PACKAGES[@]}"

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" -j"$(nproc)"
