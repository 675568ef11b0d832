#!/usr/bin/env bash
# Builds the unit, platform and liblsl tests with AddressSanitizer, Undefined-
# BehaviorSanitizer and LeakSanitizer and runs them all: hundreds of Connect
# and Disconnect cycles, failed Connects, every command path and LSL outlets
# and inlets, with no leak and no invalid access allowed. (liblsl itself is
# built without UndefinedBehaviorSanitizer: cmake/Lsl.cmake says why.)
# Usage: scripts/asan.sh [build root]   (default: the repository root)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT}/build-asan"
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$ROOT/tests/lsl/lslapi.cfg

cmake -S "$ROOT" -B "$BUILD" -DVARNELO_SANITIZE=address -DVARNELO_OCTAVE=OFF \
  -DVARNELO_LIBUSB=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target unit_tests platform_tests -j2 | grep -E 'error|warning' || true

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ok=0
bad=0
for t in platform_tests unit_tests; do
  rc=0
  out=$("$BUILD/tests/$t" 2>&1) || rc=$?
  # The whole output stays beside the build, for the failure's details.
  printf '%s\n' "$out" >"$BUILD/$t.log"
  p=$(grep -c '^\[       OK \]' <<<"$out" || true)
  f=$(grep -c '^\[  FAILED  \] [A-Za-z].*(' <<<"$out" || true)
  ok=$((ok + p)); bad=$((bad + f))
  if [ "$rc" -ne 0 ]; then
    [ "$f" -eq 0 ] && bad=$((bad + 1))
    grep -E 'ERROR: |SUMMARY|FAILED|runtime error' <<<"$out" | head -20
    echo "(the whole output: $BUILD/$t.log)"
  fi
done
echo "asan: $ok passed, $bad failed"
[ "$bad" -eq 0 ]
