%ACQUIRE_CONTINUOUS Continuous acquisition saved to a .mat file with the configuration.
%   Connects with a ring deep enough for the script's pauses, reads the
%   instrument's configuration, streams one second of impedance lines at a
%   chosen sampling divider and saves the lines, their receive times, the
%   stream's losses, the configuration and the settings used to
%   varnelo_acquisition.mat in the current folder. Load it later with
%   load('varnelo_acquisition.mat').

outFile = 'varnelo_acquisition.mat';
settings = struct('SamplingDivider', 20, 'ExcitationLevel', 180, ...
                  'GainA', '2x', 'GainB', '2x', 'Seconds', 1, 'LinesPerCall', 25, ...
                  'RingLines', 60000);

% The module keeps arriving lines in a ring until GetData takes them. 500
% lines last half a second at the instrument's fastest pace; a script that
% plots or saves between reads asks for a deeper ring: 60,000 lines hold a
% minute at 1,000 lines/s (12 MB).
VarneloControl('Connect', 'RingLines', settings.RingLines);
try
  info = VarneloControl('GetDevInfo');
  conf = VarneloControl('GetConfData');   % idle mode only: read it before Start

  VarneloControl('SetSamplingDivider', settings.SamplingDivider);
  VarneloControl('SetExcitationLevel', settings.ExcitationLevel);
  VarneloControl('SetInputGain', settings.GainA, settings.GainB);

  % GetData returns the oldest unread lines, in order. Its second output
  % tells what happened to the stream: LinesLost (lines dropped because the
  % ring was full since the previous call), LinesWaiting, TimedOut and the
  % ReceiveTime of each row in POSIX seconds.
  VarneloControl('Start');
  chunks = {};
  receiveTime = [];
  linesLost = 0;
  t0 = tic;
  while toc(t0) < settings.Seconds
    [chunk, status] = VarneloControl('GetData', settings.LinesPerCall);
    filled = status.ReceiveTime > 0;   % rows after a time-out stay 0
    names = fieldnames(chunk);
    for f = 1:numel(names)
      chunk.(names{f}) = chunk.(names{f})(filled, :);
    end
    chunks{end + 1} = chunk; %#ok<SAGROW>
    receiveTime = [receiveTime; status.ReceiveTime(filled)]; %#ok<AGROW>
    linesLost = linesLost + status.LinesLost;
  end
  VarneloControl('Stop');

  % One structure with all rows: every field has one row per line.
  data = chunks{1};
  names = fieldnames(data);
  for c = 2:numel(chunks)
    for f = 1:numel(names)
      data.(names{f}) = [data.(names{f}); chunks{c}.(names{f})];
    end
  end
catch err
  VarneloControl('Disconnect');
  rethrow(err);
end
VarneloControl('Disconnect');

% -v7 writes a file that MATLAB and Octave both read.
save('-v7', outFile, 'data', 'receiveTime', 'linesLost', 'conf', 'info', 'settings');
fprintf('Saved %d lines x %d bins to %s (%d lines lost)\n', size(data.ImpedanceModule, 1), ...
        size(data.ImpedanceModule, 2), outFile, linesLost);
