#!/usr/bin/env bash
# The main job: installs what the project needs, builds the module and runs
# the demo (demo/varnelo_demo.m) in GNU Octave, headless, against the
# simulated instrument. Prints the identity, a table of median |Z| and phase
# per frequency bin, and writes build/demo/varnelo_demo.png.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
BUILD_DIR=${BUILD_DIR:-build}
OUT_DIR=$ROOT/$BUILD_DIR/demo

bash scripts/setup.sh
echo "demo: building (first time: a few minutes)"
bash scripts/build.sh
echo "demo: running demo/varnelo_demo.m in GNU Octave against $BUILD_DIR/sim/VarneloControl.mex"
echo

# --no-history: nothing is written to the user's home folder.
timeout 300 octave --no-gui --no-window-system -q --norc --no-history --eval "
  addpath('$ROOT/$BUILD_DIR/sim');
  addpath('$ROOT/demo');
  varnelo_demo('$OUT_DIR');"

echo
echo "demo: done. The figure is $OUT_DIR/varnelo_demo.png"
echo "demo: try it yourself: octave --eval \"addpath('$BUILD_DIR/sim'); help VarneloControl\""
