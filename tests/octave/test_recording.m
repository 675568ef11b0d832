function test_recording()
  % About 10 s at 1 kHz recorded while the host never calls GetData: the
  % file holds every line, in order, once, with ordered receive times, and
  % the ring's newest lines, taken afterwards with GetData, are the file's
  % last lines field for field. A part read alone equals the same rows.
  name = [tempname() ' µΩ.vnrec'];
  cleanup = onCleanup(@() delete_if_there(name));
  evalc('VarneloControl(''Connect'')');
  VarneloControl('StartRecording', name);
  VarneloControl('Start');
  pause(5);
  VarneloControl('AddMarker', 'halfway, Ω');
  pause(5);
  [d, s] = VarneloControl('GetData', 500);
  VarneloControl('Stop');
  status = VarneloControl('StopRecording');
  evalc('VarneloControl(''Disconnect'')');
  assert(strcmp(status.FileName, name) && ~status.Recording && isempty(status.Error));

  R = VarneloReadRecording(name);
  n = numel(R.ReceiveTime);
  assert(n == status.Lines && n > 8000, 'lines: %d, status %d', n, status.Lines);
  assert(~R.Truncated && R.LinesLost == 0);
  cycles = double(R.Data.MeasurementCycleCount);
  assert(cycles(1) == 0 && all(diff(cycles) == 1), 'every line from the first, once, in order');
  assert(all(diff(R.ReceiveTime) >= 0));
  % Connect's divider of 1 is the setting in force at the start.
  assert(isequal(R.Events.Kind', {'RecordingStart', 'SetSamplingDivider', 'Start', 'Marker', 'Stop', 'RecordingEnd'}));
  assert(strcmp(R.Events.Text{4}, 'halfway, Ω') && R.Events.Line(4) > 4000 && R.Events.Line(4) < 6000);
  assert(strcmp(R.Events.Text{2}, '1') && R.Events.Line(3) == 1 && R.Events.Line(5) == n + 1);
  % Started idle: the header has the configuration, as GetConfData gives it.
  c = R.Header.ConfData;
  assert(c.FrequencyCount == 15 && isequal(size(c.FrequencyBins), [15 1]));
  assert(isa(c.ShuntComplexValues, 'single') && ~isreal(c.CompensationComplexValues));

  % The ring's newest 500 lines are the file's rows with the same cycle counts.
  assert(~s.TimedOut && s.LinesLost > 0);
  rows = find(cycles == double(d.MeasurementCycleCount(1))) + (0:499)';
  for f = fieldnames(d)'
    assert(isequal(R.Data.(f{1})(rows, :), d.(f{1})), 'field %s', f{1});
    assert(strcmp(class(R.Data.(f{1})), class(d.(f{1}))));
  end
  assert(isequal(R.ReceiveTime(rows), s.ReceiveTime));

  first = R.Events.Line(4) - 500;
  P = VarneloReadRecording(name, first, 1000);
  assert(isequal(P.Data.ImpedancePhase, R.Data.ImpedancePhase(first:first + 999, :)));
  assert(isequal(P.ReceiveTime, R.ReceiveTime(first:first + 999)));
  assert(isequal(P.Events.Kind', {'Marker'}) && P.Events.Line == R.Events.Line(4));
  % A name of two rows is refused, not read column-wise as another name.
  try
    VarneloReadRecording([name; name]);
    error('a two-row name was taken');
  catch err
    assert(strcmp(err.message, 'The first argument is the name of a recording file.'), err.message);
  end
end

function delete_if_there(name)
  if exist(name, 'file'), delete(name); end
end
