% Sustained throughput from an Octave loop of GetData(500) against the
% simulated instrument streaming at VARNELO_SIM_LINE_RATE lines per second
% (set by scripts/bench.sh). Reports lines per second and checks that no
% line was lost or duplicated on the way.
seconds = 10;
evalc('VarneloControl(''Connect'')');
VarneloControl('Start');
pause(0.05);
total = 0;
gaps = 0;
last = -1;
t0 = tic;
while toc(t0) < seconds
  d = VarneloControl('GetData', 500);
  c = double(d.MeasurementCycleCount);
  if last >= 0
    gaps = gaps + sum(diff([last; c]) ~= 1);
  else
    gaps = gaps + sum(diff(c) ~= 1);
  end
  last = c(end);
  total = total + numel(c);
end
elapsed = toc(t0);
VarneloControl('Stop');
evalc('VarneloControl(''Disconnect'')');
printf('octave GetData(500) loop: %.0f lines/s over %.1f s, %d gaps or duplicates (instrument rate %s lines/s)\n', ...
       total / elapsed, elapsed, gaps, getenv('VARNELO_SIM_LINE_RATE'));
