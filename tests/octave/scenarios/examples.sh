#!/usr/bin/env bash
# The examples, the demo and the help text against the simulated build, each
# in an Octave process of its own and in a scratch folder, so that what the
# README and the examples promise keeps working.
# Environment: MODULE_DIR (the simulated module's folder), TESTS (tests/octave).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
MODULE_DIR=${MODULE_DIR:-$ROOT/build/sim}
EXAMPLES=$ROOT/examples
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

passed=0
failed=0

# check NAME OCTAVE-CODE: runs the code in a fresh Octave in a folder of its
# own with the module and the examples on the path; passes on exit status 0.
check() {
  local name=$1 code=$2
  local dir=$WORK/$name
  mkdir -p "$dir"
  local out rc
  out=$(cd "$dir" && timeout 120 octave --no-gui --no-window-system -q --norc --no-history \
        --eval "addpath('$MODULE_DIR'); addpath('$EXAMPLES'); addpath('$ROOT/demo'); $code" 2>&1)
  rc=$?
  if [ $rc -eq 0 ]; then
    passed=$((passed + 1)); echo "  pass  $name"
  else
    failed=$((failed + 1)); echo "  FAIL  $name (exit $rc)"; sed 's/^/        /' <<<"$out" | tail -30
  fi
}

# Every example leaves the module disconnected.
DISCONNECTED="try, VarneloControl('Stop'); error('still connected'); catch e, assert(~isempty(strfind(e.message, 'Device is not connected'))); end"

check acquire_continuous "acquire_continuous;
  s = load('varnelo_acquisition.mat');
  assert(all(isfield(s, {'data', 'receiveTime', 'linesLost', 'conf', 'info', 'settings'})));
  n = size(s.data.ImpedanceModule, 1);
  assert(n >= s.settings.LinesPerCall && isequal(size(s.receiveTime), [n 1]));
  assert(all(diff(s.receiveTime) >= 0) && s.linesLost == 0);
  c = double(s.data.MeasurementCycleCount);
  assert(all(diff(c) == 1), 'every line once, in order');
  assert(isequal(size(s.data.ImpedancePhase), [n 15]) && isa(s.data.ImpedanceModule, 'single'));
  assert(isequal(size(s.data.GPIOState), [n 1]) && isa(s.data.MeasurementCycleCount, 'uint32'));
  assert(all(s.data.ImpedanceModule(:) > 0));
  assert(isequal(size(s.conf.FrequencyBins), [15 1]) && isa(s.conf.FrequencyBins, 'uint16'));
  assert(strncmp(s.info, 'Device[', 7));
  $DISCONNECTED"

check acquire_external_trigger "acquire_external_trigger;
  assert(received == lineCount);
  assert(all(diff(double(d.MeasurementCycleCount)) > 0));
  $DISCONNECTED"

check calibration_roundtrip "calibration_roundtrip;
  assert(isequal(size(zShunt), [1 15]) && iscomplex(zShunt));
  assert(relError < 1e-6);
  assert(isequal(restored.ShuntComplexValues, before.ShuntComplexValues));
  assert(isequal(restored.CompensationComplexValues, before.CompensationComplexValues));
  $DISCONNECTED"

check gpio_lines "gpio_lines;
  assert(first == 0 && second == 43 && isa(second, 'uint8'));
  assert(d.GPIOState(end) == 17);
  $DISCONNECTED"

# The demo of the README's main job: a table and a PNG with the plots.
check record_session "out = evalc('record_session');
  R = VarneloReadRecording('varnelo_session.vnrec');
  assert(numel(R.ReceiveTime) > 500 && all(diff(double(R.Data.MeasurementCycleCount)) == 1));
  assert(isequal(R.Events.Text(strcmp(R.Events.Kind, 'Marker'))', {'stimulus on', 'stimulus off'}));
  assert(any(strcmp(R.Events.Kind, 'SetExcitationLevel')));
  f = fopen('record_session.png'); sig = fread(f, 4)'; fclose(f); assert(isequal(sig, [137 80 78 71]));
  $DISCONNECTED"

# Recovery through the Octave module: an outage of the simulated bus, GetData's InstrumentAway, the restore, the file.
check recover_session "out = evalc('recover_session');
  assert(before > 0 && after >= 250 && awayCalls > 0 && isequal(R.Events.Kind(2:3)', {'SetSamplingDivider', 'Start'}), '%s', out);
  assert(strcmp(R.Events.Text{2}, '4'), 'the recording begins with the divider in force');
  assert(~isempty(strfind(out, 'Instrument lost [31]')) && ~isempty(strfind(out, 'Restored: SetSamplingDivider(4); Start.')), '%s', out);
  assert(isequal(R.Events.Text(back), {'SetSamplingDivider(4); Start'}) && R.Events.Line(lost) == R.Events.Line(back));
  assert(isequal(breaks, R.Events.Line(back)) && status.Lines == numel(cycles) && status.LinesLost == 0);
  $DISCONNECTED"

check demo "out = evalc('varnelo_demo(''fig'')');
  assert(~isempty(strfind(out, 'median |Z|')) && ~isempty(strfind(out, 'Figure:')));
  f = fopen(fullfile('fig', 'varnelo_demo.png'), 'r'); sig = fread(f, 8)'; fclose(f);
  assert(isequal(sig, [137 80 78 71 13 10 26 10]));
  img = imread(fullfile('fig', 'varnelo_demo.png'));
  assert(size(img, 1) > 300 && size(img, 2) > 300 && numel(unique(img(:))) > 2);
  $DISCONNECTED"

# help VarneloControl shows the reference beside the module: every command.
check help "txt = evalc('help VarneloControl');
  words = {'Connect', 'Disconnect', 'GetDevInfo', 'Start', 'Stop', 'GetData', 'SetShuntVal', ...
           'SetCompVal', 'GetConfData', 'SetCompensation', 'SetExcitationLevel', 'SetInputGain', ...
           'SetExternalTrigger', 'SetBatterySupply', 'SetSamplingDivider', 'SetGPIO', 'GetShuntData'};
  for w = words
    assert(~isempty(strfind(txt, ['''' w{1} ''''])), 'help lacks %s', w{1});
  end
  assert(~isempty(strfind(which('VarneloControl'), '.mex')))"

echo "examples: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
