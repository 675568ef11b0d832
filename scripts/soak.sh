#!/usr/bin/env bash
# The streaming soak: an acquisition loop against the simulated instrument at
# 1,000 lines/s with random host stalls, recorded, with the instrument pulled
# and plugged back at random moments; every line accounted for.
# Usage: scripts/soak.sh [seconds=600] [max stall ms=1500] [seed] [outages=seconds/10, at most 10]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$PWD/tests/lsl/lslapi.cfg
bash scripts/setup.sh
BUILD_DIR=$BUILD_DIR bash scripts/build.sh
exec "$BUILD_DIR/tests/soak/soak" "${1:-600}" "${2:-1500}" ${3:+"$3"} ${4:+"$4"}
