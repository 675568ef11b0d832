%RECORD_SESSION Record 10 s to disk with two markers, read the file back, plot one bin.
%   The module writes every line to varnelo_session.vnrec from a thread of
%   its own: this script never calls GetData while it records, as a script
%   that runs a stimulation protocol would not. Afterwards it reads the file
%   with VarneloReadRecording (no module needed for that), prints what is in
%   it and plots |Z| over time at one bin, with the markers, into
%   record_session.png in the current folder.

fileName = 'varnelo_session.vnrec';
if exist(fileName, 'file')
  delete(fileName);   % StartRecording never overwrites a file
end

VarneloControl('Connect');
try
  VarneloControl('SetSamplingDivider', 10);        % 100 lines/s
  VarneloControl('StartRecording', fileName);      % idle: the header gets the configuration
  VarneloControl('Start');
  pause(3);
  VarneloControl('AddMarker', 'stimulus on');
  VarneloControl('SetExcitationLevel', 200);       % written into the file as an event
  pause(4);
  VarneloControl('AddMarker', 'stimulus off');
  pause(3);
  VarneloControl('Stop');
  status = VarneloControl('StopRecording');
  VarneloControl('Disconnect');
catch err
  % Disconnect also ends a running recording with a complete file.
  VarneloControl('Disconnect');
  rethrow(err);
end
fprintf('Recorded %d lines (%.1f MB) to %s, %d lost\n', status.Lines, status.Bytes / 1e6, ...
        status.FileName, status.LinesLost);

R = VarneloReadRecording(fileName);
t = R.ReceiveTime - R.ReceiveTime(1);
fprintf('%s, S/N %s, started %s UTC\n', R.Header.DeviceInfo, R.Header.SerialNumber, ...
        datestr(R.Header.StartTime / 86400 + datenum(1970, 1, 1)));
for k = 1:numel(R.Events.Time)
  fprintf('  line %6d  %-20s %s\n', R.Events.Line(k), R.Events.Kind{k}, R.Events.Text{k});
end

bin = 8;
freqHz = double(R.Header.ConfData.FrequencyBins) * 1000;   % the simulated instrument's bins
device = '-dpng';
if exist('OCTAVE_VERSION', 'builtin')
  % Headless Octave draws through gnuplot's cairo PNG terminal.
  warning('off', 'Octave:gnuplot-graphics');
  warning('off', 'print:nogs');
  graphics_toolkit('gnuplot');
  device = '-dpngcairo';
end
fig = figure('visible', 'off');
plot(t, R.Data.ImpedanceModule(:, bin), '.-');
hold on;
isMarker = strcmp(R.Events.Kind, 'Marker');
for k = find(isMarker)'
  x = t(min(R.Events.Line(k), numel(t)));
  plot([x x], ylim(), 'r-');
  text(x, max(ylim()), [' ' R.Events.Text{k}], 'verticalalignment', 'top');
end
hold off;
grid on;
xlabel('time (s)');
ylabel('|Z| (ohm)');
title(sprintf('|Z| at the %g Hz bin, with the markers', freqHz(bin)));
print(fig, 'record_session.png', device);
close(fig);
fprintf('Plot: record_session.png\n');
