function test_lifecycle_stream()
  % 1000 lines in calls of various sizes: consecutive counters, no gap, no
  % duplicate; Stop then Start returns the unread old lines first. GetData's
  % time-outs under load are no lost lines (take_cycle_counts).
  evalc('VarneloControl(''Connect'')');
  VarneloControl('Start');
  counts = take_cycle_counts(1000, [1 7 50 192 250 500]);
  assert(numel(counts) == 1000, 'all lines arrived');
  assert(all(diff(counts) == 1), 'counters are consecutive');
  d = VarneloControl('GetData', 2.9);
  assert(numel(d.SysErrors) == 2, '2.9 asks for 2 lines');
  filled = double(d.MeasurementCycleCount(d.MeasurementCyclePeriod ~= 0));
  last = max([counts; filled]);
  % Lines arrive after the last read, so the ring holds unread lines; the
  % pause is long enough for that on any machine, where a line takes 1 ms.
  pause(0.2);
  VarneloControl('Stop');
  pause(0.05);
  VarneloControl('Start');
  first = take_cycle_counts(1, 1);
  assert(isequal(first, last + 1), 'the unread old line comes first');
  VarneloControl('Stop');
  evalc('VarneloControl(''Disconnect'')');
end
