#!/usr/bin/env bash
# Installs the Debian 12 packages Pictavo needs and builds it into build/ ($BUILD_DIR).
#   setup.sh            for the programs: builds pictavo and pictavo-cli, nothing else
#   setup.sh --package  also the tools that make the Debian package (scripts/package.sh)
#   setup.sh --tests    also everything the tests need, and builds the tests and benchmarks
# Safe to run again: apt is asked only when a package is missing, the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}

# Building and running the programs.
PACKAGES=(
  build-essential cmake pkg-config
  libmagickwand-6.q16-dev libcjson-dev libfontconfig-dev fonts-wqy-microhei
  libcairo2-dev libpixman-1-dev libturbojpeg0-dev
  libaubio-dev libebur128-dev libopencv-objdetect-dev libopencv-imgproc-dev opencv-data
  ffmpeg atomicparsley
  xdg-utils
  libcurl4-openssl-dev ca-certificates
  libqt6svg6
  qt6-base-dev qt6-qpa-plugins libgl-dev
  gettext qt6-l10n-tools qt6-tools-dev
)
# Making the Debian package.
PACKAGE_TOOLS=(dpkg-dev file)
# The tests: GoogleTest, TLS test servers, libFuzzer, the real window under Xvfb, the peers
# of the benchmarks, the validators of the package's files, real music for the beat tracker
# and photos with people in them.
TEST_PACKAGES=(
  googletest libgtest-dev
  libssl-dev openssl
  clang libclang-rt-14-dev
  xvfb xauth x11-utils imagemagick
  melt
  desktop-file-utils appstream man-db
  asc-music opencv-doc
)

case "$mode" in
  "") ;;
  --package) PACKAGES+=("${PACKAGE_TOOLS[@]}") ;;
  --tests) PACKAGES+=("${PACKAGE_TOOLS[@]}" "${TEST_PACKAGES[@]}") ;;
  *) echo "usage: setup.sh [--package|--tests]" >&2; exit 2 ;;
esac

installed=$(dpkg-query -W -f='${db:Status-Abbrev}\n' "${PACKAGES[@]}" 2>/dev/null | grep -c '^ii' || true)
if [ "$installed" -ne "${#PACKAGES[@]}" ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get -o DPkg::Lock::Timeout=300 update -q
  $SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -q --no-install-recommends "${PACKAGES[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
targets=(--target pictavo_programs)
if [ "$mode" = --tests ]; then
  options+=(-DPICTAVO_TESTS=ON)
  targets=()
elif [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  # A new build folder starts without the tests; one that has them keeps them.
  options+=(-DPICTAVO_TESTS=OFF)
fi
cmake -S . -B "$BUILD_DIR" "${options[@]}" ${CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
