#!/usr/bin/env bash
# Builds the unit tests under ThreadSanitizer and runs all of them (link,
# lifecycle, commands, simulated instrument, recording, LSL outlets and
# inlets). The one suppression is liblsl's, in its inlet, which only the
# tests use: tests/lsl/tsan.supp.
# Usage: scripts/tsan.sh [build root]   (default: the repository root)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_ROOT="${1:-$ROOT}"
BUILD="$BUILD_ROOT/build-tsan"
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$ROOT/tests/lsl/lslapi.cfg

cmake -S "$ROOT" -B "$BUILD" -DVARNELO_SANITIZE=thread -DVARNELO_OCTAVE=OFF \
  -DVARNELO_LIBUSB=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target unit_tests -j2

# Any report fails the run; halt_on_error keeps the first one readable.
export TSAN_OPTIONS="halt_on_error=1 exitcode=66 second_deadlock_stack=1 suppressions=$ROOT/tests/lsl/tsan.supp"
# ThreadSanitizer cannot map its shadow memory with the kernel's widest
# address randomisation; run without randomisation when it refuses to start.
launch=()
if ! "$BUILD/tests/unit_tests" --gtest_list_tests >/dev/null 2>&1; then
  launch=(setarch "$(uname -m)" -R)
fi
"${launch[@]}" "$BUILD/tests/unit_tests"
