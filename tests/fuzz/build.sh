#!/usr/bin/env bash
# Builds the device-link fuzzer with clang's libFuzzer, ASan and UBSan,
# straight from the sources it needs.
# Usage: tests/fuzz/build.sh <output file>
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
OUT="${1:?usage: build.sh <output file>}"
SRC="$ROOT/src"

mkdir -p "$(dirname "$OUT")"
clang++ -std=c++17 -g -O1 -Wall -Wextra \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -fno-omit-frame-pointer \
  -I"$SRC" -I"$SRC/host/api" \
  "$ROOT/tests/fuzz/fuzz_link.cpp" \
  "$ROOT/tests/fuzz/host_stubs.cpp" \
  "$SRC/link/receive.cpp" \
  "$SRC/link/ring.cpp" \
  "$SRC/feed/feed.cpp" \
  "$SRC/recording/recording.cpp" \
  "$SRC/platform/posix/platform_posix.cpp" \
  "$SRC/platform/posix/files_posix.cpp" \
  "$SRC/sim/sim_bus.cpp" \
  "$SRC/sim/sim_instrument.cpp" \
  "$SRC/usb/error_text.cpp" \
  -Wl,--wrap=_ZN8platform7SleepMsEj \
  -lpthread -o "$OUT"
