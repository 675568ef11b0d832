function test_stream_status()
  % GetData after host stalls of 0.3 to 2 s at 1 kHz: every row filled and in
  % order, LinesLost equal to the gap in cycle counts, ReceiveTime ordered
  % and within the stall, and the next call going on from there.
  evalc('VarneloControl(''Connect'')');
  VarneloControl('Start');
  [d, s] = VarneloControl('GetData', 5);
  assert(isequal(fieldnames(s)', {'LinesLost', 'LinesWaiting', 'TimedOut', 'ReceiveTime', 'InstrumentAway'}));
  assert(isa(s.LinesLost, 'double') && isa(s.LinesWaiting, 'double'));
  assert(islogical(s.TimedOut) && isscalar(s.TimedOut) && isequal(s.InstrumentAway, false));
  assert(isequal(size(s.ReceiveTime), [5 1]));
  last = double(d.MeasurementCycleCount(end));
  for stall = [0.3 0.7 1.2 2.0]
    % Empty the ring first, so that every line read afterwards came during
    % the stall; that read too goes on from the previous one.
    while s.LinesWaiting > 0
      [d, s] = VarneloControl('GetData', s.LinesWaiting);
      last = expect_continues(d, s, last);
    end
    t0 = time();
    pause(stall);
    t1 = time();
    [d, s] = VarneloControl('GetData', 200);
    assert(all(s.ReceiveTime > 0), 'every row filled after a %.1f s stall', stall);
    assert(~s.TimedOut);
    last = expect_continues(d, s, last);
    assert(all(diff(s.ReceiveTime) >= 0), 'receive times in order');
    assert(s.ReceiveTime(1) >= t0 - 0.01 && s.ReceiveTime(end) <= t1 + 0.01, ...
           'received during the %.1f s stall: %.3f .. %.3f not in %.3f .. %.3f', ...
           stall, s.ReceiveTime(1), s.ReceiveTime(end), t0, t1);
    if stall >= 0.7
      assert(s.LinesLost > 0, 'a %.1f s stall overflows 500 lines at 1 kHz', stall);
    end
  end
  % Printed once with one output, never with two.
  pause(0.8);
  out = evalc('d = VarneloControl(''GetData'', 3);');
  assert(numel(strfind(out, 'Data lines lost: ')) == 1 && ~isempty(strfind(out, ' (ring overflow).')), out);
  pause(0.8);
  out = evalc('[d, s] = VarneloControl(''GetData'', 3);');
  assert(isempty(out) && s.LinesLost > 0, out);
  expect_error_nargout(3, sprintf('\tOne return variable expected\n'), 'GetData', 1);
  VarneloControl('Stop');
  evalc('VarneloControl(''Disconnect'')');
end

function last = expect_continues(d, s, last)
  % The rows follow the line before them, with exactly LinesLost lines missing.
  c = double(d.MeasurementCycleCount(s.ReceiveTime > 0));
  assert(all(diff([last; c]) >= 1), 'in order, no line twice');
  assert(sum(diff([last; c]) - 1) == s.LinesLost, ...
         'LinesLost %d, gaps %d', s.LinesLost, sum(diff([last; c]) - 1));
  if ~isempty(c)
    last = c(end);
  end
end
