% GetData(500) per line from Octave, with the status output, measured as
% tests/bench/python_read.py measures read(500) from Python: the simulated
% instrument streams at VARNELO_SIM_LINE_RATE lines per second (set by
% scripts/bench.sh) into a ring deep enough that lines always wait.
calls = 80;   % x 500 lines: fewer than the ring holds after the pause
evalc('VarneloControl(''Connect'', ''RingLines'', 1000000)');
VarneloControl('Start');
% Timed only once the ring holds every line the loop takes: a simulated
% instrument that fell behind its pace skips lines, and a GetData that waits
% for lines would time the instrument, not GetData.
[d, s] = VarneloControl('GetData', 1);
waited = tic;
while s.LinesWaiting < calls * 500 && toc(waited) < 10
  pause(0.05);
  [d, s] = VarneloControl('GetData', 1);
end
lost = 0;
t0 = tic;
for k = 1:calls
  [d, s] = VarneloControl('GetData', 500);
  lost = lost + s.LinesLost;
end
perLine = toc(t0) / (calls * 500);
VarneloControl('Stop');
evalc('VarneloControl(''Disconnect'')');
printf('octave GetData(500): %.0f ns per line (%d calls, %d lines lost)\n', perLine * 1e9, calls, lost);
