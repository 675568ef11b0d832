% Sustained throughput from an Octave loop of GetData(500) against the
% simulated instrument streaming at VARNELO_SIM_LINE_RATE lines per second
% (set by scripts/bench.sh). Reports lines per second and counts the lines
% lost or repeated on the way.
seconds = 10;
evalc('VarneloControl(''Connect'')');
VarneloControl('Start');
pause(0.05);
total = 0;
lost = 0;
repeated = 0;
last = -1;
t0 = tic;
while toc(t0) < seconds
  d = VarneloControl('GetData', 500);
  c = double(d.MeasurementCycleCount);
  if last >= 0
    steps = diff([last; c]);
  else
    steps = diff(c);
  end
  lost = lost + sum(steps(steps > 1) - 1);
  repeated = repeated + sum(steps < 1);
  last = c(end);
  total = total + numel(c);
end
elapsed = toc(t0);
VarneloControl('Stop');
evalc('VarneloControl(''Disconnect'')');
printf('octave GetData(500) loop: %.0f lines/s over %.1f s, %d lines lost, %d repeated (instrument rate %s lines/s)\n', ...
       total / elapsed, elapsed, lost, repeated, getenv('VARNELO_SIM_LINE_RATE'));
