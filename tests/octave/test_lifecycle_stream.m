function test_lifecycle_stream()
  % 1000 lines in calls of various sizes: consecutive counters, no gap, no
  % duplicate; Stop then Start returns the unread old lines first.
  evalc('VarneloControl(''Connect'')');
  VarneloControl('Start');
  counts = [];
  sizes = [1 7 50 192 250 500];
  k = 1;
  while numel(counts) < 1000
    n = min(sizes(k), 1000 - numel(counts));
    d = VarneloControl('GetData', n);
    assert(isa(d.MeasurementCycleCount, 'uint32'));
    assert(isequal(size(d.ImpedanceModule), [n 15]));
    assert(isa(d.ImpedanceModule, 'single'));
    counts = [counts; double(d.MeasurementCycleCount)];
    k = mod(k, numel(sizes)) + 1;
  end
  assert(all(diff(counts) == 1), 'counters are consecutive');
  d = VarneloControl('GetData', 2.9);
  assert(numel(d.SysErrors) == 2, '2.9 asks for 2 lines');
  last = double(d.MeasurementCycleCount(end));
  pause(0.03);  % lines arrive after the last read: the ring holds unread lines
  VarneloControl('Stop');
  pause(0.05);
  VarneloControl('Start');
  d = VarneloControl('GetData', 1);
  assert(double(d.MeasurementCycleCount(1)) == last + 1, 'the unread old line comes first');
  VarneloControl('Stop');
  evalc('VarneloControl(''Disconnect'')');
end
