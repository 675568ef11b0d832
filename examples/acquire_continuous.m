%ACQUIRE_CONTINUOUS Continuous acquisition saved to a .mat file with the configuration.
%   Connects, reads the instrument's configuration, streams one second of
%   impedance lines at a chosen sampling divider and saves the lines, the
%   configuration and the settings used to varnelo_acquisition.mat in the
%   current folder. Load it later with load('varnelo_acquisition.mat').

outFile = 'varnelo_acquisition.mat';
settings = struct('SamplingDivider', 20, 'ExcitationLevel', 180, ...
                  'GainA', '2x', 'GainB', '2x', 'Seconds', 1, 'LinesPerCall', 25);

VarneloControl('Connect');
try
  info = VarneloControl('GetDevInfo');
  conf = VarneloControl('GetConfData');   % idle mode only: read it before Start

  VarneloControl('SetSamplingDivider', settings.SamplingDivider);
  VarneloControl('SetExcitationLevel', settings.ExcitationLevel);
  VarneloControl('SetInputGain', settings.GainA, settings.GainB);

  % GetData returns the oldest unread lines of the module's 500-line ring.
  % Calling it in a loop with a moderate count keeps the ring from
  % overflowing; the loop below collects whole calls until the time is up.
  VarneloControl('Start');
  chunks = {};
  t0 = tic;
  while toc(t0) < settings.Seconds
    chunks{end + 1} = VarneloControl('GetData', settings.LinesPerCall); %#ok<SAGROW>
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
save('-v7', outFile, 'data', 'conf', 'info', 'settings');
fprintf('Saved %d lines x %d bins to %s\n', size(data.ImpedanceModule, 1), ...
        size(data.ImpedanceModule, 2), outFile);
