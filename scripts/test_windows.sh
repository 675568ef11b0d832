#!/usr/bin/env bash
# Cross-builds the Windows module (VarneloControl.mexw64) and its tests with
# MinGW-w64, then runs the tests under Wine through ctest, headless, with the
# Wine prefix inside the build tree. Exits non-zero when anything fails.
#
#   scripts/test_windows.sh            build in build-win and run every test
#   BUILD_DIR=... scripts/test_windows.sh
#   LINUX_BUILD_DIR=... (default build/): the Linux build of the inlet the
#   module streams to
#   CTEST_ARGS="-R WinUsb" scripts/test_windows.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD_DIR:-$ROOT/build-win}
JOBS=${JOBS:-2}
WINE_DIR=/usr/lib/wine
# liblsl reads this configuration, under Wine too: every LSL outlet and
# inlet of the run stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$ROOT/tests/lsl/lslapi.cfg

# The Linux inlet that the Windows module streams to under Wine (tests/lsl's
# lsl_inlet_probe), from the Linux build: scripts/build.sh's, configured here
# as build.sh does when there is none yet.
LINUX_BUILD=$(realpath -m "${LINUX_BUILD_DIR:-$ROOT/build}")
if ! { [ -f "$LINUX_BUILD/CMakeCache.txt" ] ||
       cmake -S "$ROOT" -B "$LINUX_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null; } ||
   ! cmake --build "$LINUX_BUILD" --target lsl_inlet_probe -j"$JOBS" >/dev/null; then
  echo "test_windows: lsl_inlet_probe did not build in $LINUX_BUILD; the test that streams to it fails"
fi

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNELO_LINUX_LSL_INLET="$LINUX_BUILD/tests/lsl/lsl_inlet_probe" >/dev/null
cmake --build "$BUILD" -j"$JOBS"

# Everything of Wine stays in the build tree. Wine's error messages stay on
# (see wine-run.sh): they say why a program could not start.
WINE_HOME="$BUILD/wine"
export WINEPREFIX="$WINE_HOME/prefix"
export WINEARCH=win64
export WINEDEBUG=fixme-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export XDG_CONFIG_HOME="$WINE_HOME/xdg/config"
export XDG_DATA_HOME="$WINE_HOME/xdg/data"
export XDG_CACHE_HOME="$WINE_HOME/xdg/cache"
export DISPLAY=
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

# Wine's own output while the prefix is made, and while this run's session
# lasts (its background services keep writing there).
CREATE_LOG="$WINE_HOME/create.log"
SESSION_LOG="$WINE_HOME/session.log"
READY="$WINE_HOME/prefix.ready"

# A fault of the harness ends the run before any test, with Wine's output.
harness_failure() {
  echo "test_windows: HARNESS FAILURE, no test was run: $1"
  echo "test_windows: Wine's output ($2):"
  tail -n 40 "$2" | sed 's/^/  | /'
  exit 1
}

# A prefix is used once its making has ended; one that an interrupted run
# left half made is made again from nothing.
if [ ! -f "$READY" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$WINE_DIR/wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX" "$READY"
  echo "test_windows: creating the Wine prefix in $WINEPREFIX"
  status=0
  "$WINE_DIR/wine64" wineboot -i </dev/null >"$CREATE_LOG" 2>&1 || status=$?
  # The making ends when its server does, with the registry on disk.
  "$WINE_DIR/wineserver" -w
  [ "$status" -eq 0 ] || harness_failure "wineboot -i ended with status $status" "$CREATE_LOG"
  for made in system.reg user.reg .update-timestamp drive_c/windows/system32/kernel32.dll; do
    [ -e "$WINEPREFIX/$made" ] || harness_failure "the new prefix has no $made" "$CREATE_LOG"
  done
  touch "$READY"
fi

# One persistent wineserver for the whole run: each program then starts in
# a fraction of a second. A server left running for this prefix (exit
# status 2) is used as it is.
: >"$SESSION_LOG"
"$WINE_DIR/wineserver" -p >>"$SESSION_LOG" 2>&1 || [ $? -eq 2 ] ||
  harness_failure "the wineserver did not start" "$SESSION_LOG"
trap '"$WINE_DIR/wineserver" -k >/dev/null 2>&1 || true' EXIT
# The session's first program waits until Wine's boot (services, devices)
# has finished; those services keep its output, so it goes to the session
# log rather than to ctest's pipes, which they would otherwise hold open so
# that ctest never finishes. Then one test program must start as the tests
# will: the prefix is ready only when it does.
"$WINE_DIR/wine64" cmd /c echo wine-session-ready </dev/null >>"$SESSION_LOG" 2>&1 &&
  grep -q wine-session-ready "$SESSION_LOG" ||
  harness_failure "Wine's first program of the session did not run" "$SESSION_LOG"
"$BUILD/wine-run.sh" "$BUILD/tests/platform_tests.exe" --gtest_list_tests </dev/null >>"$SESSION_LOG" 2>&1 ||
  harness_failure "a test program did not start under Wine" "$SESSION_LOG"

# shellcheck disable=SC2086
# One test at a time: the suites carry real 100 ms reply deadlines, and two
# Wine processes on two cores keep each other's threads waiting past them.
# Failed tests are not run again.
CTEST_LOG="$WINE_HOME/ctest.log"
status=0
ctest --test-dir "$BUILD" --output-on-failure -j1 --timeout 300 ${CTEST_ARGS:-} 2>&1 |
  tee "$CTEST_LOG" || status=$?
not_started=$(grep -c '^wine-run: HARNESS FAILURE' "$CTEST_LOG" || true)
if [ "$not_started" -gt 0 ]; then
  echo "test_windows: HARNESS FAILURE: Wine did not start $not_started of the test programs" \
       "(the wine-run lines above); those failures are not test results."
fi

# The recording that WinUsbModule.RecordsToAFileNamedOutsideAscii made with
# the Windows module, read back on Linux by the MATLAB reader in Octave. The
# divider set before the recording began is its first setting.
recording="$BUILD/tests/windows/wine-recording-"$'\xce\xbc\xce\xa9'".vnrec"
if [ -z "${CTEST_ARGS:-}" ] || [ -f "$recording" ]; then
  if readback=$(octave --no-gui --no-window-system --no-history -q --norc --eval "
      addpath('$ROOT/matlab'); R = VarneloReadRecording('$recording');
      assert(numel(R.ReceiveTime) > 50 && ~R.Truncated && R.LinesLost == 0);
      assert(all(diff(double(R.Data.MeasurementCycleCount)) == 1));
      assert(isequal(R.Events.Kind', {'RecordingStart', 'SetSamplingDivider', 'Start', 'Marker', 'Stop', 'RecordingEnd'}));
      assert(strcmp(R.Events.Text{4}, [char([206 169]) ' marker']));" 2>&1); then
    echo "test_windows: the Windows module's recording reads back on Linux"
  else
    echo "test_windows: FAILED: the Windows module's recording ($recording) does not read back on Linux"
    echo "$readback" | tail -10
    status=1
  fi
fi
exit "$status"
