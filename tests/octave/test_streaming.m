function test_streaming()
  % The stream's commands through the Octave module: their refusals, which
  % change nothing, a marker while only a stream runs, and the final status.
  evalc('VarneloControl(''Connect'')');
  cleanup = onCleanup(@disconnect_quietly);
  expect_error(sprintf('\tNo streaming to stop.\n'), 'StopStreaming');
  expect_error(sprintf('\tArgument 2. is not a stream name.\n'), 'StartStreaming', ['ab'; 'cd']);
  expect_error(sprintf('\tStream name is empty.\n'), 'StartStreaming', '');
  expect_error(sprintf('\tNo recording running, send ''StartRecording'' command.\n'), 'AddMarker', 'x');
  VarneloControl('StartStreaming', 'Octave test');
  expect_error(sprintf('\tStreaming already running, send ''StopStreaming'' command.\n'), 'StartStreaming');
  VarneloControl('Start');
  pause(0.3);
  VarneloControl('AddMarker', 'x');
  VarneloControl('Stop');
  s = VarneloControl('StopStreaming');
  assert(strcmp(s.Name, 'Octave test') && strcmp(s.SourceId, 'varnelo-VN2024-0001') && ~s.Streaming);
  assert(s.LinesPushed > 100 && s.LinesNotPushed == 0, 'pushed %d, not %d', s.LinesPushed, s.LinesNotPushed);
  assert(s.MarkersPushed == 3, 'Start, the marker and Stop: %d', s.MarkersPushed);
  assert(isequal(VarneloControl('GetStreamingStatus'), s));
end
