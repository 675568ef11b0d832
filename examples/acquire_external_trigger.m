%ACQUIRE_EXTERNAL_TRIGGER Externally triggered acquisition.
%   With external triggering on, the instrument measures one line per edge
%   on its SYNC-IO input instead of pacing itself. GetData then waits up to
%   about 10 s per line, so a missing trigger ends in a printed time-out
%   rather than an error. The simulated instrument triggers itself 20 times
%   a second.

lineCount = 10;

VarneloControl('Connect');
try
  % 'On' is accepted in idle mode only; the module prints a warning about
  % switching it off again (the instrument ignores 'Off' while SYNC-IO is
  % high).
  VarneloControl('SetExternalTrigger', 'On');
  d = VarneloControl('GetData', lineCount);
  % Start, Stop, GetConfData and SetSamplingDivider are refused in this
  % mode; 'Off' returns to idle.
  VarneloControl('SetExternalTrigger', 'Off');
catch err
  VarneloControl('Disconnect');   % also switches the trigger off
  rethrow(err);
end
VarneloControl('Disconnect');

received = sum(any(d.ImpedanceModule ~= 0, 2));
fprintf('Triggered lines: %d of %d, cycles %d to %d\n', received, lineCount, ...
        d.MeasurementCycleCount(1), d.MeasurementCycleCount(received));
fprintf('Median |Z| at the first bin: %.1f\n', median(double(d.ImpedanceModule(1:received, 1))));
