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
# GetData's cost per call and per line from Octave and from Python (varnelo),
# measured the same way.
VARNELO_SIM_LINE_RATE=100000 octave --no-gui --no-window-system --no-history -q --norc \
  --eval "addpath('$PWD/$BUILD_DIR/sim'); run('tests/bench/octave_read_cost.m')"
PY=$(cat "$BUILD_DIR/python/interpreter")
echo "python: $PY"
VARNELO_SIM_LINE_RATE=100000 PYTHONPATH=$PWD/$BUILD_DIR/python "$PY" tests/bench/python_read.py
