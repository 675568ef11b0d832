% The cost of GetData from Octave, measured as tests/bench/python_read.py
% measures read() from Python, against the simulated instrument streaming at
% VARNELO_SIM_LINE_RATE lines per second (lines always wait in the ring):
% GetData(1) per call, and GetData(500) from a full ring per line.
calls = 20000;
samples = 50;
evalc('VarneloControl(''Connect'')');
VarneloControl('Start');
pause(0.05);
for k = 1:1000
  d = VarneloControl('GetData', 1);
end
t0 = tic;
for k = 1:calls
  d = VarneloControl('GetData', 1);
end
perCall = toc(t0) / calls;
perLine = zeros(samples, 1);
for k = 1:samples
  pause(0.02);
  t0 = tic;
  d = VarneloControl('GetData', 500);
  perLine(k) = toc(t0) / 500;
end
VarneloControl('Stop');
evalc('VarneloControl(''Disconnect'')');
printf('octave GetData(1): %.1f us per call (mean of %d)\n', perCall * 1e6, calls);
printf('octave GetData(500) from a full ring: %.0f ns per line (median of %d calls)\n', ...
       median(perLine) * 1e9, samples);
