#!/usr/bin/env bash
# Cross-builds the Windows module (VarneloControl.mexw64) and its tests with
# MinGW-w64, then runs the tests under Wine through ctest, headless, with the
# Wine prefix inside the build tree. Exits non-zero when anything fails.
#
#   scripts/test_windows.sh            build in build-win and run every test
#   BUILD_DIR=... scripts/test_windows.sh
#   CTEST_ARGS="-R WinUsb" scripts/test_windows.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD_DIR:-$ROOT/build-win}
JOBS=${JOBS:-2}
WINE_DIR=/usr/lib/wine

cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$JOBS"

# Everything of Wine stays in the build tree.
export WINEPREFIX="$BUILD/wine/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export XDG_CONFIG_HOME="$BUILD/wine/xdg/config"
export XDG_DATA_HOME="$BUILD/wine/xdg/data"
export XDG_CACHE_HOME="$BUILD/wine/xdg/cache"
export DISPLAY=
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "test_windows: creating the Wine prefix in $WINEPREFIX"
  "$WINE_DIR/wine64" wineboot -i >/dev/null 2>&1 || true
  "$WINE_DIR/wineserver" -w
fi

# One persistent wineserver for the whole run: each program then starts in
# a fraction of a second. The warm-up program starts Wine's background
# services with their output away from ctest's pipes (which they would
# otherwise inherit and keep open, so that ctest never finishes).
# A server left running for this prefix (exit status 2) is used as it is.
"$WINE_DIR/wineserver" -p || [ $? -eq 2 ]
trap '"$WINE_DIR/wineserver" -k >/dev/null 2>&1 || true' EXIT
"$WINE_DIR/wine64" cmd /c exit </dev/null >/dev/null 2>&1 || true

# shellcheck disable=SC2086
# One test at a time: the suites carry real 100 ms reply deadlines, and two
# Wine processes on two cores keep each other's threads waiting past them.
status=0
ctest --test-dir "$BUILD" --output-on-failure -j1 --timeout 300 ${CTEST_ARGS:-} || status=$?

# The recording that WinUsbModule.RecordsToAFileNamedOutsideAscii made with
# the Windows module, read back on Linux by the MATLAB reader in Octave.
recording="$BUILD/tests/windows/wine-recording-"$'\xce\xbc\xce\xa9'".vnrec"
if [ -z "${CTEST_ARGS:-}" ] || [ -f "$recording" ]; then
  if readback=$(octave --no-gui --no-window-system --no-history -q --norc --eval "
      addpath('$ROOT/matlab'); R = VarneloReadRecording('$recording');
      assert(numel(R.ReceiveTime) > 50 && ~R.Truncated && R.LinesLost == 0);
      assert(all(diff(double(R.Data.MeasurementCycleCount)) == 1));
      assert(isequal(R.Events.Kind', {'RecordingStart', 'Start', 'Marker', 'Stop', 'RecordingEnd'}));
      assert(strcmp(R.Events.Text{3}, [char([206 169]) ' marker']));" 2>&1); then
    echo "test_windows: the Windows module's recording reads back on Linux"
  else
    echo "test_windows: FAILED: the Windows module's recording ($recording) does not read back on Linux"
    echo "$readback" | tail -10
    status=1
  fi
fi
exit "$status"
