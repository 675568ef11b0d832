#!/usr/bin/env bash
# Runs the benchmarks: the C++ ones on the standalone host (Google Benchmark)
# and the Octave GetData loop against the simulated build. Timing lives here,
# never in the tests. Usage: scripts/bench.sh [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$PWD/tests/lsl/lslapi.cfg
bash scripts/setup.sh
BUILD_DIR=$BUILD_DIR bash scripts/build.sh
# With them the recovery's: replug to the first new line, CPU while waiting.
"$BUILD_DIR/tests/bench/benchmarks" "$@"
OCTAVE=(octave --no-gui --no-window-system --no-history -q --norc)
for rate in 20000 100000; do
  VARNELO_SIM_LINE_RATE=$rate "${OCTAVE[@]}" \
    --eval "addpath('$PWD/$BUILD_DIR/sim'); run('tests/bench/octave_throughput.m')"
done
# GetData's cost from Octave: CPU at the instrument's own pace, then per call
# from a deep ring that always holds lines.
"${OCTAVE[@]}" --eval "addpath('$PWD/$BUILD_DIR/sim'); addpath('$PWD/tests/bench'); octave_getdata_costs('cpu')"
VARNELO_SIM_LINE_RATE=100000 "${OCTAVE[@]}" \
  --eval "addpath('$PWD/$BUILD_DIR/sim'); addpath('$PWD/tests/bench'); octave_getdata_costs('call')"
# The same from Python (varnelo), and GetData(500) per line from Octave and
# from Python, measured the same way.
VARNELO_SIM_LINE_RATE=100000 "${OCTAVE[@]}" \
  --eval "addpath('$PWD/$BUILD_DIR/sim'); run('tests/bench/octave_read_cost.m')"
PY=$(cat "$BUILD_DIR/python/interpreter")
echo "python: $PY"
VARNELO_SIM_LINE_RATE=100000 PYTHONPATH=$PWD/$BUILD_DIR/python "$PY" tests/bench/python_read.py
# Reading recordings: read_recording next to numpy.fromfile, and export.
PYTHONPATH=$PWD/$BUILD_DIR/python "$PY" tests/bench/python_recording.py "$BUILD_DIR"
# Recording: 60 s at 100,000 lines/s with no GetData, the writer's CPU at
# 1,000 lines/s, and VarneloReadRecording next to a bare fread.
"$BUILD_DIR/tests/bench/recording_bench" rate 100000 60
"$BUILD_DIR/tests/bench/recording_bench" cpu 0 60
VARNELO_SIM_LINE_RATE=100000 "${OCTAVE[@]}" \
  --eval "addpath('$PWD/$BUILD_DIR/sim'); run('tests/bench/octave_read_recording.m')"
# The LSL stream: 60 s at 100,000 lines/s to an inlet in a process of its
# own, every line checked, then its CPU and latency at the instrument's
# 1,000 lines/s.
"$BUILD_DIR/tests/bench/recording_bench" stream 100000 60
"$BUILD_DIR/tests/bench/recording_bench" stream 0 60
