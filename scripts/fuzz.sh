#!/usr/bin/env bash
# Fuzzes the frame parser and the measurement ring for a bounded time
# (FUZZ_SECONDS, default 60) under ASan and UBSan. Fails on any crash.
# Usage: scripts/fuzz.sh [build root]   (default: the repository root)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_ROOT="${1:-$ROOT}"
DIR="$BUILD_ROOT/build-fuzz"
SECONDS_TO_RUN="${FUZZ_SECONDS:-60}"

"$ROOT/tests/fuzz/build.sh" "$DIR/fuzz_link"
mkdir -p "$DIR/corpus" "$DIR/artifacts"
cd "$DIR"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
./fuzz_link -max_total_time="$SECONDS_TO_RUN" -max_len=772 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 \
  -dict="$ROOT/tests/fuzz/link.dict" -artifact_prefix="$DIR/artifacts/" \
  "$DIR/corpus"
