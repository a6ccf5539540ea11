#!/usr/bin/env bash
# Times one of the README's two commands as a new user meets it: a clean clone on a fresh
# Debian 12 machine without the project's packages. The machine is a chroot unpacked from a
# pristine base root (made once with mmdebstrap and kept as a tarball), so every run starts
# from the same state; packages are downloaded and installed by the command itself.
#   fresh_machine.sh run|test [COMMIT]   (default COMMIT: HEAD of this checkout)
# Prints the wall time, the CPU time (user and system, children included) and `uptime`
# before and after, and appends them to $RESULTS (default /work/fresh-root/results.txt).
# Run as root. The machine's other load shows in the uptime lines: on a shared machine
# compare the CPU times, and the wall times only of runs made under a similar load.
set -euo pipefail
command=${1:?usage: fresh_machine.sh run|test [COMMIT]}
commit=${2:-HEAD}
case "$command" in
  run) script=scripts/run.sh ;;
  test) script=scripts/test.sh ;;
  *) echo "fresh_machine.sh: the command is run or test, not $command" >&2; exit 2 ;;
esac
checkout=$(cd "$(dirname "$0")/.." && pwd)
home=${FRESH_ROOT_HOME:-/work/fresh-root}
base=$home/bookworm-minbase.tar
results=${RESULTS:-$home/results.txt}
mkdir -p "$home"

# The pristine base: Debian 12's minimal system and nothing of the project's.
if [ ! -f "$base" ]; then
  command -v mmdebstrap >/dev/null || apt-get install -y -q mmdebstrap
  mmdebstrap --variant=minbase --include=ca-certificates bookworm "$base" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
fi

root=$(mktemp -d "$home/machine.XXXXXX")
mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -xf "$base" -C "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
for fs in proc sys dev; do
  case $fs in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sys "$root/sys" ;;
    dev) mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev" ;;
  esac
  mounted+=("$root/$fs")
done

sha=$(git -C "$checkout" rev-parse --short "$commit")
git clone -q --no-local "$checkout" "$root/pictavo"
git -C "$root/pictavo" checkout -q --detach "$sha"

log=$home/$command-$sha-$(date +%Y%m%d-%H%M%S).log
echo "fresh_machine: bash $script at $sha, output in $log"
before=$(uptime)
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /pictavo && TIMEFORMAT="wall %R s, user %U s, system %S s"
           { time bash '"$script"' 2>&1; } 2>/tmp/time.txt' >"$log" 2>&1 || status=$?
after=$(uptime)
figures=$(cat "$root/tmp/time.txt")
line="$(date -Is) $command $sha status $status: $figures | before:$before | after:$after"
echo "$line" | tee -a "$results"
exit "$status"
