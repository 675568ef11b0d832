#!/usr/bin/env bash
# Connection scenarios that need an environment or an exit status of their own.
# Prints "lifecycle: N passed, M failed".
set -u
OCT=(timeout 120 octave --no-gui --no-window-system --no-history -q --norc)
pass=0; fail=0
check() {  # check NAME EXPECTED-EXIT ENV... -- CODE
  local name=$1 want=$2; shift 2
  local envs=()
  while [ "$1" != "--" ]; do envs+=("$1"); shift; done; shift
  local out rc
  out=$(env "${envs[@]}" "${OCT[@]}" --eval "addpath('$MODULE_DIR'); addpath('$TESTS'); $1" 2>&1); rc=$?
  if [ "$rc" -eq "$want" ]; then pass=$((pass+1)); echo "  pass  $name";
  else fail=$((fail+1)); echo "  FAIL  $name (exit $rc, wanted $want)"; echo "$out" | tail -15 | sed 's/^/        /'; fi
}

check none-present 0 VARNELO_SIM_NONE=1 -- "
  out = evalc('try, VarneloControl(''Connect''); catch e, disp(e.message); end');
  assert(~isempty(strfind(out, sprintf('\tConnection Error DEC[1167] - The device is not connected.\n'))), out);
  assert(~isempty(strfind(out, 'VarneloControl: ' )) && ~isempty(strfind(out, 'Device USB Connection Error.')), out);
  expect_error(sprintf('\tDevice is not connected.\n'), 'Disconnect');"

check held-index-0 0 VARNELO_SIM_DEVICES=2 VARNELO_SIM_HELD=0 -- "
  out = evalc('VarneloControl(''Connect'')');
  assert(~isempty(strfind(out, 'Device[1] S/N:')), out);
  info = VarneloControl('GetDevInfo'); assert(strncmp(info, 'Device[1] S/N:', 14));
  evalc('VarneloControl(''Disconnect'')');"

check no-serial 0 VARNELO_SIM_NO_SERIAL=1 -- "
  evalc('VarneloControl(''Connect'')');
  expect_error_nargout(1, sprintf('\tDevice info data missing\n'), 'GetDevInfo');
  evalc('VarneloControl(''Disconnect'')');"

check silent-info 0 VARNELO_SIM_SILENT=2 -- "
  try, evalc('VarneloControl(''Connect'')'); error('no error'); catch e
    assert(strcmp(e.message, sprintf('VarneloControl: \tError: Device did not respond to command.')), e.message); end
  expect_error(sprintf('\tDevice already connected.\n'), 'Connect');
  out = evalc('VarneloControl(''Disconnect'')');
  assert(~isempty(strfind(out, 'connection closed')));"

check getdata-timeout 0 VARNELO_SIM_SILENT=1 -- "
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start');
  out = evalc('d = VarneloControl(''GetData'', 10);');
  assert(strcmp(out, sprintf('\tData collection timeout, polling period 24 ms.\n')), out);
  assert(isequal(size(d.ImpedanceModule), [10 15]) && all(d.MeasurementCycleCount == 0) && all(d.ImpedanceModule(:) == 0));
  VarneloControl('Stop'); evalc('VarneloControl(''Disconnect'')');"

check exit-while-measuring 0 -- "
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start'); d = VarneloControl('GetData', 10); exit(0);"

check clear-all-while-connected 0 -- "
  evalc('VarneloControl(''Connect'')'); clear all; clear mex; VarneloControl('Start'); pause(0.1); exit(0);"

check munlock-then-clear 0 -- "
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start'); munlock('VarneloControl'); clear VarneloControl; pause(0.1);
  evalc('VarneloControl(''Connect'')'); VarneloControl('Start'); d = VarneloControl('GetData', 5); exit(0);"

check half-open-connect-exit 0 VARNELO_SIM_SILENT=2 -- "
  try, evalc('VarneloControl(''Connect'')'); catch, end; exit(0);"

echo "lifecycle: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
