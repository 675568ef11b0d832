#!/usr/bin/env bash
# Clearing the module unloads it: before any connection, after one, and with
# one open (the exit hook closes it first). Looked for in the process's
# memory maps after the clear; a new load then reads the simulated
# instrument's environment again, starts from fresh module state, and takes
# a module file replaced meanwhile.
# Prints "unload: N passed, M failed".
set -u
OCT=(timeout 120 octave --no-gui --no-window-system --no-history -q --norc)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
pass=0; fail=0
check() {  # check NAME -- CODE (run with the module in MODDIR on the path)
  local name=$1; shift 2
  local out rc
  out=$("${OCT[@]}" --eval "addpath('$MODULE_DIR'); addpath('$TESTS'); $1" 2>&1); rc=$?
  if [ "$rc" -eq 0 ]; then pass=$((pass+1)); echo "  pass  $name";
  else fail=$((fail+1)); echo "  FAIL  $name (exit $rc)"; echo "$out" | grep -v 'ignoring const execution_exception' | tail -15 | sed 's/^/        /'; fi
}
M="'VarneloControl.mex'"

check before-connection -- "
  try, VarneloControl('Start'); catch, end
  assert(~isempty(mapped_inodes($M)), 'not loaded by the call');
  clear VarneloControl;
  assert(isempty(mapped_inodes($M)), 'still mapped after clear');"

check after-connection -- "
  evalc('VarneloControl(''Connect'')');
  VarneloControl('Start'); d = VarneloControl('GetData', 5); VarneloControl('Stop');
  [a, b] = VarneloControl('SetGPIO', 1, 2); c = VarneloControl('GetConfData');
  evalc('VarneloControl(''Disconnect'')');
  clear VarneloControl;
  assert(isempty(mapped_inodes($M)), 'still mapped after clear VarneloControl');
  evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  clear all;
  assert(isempty(mapped_inodes('VarneloControl.mex')), 'still mapped after clear all');"

check open-connection -- "
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start'); d = VarneloControl('GetData', 5);
  clear VarneloControl;
  assert(~isempty(mapped_inodes($M)), 'a connected module must stay loaded');
  munlock('VarneloControl'); clear VarneloControl;
  assert(isempty(mapped_inodes($M)), 'still mapped after the exit hook closed the connection');
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start'); d = VarneloControl('GetData', 5);
  assert(all(d.MeasurementCyclePeriod > 0)); VarneloControl('Stop'); evalc('VarneloControl(''Disconnect'')');"

# The banner names the device index: with the first of two instruments held
# by another program the new load connects to Device[1].
check environment-read-again -- "
  setenv('VARNELO_SIM_DEVICES', '2');
  out = evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  assert(~isempty(strfind(out, 'Device[0] S/N:')), out);
  setenv('VARNELO_SIM_HELD', '0'); clear VarneloControl;
  out = evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  assert(~isempty(strfind(out, 'Device[1] S/N:')), 'the environment was not read again');"

# char(15) repeats the last looked-up command: nothing after a fresh load.
check state-afresh -- "
  evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  expect_error(sprintf('\tDevice is not connected.\n'), 'Start');
  clear VarneloControl;
  expect_error(sprintf('\tUnknown command.\n'), char(15));"

# A module file replaced while loaded (as a rebuild does: a new file under
# the old name) is the one that runs after the clear.
mkdir -p "$WORK/module"
cp "$MODULE_DIR/VarneloControl.mex" "$WORK/module/"
check replaced-file -- "
  rmpath('$MODULE_DIR'); addpath('$WORK/module'); file = '$WORK/module/VarneloControl.mex';
  evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  old = mapped_inodes(file); assert(numel(old) == 1);
  copyfile(file, [file '.new']); movefile([file '.new'], file);
  clear VarneloControl;
  evalc('VarneloControl(''Connect'')'); evalc('VarneloControl(''Disconnect'')');
  now = mapped_inodes(file);
  assert(numel(now) == 1 && now ~= old, 'the old file is still the one mapped');"

echo "unload: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
