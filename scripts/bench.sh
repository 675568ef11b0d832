#!/usr/bin/env bash
# Runs the benchmarks: the C++ ones on the standalone host (Google Benchmark)
# and the Octave GetData loop against the simulated build. Timing lives here,
# never in the tests. Usage: scripts/bench.sh [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
bash scripts/setup.sh
BUILD_DIR=$BUILD_DIR bash scripts/build.sh
"$BUILD_DIR/tests/bench/benchmarks" "$@"
for rate in 20000 100000; do
  VARNELO_SIM_LINE_RATE=$rate octave --no-gui --no-window-system --no-history -q --norc \
    --eval "addpath('$PWD/$BUILD_DIR/sim'); run('tests/bench/octave_throughput.m')"
done
