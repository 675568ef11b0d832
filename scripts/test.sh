#!/usr/bin/env bash
# Builds everything and runs every suite: the C++ unit and platform tests,
# the libusb transport tests, the Octave suite against the simulated build,
# the Python suite (pytest, the pip install, the Python examples), the
# examples, the sanitizer runs and the Windows tests under Wine.
# Ends with one summary line: "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$ROOT/tests/lsl/lslapi.cfg
BUILD_DIR=${BUILD_DIR:-build}
LOG_DIR=$ROOT/$BUILD_DIR/test-logs

bash scripts/setup.sh
bash scripts/build.sh || { echo "build failed"; echo "0 passed, 1 failed"; exit 1; }
mkdir -p "$LOG_DIR"

passed=0
failed=0
failures=()

# suite NAME COMMAND...: runs one suite; counts it by its "N passed, M failed"
# line when it prints one, else as one test by its exit status.
suite() {
  local name=$1; shift
  local log=$LOG_DIR/$name.log
  echo "== $name"
  local start=$SECONDS
  "$@" >"$log" 2>&1
  local rc=$?
  local line
  line=$(grep -E '^([A-Za-z-]+: )?[0-9]+ passed, [0-9]+ failed' "$log" | tail -1)
  if [ -z "$line" ]; then
    # A suite run through ctest: take ctest's own counts.
    local c
    c=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
    if [ -n "$c" ]; then
      local total bad
      total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$c")
      bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$c")
      line="$((total - bad)) passed, $bad failed"
    fi
  fi
  if [ -n "$line" ]; then
    local p f
    p=$(sed -E 's/^([A-Za-z-]+: )?([0-9]+) passed.*/\2/' <<<"$line")
    f=$(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")
    passed=$((passed + p)); failed=$((failed + f))
    [ "$rc" -ne 0 ] && [ "$f" -eq 0 ] && failed=$((failed + 1))
  elif [ "$rc" -eq 0 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
  if [ "$rc" -ne 0 ]; then
    failures+=("$name")
    echo "   FAILED ($((SECONDS - start)) s), last lines of $log:"
    tail -25 "$log" | sed 's/^/   | /'
  else
    echo "   ok ($((SECONDS - start)) s) ${line}"
  fi
}

ctest_suite() {
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 600 "$@"
}

suite ctest ctest_suite
suite octave bash tests/octave/run_suite.sh "$BUILD_DIR"
suite python bash tests/python/run_suite.sh "$BUILD_DIR"
# Thirty seconds of the streaming soak (scripts/soak.sh runs it for ten minutes).
suite soak "$BUILD_DIR/tests/soak/soak" 30
suite asan bash scripts/asan.sh
[ -f scripts/tsan.sh ] && suite tsan bash scripts/tsan.sh
[ -f scripts/fuzz.sh ] && suite fuzz bash scripts/fuzz.sh
# The Windows suite streams to an inlet of this build (tests/lsl).
[ -f scripts/test_windows.sh ] && suite windows env LINUX_BUILD_DIR="$BUILD_DIR" bash scripts/test_windows.sh

echo
if [ ${#failures[@]} -gt 0 ]; then
  echo "failed suites: ${failures[*]} (logs in $LOG_DIR)"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ ${#failures[@]} -eq 0 ]
