#!/usr/bin/env bash
# Developer tool, not part of the test command: runs the README's test
# command (`bash scripts/test.sh`) as a new user would, as root in a fresh
# Debian 12 root with nothing installed beyond debootstrap's minbase.
#
#   sudo bash scripts/fresh_root_test.sh                 one run, machine as it is
#   sudo BUSY=1 bash scripts/fresh_root_test.sh          one run, another core kept busy
#   sudo RUNS=3 bash scripts/fresh_root_test.sh          three runs, each in a new root
#   sudo SAME_TREE=1 RUNS=3 BUSY=1 bash scripts/fresh_root_test.sh
#                                                        three runs in one new root and one
#                                                        tree, each after the last, busy core
#   sudo CHECK=1 bash scripts/fresh_root_test.sh         set a root up, check it, run nothing
#
# Settings (environment):
#   ROOT      the root to run in; replaced at each run (default /work/fresh-root)
#   BASE_TAR  the minbase root as debootstrap made it, kept between runs so
#             that each run starts from it without downloading it again
#             (default /work/fresh-root-base.tar); delete it to make a new one
#   MIRROR    Debian mirror for debootstrap (default deb.debian.org)
#   BRANCH    the branch of this repository to clone (default: the current one)
#   BUSY=1    keep one core busy (`yes > /dev/null`) during each run
#   RUNS=n    runs in a row (default 1), each in a freshly unpacked root
#   SAME_TREE=1  all runs in one root and one clone, as a user who runs the
#             test command again in the same tree: each run meets what the
#             ones before it left (build trees, Wine prefix, packages)
#   CHECK=1   set the root up and check it (below), then stop
#
# A run unpacks the base root, mounts /proc, /sys and /dev in it, with a
# terminal system of its own (a devpts instance at /dev/pts, /dev/ptmx its
# multiplexer: the Ctrl-C scenario types into Octave through a terminal),
# checks that a process in the root can open a terminal, clones the branch
# into /root/varnelo inside it, and runs the test command there, so the
# time includes the package installation. The log of run n goes to
# $ROOT.run<n>.log beside the root; the last line of each says how long the
# run took and how it ended, and the script ends with those lines and a
# non-zero status when any run failed. Keep ROOT and BASE_TAR outside the
# source tree.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "fresh_root_test: run as root (debootstrap, mount, chroot)"; exit 1; }

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
ROOT=${ROOT:-/work/fresh-root}
BASE_TAR=${BASE_TAR:-/work/fresh-root-base.tar}
MIRROR=${MIRROR:-http://deb.debian.org/debian}
BRANCH=${BRANCH:-$(git -C "$SOURCE" rev-parse --abbrev-ref HEAD)}
RUNS=${RUNS:-1}
BUSY=${BUSY:-0}
SAME_TREE=${SAME_TREE:-0}
CHECK=${CHECK:-0}

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

# A new root from the base, with the branch cloned into it.
make_root() {
  unmount_root
  rm -rf --one-file-system "$ROOT"
  mkdir -p "$ROOT"
  tar -C "$ROOT" -xf "$BASE_TAR"
  cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
  git clone -q --branch "$BRANCH" --single-branch "$SOURCE" "$ROOT/root/varnelo"
}

# /proc, /sys and the machine's /dev, the last with a devpts instance of the
# root's own over /dev/pts and /dev/ptmx bound to its multiplexer, so that
# terminals opened in the root are the root's whatever the machine's /dev
# holds (some keep /dev/ptmx as a node of another instance, or none at all).
mount_root() {
  mount -t proc proc "$ROOT/proc"
  mount --rbind /sys "$ROOT/sys" && mount --make-rslave "$ROOT/sys"
  mount --rbind /dev "$ROOT/dev" && mount --make-rslave "$ROOT/dev"
  mkdir -p "$ROOT/dev/pts"
  mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$ROOT/dev/pts"
  # (Not made when missing: the root's /dev is the machine's.)
  [ -e "$ROOT/dev/ptmx" ] || { echo "fresh_root_test: this machine has no /dev/ptmx"; exit 1; }
  mount --bind "$ROOT/dev/pts/ptmx" "$ROOT/dev/ptmx"
}

# A process in the root opens a terminal and its child writes through it,
# as the Ctrl-C scenario does (Python's pty.fork). The machine's Python does
# it from inside the root, which has no Python before the test command
# installs it.
check_root() {
  if [ ! -x /usr/bin/python3 ]; then
    echo "fresh_root_test: no /usr/bin/python3 here to check the root's terminals; not checked"
    return 0
  fi
  /usr/bin/python3 - "$ROOT" <<'PY' || { echo "fresh_root_test: no terminal can be opened in $ROOT"; return 1; }
import os, pty, sys
os.chroot(sys.argv[1])
os.chdir("/")
pid, fd = pty.fork()
if pid == 0:
    os.write(1, ("terminal " + os.ttyname(0) + "\n").encode())
    os._exit(0)
out = b""
while True:
    try:
        chunk = os.read(fd, 256)
    except OSError:
        break
    if not chunk:
        break
    out += chunk
os.waitpid(pid, 0)
text = out.decode(errors="replace").strip()
print("fresh_root_test: in the root, " + text)
sys.exit(0 if text.startswith("terminal /dev/pts/") else 1)
PY
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

if [ "$SAME_TREE" = 1 ] || [ "$CHECK" = 1 ]; then
  make_root
  mount_root
  check_root
  if [ "$CHECK" = 1 ]; then
    echo "fresh_root_test: $ROOT is set up and checked; nothing run"
    exit 0
  fi
fi

results=()
failed=0
for run in $(seq 1 "$RUNS"); do
  log="$ROOT.run$run.log"
  if [ "$SAME_TREE" != 1 ]; then
    make_root
    mount_root
    check_root
  fi

  if [ "$BUSY" = 1 ]; then
    yes >/dev/null &
    busy_pid=$!
  fi
  echo "fresh_root_test: run $run of $RUNS ($BRANCH at $(git -C "$ROOT/root/varnelo" rev-parse --short HEAD), busy core: $BUSY, same tree: $SAME_TREE), log $log"
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
  results+=("$line")
  [ "$status" -eq 0 ] || failed=$((failed + 1))
  if [ "$SAME_TREE" != 1 ]; then unmount_root; fi
done

echo "fresh_root_test: $RUNS run(s), $failed failed:"
printf '  %s\n' "${results[@]}"
[ "$failed" -eq 0 ]
