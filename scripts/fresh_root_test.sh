#!/usr/bin/env bash
# Developer tool, not part of the test command: runs the README's test
# command (`bash scripts/test.sh`) as a new user would, as root in a fresh
# Debian 12 root with nothing installed beyond debootstrap's minbase.
#
#   sudo bash scripts/fresh_root_test.sh                 one run, machine as it is
#   sudo BUSY=1 bash scripts/fresh_root_test.sh          one run, another core kept busy
#   sudo RUNS=3 bash scripts/fresh_root_test.sh          three runs, each in a new root
#
# Settings (environment):
#   ROOT      the root to run in; replaced at each run (default /work/fresh-root)
#   BASE_TAR  the minbase root as debootstrap made it, kept between runs so
#             that each run starts from it without downloading it again
#             (default /work/fresh-root-base.tar); delete it to make a new one
#   MIRROR    Debian mirror for debootstrap (default deb.debian.org)
#   BRANCH    the branch of this repository to clone (default: the current one)
#   BUSY=1    keep one core busy (`yes > /dev/null`) during each run
#   RUNS=n    runs in a row, each in a freshly unpacked root (default 1)
#
# Each run unpacks the base root, binds /proc, /dev and /sys into it, clones
# the branch into /root/varnelo inside it, and runs the test command there,
# so the time includes the package installation. The log of run n goes to
# $ROOT.run<n>.log beside the root; the last line of each says how long the
# run took and how it ended. Keep ROOT and BASE_TAR outside the source tree.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "fresh_root_test: run as root (debootstrap, mount, chroot)"; exit 1; }

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
ROOT=${ROOT:-/work/fresh-root}
BASE_TAR=${BASE_TAR:-/work/fresh-root-base.tar}
MIRROR=${MIRROR:-http://deb.debian.org/debian}
BRANCH=${BRANCH:-$(git -C "$SOURCE" rev-parse --abbrev-ref HEAD)}
RUNS=${RUNS:-1}
BUSY=${BUSY:-0}

case "$ROOT" in
  "$SOURCE"|"$SOURCE"/*) echo "fresh_root_test: ROOT must lie outside $SOURCE"; exit 1 ;;
  /|"") echo "fresh_root_test: refusing ROOT=$ROOT"; exit 1 ;;
esac

if ! command -v debootstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
fi

busy_pid=""
unmount_root() {
  for dir in sys dev proc; do
    if mountpoint -q "$ROOT/$dir"; then umount -R "$ROOT/$dir" || umount -lR "$ROOT/$dir"; fi
  done
}
finish() {
  [ -n "$busy_pid" ] && kill "$busy_pid" 2>/dev/null || true
  unmount_root
}
trap finish EXIT

if [ ! -f "$BASE_TAR" ]; then
  echo "fresh_root_test: debootstrap --variant=minbase bookworm (once, into $BASE_TAR)"
  base=$(mktemp -d "${BASE_TAR%/*}/fresh-root-base.XXXXXX")
  debootstrap --variant=minbase bookworm "$base" "$MIRROR" >/dev/null
  tar -C "$base" -cf "$BASE_TAR.part" .
  mv "$BASE_TAR.part" "$BASE_TAR"
  rm -rf --one-file-system "$base"
fi

for run in $(seq 1 "$RUNS"); do
  log="$ROOT.run$run.log"
  unmount_root
  rm -rf --one-file-system "$ROOT"
  mkdir -p "$ROOT"
  tar -C "$ROOT" -xf "$BASE_TAR"
  cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
  git clone -q --branch "$BRANCH" --single-branch "$SOURCE" "$ROOT/root/varnelo"
  mount -t proc proc "$ROOT/proc"
  mount --rbind /dev "$ROOT/dev" && mount --make-rslave "$ROOT/dev"
  mount --rbind /sys "$ROOT/sys" && mount --make-rslave "$ROOT/sys"

  if [ "$BUSY" = 1 ]; then
    yes >/dev/null &
    busy_pid=$!
  fi
  echo "fresh_root_test: run $run of $RUNS ($BRANCH at $(git -C "$ROOT/root/varnelo" rev-parse --short HEAD), busy core: $BUSY), log $log"
  start=$SECONDS
  status=0
  chroot "$ROOT" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/varnelo && bash scripts/test.sh' >"$log" 2>&1 || status=$?
  elapsed=$((SECONDS - start))
  if [ -n "$busy_pid" ]; then kill "$busy_pid" 2>/dev/null || true; busy_pid=""; fi
  summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -1 || true)
  line="fresh_root_test: run $run: ${summary:-no summary line}, exit $status, $((elapsed / 60)) min $((elapsed % 60)) s"
  echo "$line" | tee -a "$log"
  unmount_root
done
