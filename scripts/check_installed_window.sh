#!/usr/bin/env bash
# The installed package on a machine without the build's packages: a minimal Debian 12 root
# (mmdebstrap), the .deb installed there with apt, the window started on an Xvfb of this
# machine, and the toolbar checked on a screenshot: its icons are coloured SVGs, so the
# toolbar strip of a working install is full of coloured pixels, while a toolbar without its
# icons (no SVG plugin) shows grey text only. The check is proved to tell the two apart: it
# runs once more with the SVG plugin taken out of the root, and that run must fail it.
#   check_installed_window.sh [PACKAGE.deb]   (default: build/pictavo_*.deb; scripts/package.sh
#                                             makes it when there is none)
# Needs root (chroot, mounts), mmdebstrap and a reachable Debian mirror. BASE_TARBALL names a
# pristine minbase root tarball to start from instead of a fresh mmdebstrap (only read);
# KEEP=1 keeps the two screenshots (with-svg.png, without-svg.png) in the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
[ "$(id -u)" -eq 0 ] || { echo "check_installed_window: run as root" >&2; exit 2; }

deb=${1:-}
if [ -z "$deb" ]; then
  ls build/pictavo_*.deb >/dev/null 2>&1 || bash scripts/package.sh >/dev/null
  deb=$(ls build/pictavo_*.deb | head -1)
fi
deb=$(realpath "$deb")
dpkg-deb -c "$deb" | grep '\./usr/bin/pictavo$' >/dev/null || { echo "$deb holds no window program" >&2; exit 2; }

work=$(mktemp -d /var/tmp/pictavo-installed.XXXXXX)
root=$work/root
display=$((100 + RANDOM % 800))
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
started=$SECONDS

# --- the root: minbase Debian 12 and the package with what apt says it needs ---
mkdir -p "$root"
if [ -n "${BASE_TARBALL:-}" ]; then
  tar -xf "$BASE_TARBALL" -C "$root"
else
  command -v mmdebstrap >/dev/null || apt-get install -y -q mmdebstrap
  mmdebstrap --quiet --variant=minbase bookworm "$root" >/dev/null
fi
made_root=$SECONDS
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/pictavo.deb"
in_root() {
  unshare --mount --propagation private -- bash -c '
    root=$1; shift
    mount -t proc proc "$root/proc"; mount --rbind /dev "$root/dev"
    mkdir -p "$root/tmp/.X11-unix"; mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    exec chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
      DEBIAN_FRONTEND=noninteractive "$@"' bash "$root" "$@"
}
in_root apt-get -q update >/dev/null
in_root apt-get -q install -y /tmp/pictavo.deb >"$work/apt.log" || { cat "$work/apt.log"; exit 1; }
installed=$SECONDS
for package in qt6-base-dev libmagickwand-6.q16-dev cmake g++ xvfb; do
  if in_root dpkg -s "$package" >/dev/null 2>&1; then
    echo "check_installed_window: the root holds the build's package $package" >&2; exit 1
  fi
done

# --- the window on this machine's Xvfb; the toolbar's coloured share on a screenshot ---
Xvfb ":$display" -noreset -ac -nolisten tcp -screen 0 1280x800x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# Prints the share (0..1) of clearly coloured pixels in the window's top 90 rows.
toolbar_colour() {
  local shot=$1 pid line id
  in_root env DISPLAY=":$display" PICTAVO_HOME=/root/pictavo XDG_RUNTIME_DIR=/tmp \
    /usr/bin/pictavo >"$work/pictavo.log" 2>&1 &
  pid=$!
  line=$(DISPLAY=":$display" bash scripts/wait_for_window.sh "Pictavo(V8.2)" 90 "$pid") ||
    { cat "$work/pictavo.log" >&2; return 1; }
  id=$(awk '{print $1}' <<<"$line")
  # Taken again until the window has painted (a blank one has a colour or two).
  for _ in $(seq 20); do
    sleep 1
    DISPLAY=":$display" import -window "$id" "$shot"
    [ "$(convert "$shot" -format %k info:)" -gt 30 ] && break
  done
  pkill -TERM -P "$pid"; wait "$pid" 2>/dev/null || true  # pictavo is the job's child
  [ "$(convert "$shot" -format %k info:)" -gt 30 ] || { echo "the window never painted" >&2; return 1; }
  convert "$shot" -crop x90+0+0 +repage -colorspace HSL -channel G -separate \
    -threshold 40% -format '%[fx:mean]\n' info:
}

with_svg=$(toolbar_colour "$work/with-svg.png")
in_root dpkg --remove --force-depends libqt6svg6 >/dev/null 2>&1
without_svg=$(toolbar_colour "$work/without-svg.png")
if [ "${KEEP:-}" = 1 ]; then cp "$work/with-svg.png" "$work/without-svg.png" "$checkout/"; fi

echo "root made in $((made_root - started)) s, package installed in $((installed - made_root)) s," \
     "checked in $((SECONDS - installed)) s; total $((SECONDS - started)) s"
echo "coloured share of the toolbar: installed $with_svg, without the SVG plugin $without_svg"
awk -v a="$with_svg" -v b="$without_svg" 'BEGIN { exit !(a >= 0.01 && b < 0.002) }' || {
  echo "FAIL: the installed window does not show its toolbar icons" >&2; exit 1; }
echo "PASS: the installed package shows its toolbar icons on a machine without the build's packages"
