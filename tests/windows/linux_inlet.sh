#!/bin/sh
# The Windows module, under Wine, streams to an inlet in a Linux process.
# Starts tests/lsl's lsl_inlet_probe (a Linux program) on the stream of an
# instrument whose serial number is this run's own, so that no outlet of
# another run on the machine answers, then WinUsbModule.StreamsToAnInlet-
# InALinuxProcess under Wine with that serial number. The inlet must get the
# measurement's first LINES lines, cycle counts 0 to LINES-1, in order.
#   linux_inlet.sh PROBE LINES WINE_RUN TEST_PROGRAM
probe=$1 lines=$2
shift 2
if [ ! -x "$probe" ]; then
  echo "linux_inlet: no Linux inlet at '$probe': scripts/test_windows.sh builds it"
  exit 1
fi
# At most 16 characters, as the module reads serial numbers.
serial="WINE-$(od -An -N4 -tx4 /dev/urandom | tr -d ' ')"
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$probe" "varnelo-$serial" --samples "$lines" --timeout 120 >"$out" &
inlet=$!
VARNELO_INLET_SERIAL=$serial "$@" --gtest_filter=WinUsbModule.StreamsToAnInletInALinuxProcess
module_status=$?
wait "$inlet"
inlet_status=$?
echo "linux_inlet: the Linux inlet: $(cat "$out") (exit status $inlet_status)"
[ "$module_status" -eq 0 ] && [ "$inlet_status" -eq 0 ] && grep -q "^samples=$lines first=0 " "$out"
