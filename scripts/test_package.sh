#!/usr/bin/env bash
# Tests the package as a user gets it: builds it, checks its files and fields, installs it
# with apt-get, makes the demo video with the installed pictavo-cli from outside the
# checkout, and removes it again, leaving the installed packages as they were. Then a
# relocated install (--prefix) makes the demo too and refuses to start without readable
# data, and the desktop entry, metainfo and manual pages are validated.
set -euo pipefail
cd "$(dirname "$0")/.."
CHECKOUT=$PWD
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

fail() { echo "test_package: $*" >&2; exit 1; }

VERSION=$(sed -n 's/^project(Pictavo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
WORK=$(mktemp -d)
chmod 755 "$WORK"  # the unreadable-data check runs as another user
installed_packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" {print $2}' | sort; }
BEFORE=$(installed_packages)
INSTALLED_BY_US=""

# Removes the package and whatever its installation added, so the machine is left as it was.
cleanup() {
  if [ -n "$INSTALLED_BY_US" ]; then
    $SUDO apt-get -o DPkg::Lock::Timeout=300 remove -y -q pictavo >/dev/null || true
    local added
    added=$(comm -13 <(echo "$BEFORE") <(installed_packages))
    if [ -n "$added" ]; then $SUDO apt-get -o DPkg::Lock::Timeout=300 remove -y -q $added >/dev/null || true; fi
  fi
  rm -rf "$WORK"
}
trap cleanup EXIT

# An H.264 video of 1280 x 720 with an audio track, at least five seconds long.
check_demo_video() {
  local probe
  probe=$(ffprobe -v error -show_entries stream=codec_type,codec_name,width,height \
            -show_entries format=duration -of default=noprint_wrappers=1 "$1") ||
    fail "ffprobe cannot read $1"
  grep -qx 'codec_name=h264' <<<"$probe" || fail "$1: no H.264 video: $probe"
  grep -qx 'width=1280' <<<"$probe" && grep -qx 'height=720' <<<"$probe" || fail "$1: not 1280x720"
  grep -qx 'codec_type=audio' <<<"$probe" || fail "$1: no audio track"
  awk -F= '/^duration=/ {exit !($2 >= 5)}' <<<"$probe" || fail "$1: shorter than 5 s: $probe"
}

# --- the package's files and fields ---
bash scripts/package.sh
DEB=$(ls build/pictavo_*.deb)
[ "$(echo "$DEB" | wc -l)" -eq 1 ] || fail "expected one package, found: $DEB"
CONTENTS=$(dpkg-deb -c "$DEB" | awk '{print $6}')
expected=(./usr/bin/pictavo-cli ./usr/share/pictavo/magick/policy.xml
          ./usr/share/pictavo/icons/pictavo.svg ./usr/share/man/man1/pictavo-cli.1.gz
          ./usr/share/man/zh_CN/man1/pictavo-cli.1.gz ./usr/share/man/zh_TW/man1/pictavo-cli.1.gz
          ./usr/share/icons/hicolor/scalable/apps/pictavo.svg
          ./usr/share/pictavo/locale/en/LC_MESSAGES/pictavo.mo
          ./usr/share/pictavo/locale/zh_TW/LC_MESSAGES/pictavo.mo)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/pictavo.png")
done
window_files=(./usr/bin/pictavo ./usr/share/applications/pictavo.desktop
              ./usr/share/metainfo/org.pictavo.Pictavo.metainfo.xml ./usr/share/man/man1/pictavo.1.gz
              ./usr/share/pictavo/translations/pictavo_en.qm
              ./usr/share/pictavo/translations/pictavo_zh_TW.qm
              ./usr/share/man/zh_CN/man1/pictavo.1.gz ./usr/share/man/zh_TW/man1/pictavo.1.gz)
if [ -x build/bin/pictavo ]; then
  expected+=("${window_files[@]}")
else
  for file in "${window_files[@]}"; do
    grep -qxF "$file" <<<"$CONTENTS" && fail "$file is packaged without the window program"
  done
fi
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$CONTENTS" || fail "$file is missing from $DEB"
done
programs=$(grep '^\./usr/bin/.' <<<"$CONTENTS" | grep -vxE '\./usr/bin/pictavo(-cli)?' || true)
[ -z "$programs" ] || fail "the package holds more than the programs: $programs"

field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = pictavo ] || fail "package name $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "version $(field Version), expected $VERSION"
dependencies=(ffmpeg atomicparsley libc6 libmagickwand-6.q16-6)
if [ -x build/bin/pictavo ]; then dependencies+=(libqt6svg6); fi
for dependency in "${dependencies[@]}"; do
  grep -qE "(^|, )$dependency( |,|$)" <<<"$(field Depends)" ||
    fail "Depends lacks $dependency: $(field Depends)"
done
grep -q fonts-wqy-microhei <<<"$(field Recommends)" || fail "Recommends lacks fonts-wqy-microhei"
echo "package: $DEB, $(du -k "$DEB" | cut -f1) KiB, Depends: $(field Depends)"

# --- desktop entry, metainfo and manual pages ---
desktop-file-validate resources/desktop/pictavo.desktop
appstreamcli validate --no-net resources/desktop/org.pictavo.Pictavo.metainfo.xml
for page in resources/man/*.1 resources/man/*/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
done

# --- a real install, run from outside the checkout, and its removal ---
if dpkg-query -W -f='${db:Status-Abbrev}' pictavo 2>/dev/null | grep -q '^ii'; then
  fail "pictavo is installed on this machine already; remove it before this test"
fi
INSTALLED_BY_US=yes
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y -q "$CHECKOUT/$DEB"
[ "$(/usr/bin/pictavo-cli --version)" = "pictavo-cli $VERSION" ] || fail "installed --version"
(cd "$WORK" && PICTAVO_HOME="$WORK/home" /usr/bin/pictavo-cli demo -o "$WORK/installed.mp4")
check_demo_video "$WORK/installed.mp4"
$SUDO apt-get -o DPkg::Lock::Timeout=300 remove -y -q pictavo
added=$(comm -13 <(echo "$BEFORE") <(installed_packages))
if [ -n "$added" ]; then $SUDO apt-get -o DPkg::Lock::Timeout=300 remove -y -q $added; fi
INSTALLED_BY_US=""
[ "$(installed_packages)" = "$BEFORE" ] || fail "the installed packages differ from before the test"
[ ! -e /usr/bin/pictavo-cli ] || fail "/usr/bin/pictavo-cli is still there after removal"

# --- a relocated install ---
cmake --install build --prefix "$WORK/prefix" >/dev/null
mv "$WORK/prefix" "$WORK/moved"
(cd "$WORK" && PICTAVO_HOME="$WORK/home" "$WORK/moved/bin/pictavo-cli" demo -o "$WORK/relocated.mp4")
check_demo_video "$WORK/relocated.mp4"

# Unreadable data: refused with the folder named (as an unprivileged user when run as root,
# since root reads any folder).
chmod 000 "$WORK/moved/share/pictavo"
as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
status=0
message=$(cd / && PICTAVO_HOME="$WORK/nobody-home" "${as_user[@]}" \
          "$WORK/moved/bin/pictavo-cli" frame "$CHECKOUT/resources/icons/pictavo-256.png" \
          "$WORK/nobody.jpg" 2>&1) || status=$?
chmod 755 "$WORK/moved/share/pictavo"
[ "$status" -eq 1 ] || fail "unreadable data folder: exit status $status, output: $message"
grep -qF "$WORK/moved/share/pictavo" <<<"$message" || fail "unreadable data folder not named: $message"

echo "test_package: all package checks passed"
