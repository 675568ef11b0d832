#!/usr/bin/env bash
# The Octave suite against the simulated build of the module, and the
# scenarios that need a process of their own (environment, exit status).
set -uo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${1:-build}
MODULE_DIR=$PWD/$BUILD_DIR/sim
TESTS=$PWD/tests/octave
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$PWD/tests/lsl/lslapi.cfg
export VARNELO_MODULE_DIR=$MODULE_DIR

passed=0
failed=0
OCTAVE=(octave --no-gui --no-window-system --no-history -q --norc)

# run LABEL ENV... -- octave args: counts the "N passed, M failed" line.
run() {
  local label=$1; shift
  local envs=()
  while [ "$1" != "--" ]; do envs+=("$1"); shift; done
  shift
  local out rc
  out=$(env "${envs[@]}" timeout 300 "${OCTAVE[@]}" "$@" 2>&1)
  rc=$?
  echo "$out"
  local line
  line=$(grep -E '^[A-Za-z-]+: [0-9]+ passed, [0-9]+ failed' <<<"$out" | tail -1)
  if [ -n "$line" ]; then
    local p f
    p=$(sed -E 's/^[A-Za-z-]+: ([0-9]+) passed.*/\1/' <<<"$line")
    f=$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")
    passed=$((passed + p)); failed=$((failed + f))
    if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then failed=$((failed + 1)); echo "$label: exit $rc"; fi
  elif [ "$rc" -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1)); echo "$label: FAILED with exit $rc"
  fi
}

run main VARNELO_SUITE=main -- --eval "addpath('$MODULE_DIR'); addpath('$TESTS'); run_tests()"
run first-call VARNELO_SUITE=first -- "$TESTS/first_call_repeat.m"
for scenario in "$TESTS"/scenarios/*.sh; do
  [ -f "$scenario" ] || continue
  # Each scenario script prints its own "name: N passed, M failed" line.
  out=$(MODULE_DIR=$MODULE_DIR TESTS=$TESTS bash "$scenario" 2>&1); rc=$?
  echo "$out"
  line=$(grep -E '^[A-Za-z-]+: [0-9]+ passed, [0-9]+ failed' <<<"$out" | tail -1)
  if [ -n "$line" ]; then
    p=$(sed -E 's/^[A-Za-z-]+: ([0-9]+) passed.*/\1/' <<<"$line")
    f=$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")
    passed=$((passed + p)); failed=$((failed + f))
  elif [ "$rc" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done

echo "octave: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
