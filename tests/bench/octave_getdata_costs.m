% GetData's cost from Octave against the simulated module (run by
% scripts/bench.sh):
%   'cpu'  - the Octave process's CPU share in a GetData(100) loop while the
%            instrument streams at its own pace (1,000 lines/s at divider 1);
%   'call' - GetData(1) per call from a ring that always holds lines
%            (VARNELO_SIM_LINE_RATE set high), next to a bare Octave loop that
%            builds a structure of the same twelve fields, and GetData(1)
%            with the status output.
function octave_getdata_costs(what)
  % A ring deep enough that the fast instrument never overflows it during
  % the 'call' loops: no loss message is printed into the figures.
  evalc('VarneloControl(''Connect'', ''RingLines'', 1000000)');
  VarneloControl('Start');
  pause(0.5);
  switch what
    case 'cpu'
      seconds = 10;
      lines = 0;
      c0 = cputime();
      t0 = tic;
      while toc(t0) < seconds
        d = VarneloControl('GetData', 100);
        lines = lines + numel(d.SysErrors);
      end
      share = (cputime() - c0) / toc(t0);
      printf('octave GetData(100) loop at 1000 lines/s: %.1f %% of one core (%d lines in %.1f s)\n', ...
             100 * share, lines, toc(t0));
    case 'call'
      n = 20000;
      t0 = tic;
      for k = 1:n
        d = VarneloControl('GetData', 1);
      end
      perCall = toc(t0) / n;
      t0 = tic;
      for k = 1:n
        [d, s] = VarneloControl('GetData', 1);
      end
      perCallStatus = toc(t0) / n;
      t0 = tic;
      for k = 1:n
        d = struct('SysErrors', zeros(1, 1, 'uint16'), 'MeasurementCycleCount', zeros(1, 1, 'uint32'), ...
                   'MeasurementCyclePeriod', zeros(1, 1, 'uint32'), 'MaxChA', zeros(1, 1, 'uint16'), ...
                   'MinChA', zeros(1, 1, 'uint16'), 'MaxChB', zeros(1, 1, 'uint16'), ...
                   'MinChB', zeros(1, 1, 'uint16'), 'ImpedanceModule', zeros(1, 15, 'single'), ...
                   'ImpedancePhase', zeros(1, 15, 'single'), 'BatteryLevel', zeros(1, 1, 'uint16'), ...
                   'ChargerStatus', zeros(1, 1, 'uint16'), 'GPIOState', zeros(1, 1, 'uint16'));
      end
      bare = toc(t0) / n;
      printf('octave GetData(1): %.1f us per call; with the status output %.1f us; a bare loop building the same structure %.1f us\n', ...
             1e6 * perCall, 1e6 * perCallStatus, 1e6 * bare);
  end
  VarneloControl('Stop');
  evalc('VarneloControl(''Disconnect'')');
end
