%RECOVER_SESSION An instrument drops off the bus and is taken back into the same run.
%   Connect with 'Reconnect', 'On' makes the module wait for an instrument
%   that leaves the bus (a bumped cable, a hub that resets, a brown-out),
%   take the same one back, send it the settings again, resume the
%   measurement, and go on recording into the same file, the outage marked
%   in it. The simulated build pulls its instrument on request:
%   VARNELO_SIM_OUTAGES='2500+1000' takes it off the bus for 1 s, 2.5 s after
%   Connect. The script reads lines with GetData meanwhile (its status says
%   when the instrument is away), then reads the recording back and lists
%   its events: the settings in force at the start, the outage, the return.

fileName = 'varnelo_recovery.vnrec';
if exist(fileName, 'file')
  delete(fileName);   % StartRecording never overwrites a file
end
% The simulated bus reads its variables when the module first opens an
% instrument after loading: unload the module (it is not connected here).
clear VarneloControl
setenv('VARNELO_SIM_OUTAGES', '2500+1000');

VarneloControl('Connect', 'Reconnect', 'On');
try
  VarneloControl('SetSamplingDivider', 4);         % 250 lines/s
  VarneloControl('StartRecording', fileName);      % begins with the settings sent so far
  VarneloControl('Start');
  % Read until the instrument has been away and 250 lines came after its
  % return (20 s at most, for a slow machine).
  before = 0;
  after = 0;
  awayCalls = 0;
  t0 = tic;
  while after < 250 && toc(t0) < 20
    [d, s] = VarneloControl('GetData', 25);
    got = nnz(s.ReceiveTime);                       % rows left 0 by a time-out do not count
    if awayCalls > 0
      after = after + got;
    else
      before = before + got;
    end
    if s.InstrumentAway
      awayCalls = awayCalls + 1;                    % no line and no time-out message
    end
  end
  VarneloControl('Stop');
  status = VarneloControl('StopRecording');
  VarneloControl('Disconnect');
catch err
  VarneloControl('Disconnect');                     % also ends the recording cleanly
  setenv('VARNELO_SIM_OUTAGES', '');
  rethrow(err);
end
setenv('VARNELO_SIM_OUTAGES', '');
fprintf('GetData: %d lines before the outage, %d after it; %d calls found the instrument away\n', ...
        before, after, awayCalls);
fprintf('Recorded %d lines to %s, %d lost\n', status.Lines, status.FileName, status.LinesLost);

R = VarneloReadRecording(fileName);
for k = 1:numel(R.Events.Time)
  fprintf('  %7.3f s  line %6d  %-18s %s\n', R.Events.Time(k) - R.Header.StartTime, ...
          R.Events.Line(k), R.Events.Kind{k}, R.Events.Text{k});
end
lost = find(strcmp(R.Events.Kind, 'InstrumentLost'), 1);
back = find(strcmp(R.Events.Kind, 'InstrumentBack'), 1);
% The instrument came back powered up afresh: its cycle count starts again
% at the first line after the outage, the only break in the file.
cycles = double(R.Data.MeasurementCycleCount);
breaks = find(diff(cycles) ~= 1) + 1;
fprintf('Off the bus for %.2f s; lines %d to %d before, %d to %d after; cycle count breaks at line %s\n', ...
        R.Events.Time(back) - R.Events.Time(lost), 1, R.Events.Line(back) - 1, ...
        R.Events.Line(back), numel(cycles), mat2str(breaks'));
