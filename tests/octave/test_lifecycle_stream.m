function test_lifecycle_stream()
  % 1000 lines in calls of various sizes: in order, no duplicate, every gap
  % reported as lost; Stop then Start begins with lines of the new run.
  evalc('VarneloControl(''Connect'')');
  VarneloControl('Start');
  counts = [];
  lost = 0;
  sizes = [1 7 50 192 250 500];
  k = 1;
  while numel(counts) < 1000
    n = min(sizes(k), 1000 - numel(counts));
    [d, s] = VarneloControl('GetData', n);
    assert(isa(d.MeasurementCycleCount, 'uint32'));
    assert(isequal(size(d.ImpedanceModule), [n 15]));
    assert(isa(d.ImpedanceModule, 'single'));
    % A call that timed out on a busy machine returns fewer rows.
    filled = nnz(s.ReceiveTime);
    assert(filled == n || s.TimedOut);
    counts = [counts; double(d.MeasurementCycleCount(1:filled))];
    lost = lost + s.LinesLost;
    k = mod(k, numel(sizes)) + 1;
  end
  assert(all(diff(counts) >= 1), 'in order, no line twice');
  assert(sum(diff(counts) - 1) + counts(1) == lost, 'every gap counted as lost');
  d = VarneloControl('GetData', 2.9);
  assert(numel(d.SysErrors) == 2, '2.9 asks for 2 lines');
  last = double(d.MeasurementCycleCount(end));
  pause(0.3);  % about 300 lines arrive unread
  VarneloControl('Stop');
  pause(0.05);
  VarneloControl('Start');
  [d, s] = VarneloControl('GetData', 1);
  assert(double(d.MeasurementCycleCount(1)) > last + 200, 'an unread line of the old run came first');
  assert(s.LinesLost == 0, 'discarded lines are not counted as lost');
  VarneloControl('Stop');
  evalc('VarneloControl(''Disconnect'')');
end
