% VarneloReadRecording of 1,000,000 lines next to a bare fread of the same
% bytes (as uint8, and as the singles the reader reads), and of a file at the
% event limit next to reading 100,000 lines. Records the files first: 10 s
% of the simulated instrument at VARNELO_SIM_LINE_RATE (100,000 lines/s in
% scripts/bench.sh), then markers until the module refuses one.
name = [tempname() '.vnrec'];
full = [tempname() '.vnrec'];
evalc('VarneloControl(''Connect'')');
VarneloControl('StartRecording', name);
VarneloControl('Start');
pause(10.5);
VarneloControl('Stop');
s = VarneloControl('StopRecording');
VarneloControl('StartRecording', full);
markers = 0;
try
  while true
    VarneloControl('AddMarker', sprintf('marker %d', markers + 1));
    markers = markers + 1;
  end
catch err
end
VarneloControl('StopRecording');
evalc('VarneloControl(''Disconnect'')');
lines = min(s.Lines, 1e6);
fprintf('octave read-recording: %d lines in the file, reading %d; %d markers, then "%s"\n', ...
        s.Lines, lines, markers, strtrim(err.message));
linesStart = 512 + 65536 * 208;
best = inf(1, 6);
for round = 1:3
  for k = 1:2  % the same bytes as uint8, then as singles
    fid = fopen(name, 'r');
    fseek(fid, linesStart, 'bof');
    tic; B = fread(fid, [208 / k^2, lines], {'*uint8', '*single'}{k}); best(k) = min(best(k), toc);
    fclose(fid); clear B;
  end
  tic; R = VarneloReadRecording(name, 1, lines); best(3) = min(best(3), toc);
  assert(numel(R.ReceiveTime) == lines);
  tic; R = VarneloReadRecording(name, 1, 100000); best(4) = min(best(4), toc);
  tic; R = VarneloReadRecording(full); best(5) = min(best(5), toc);
  assert(numel(R.Events.Kind) == markers + 2);
  tic; R = VarneloReadRecording(full, 1, 1); best(6) = min(best(6), toc);
end
fprintf(['octave read-recording: VarneloReadRecording %.3f s, bare fread %.3f s (%.2fx), ' ...
         'as singles %.3f s (%.2fx), best of 3\n'], best(3), best(1), best(3) / best(1), best(2), ...
        best(3) / best(2));
fprintf('octave read-recording: 100,000 lines %.3f s; %d events %.3f s, part (f, 1, 1) %.3f s\n', ...
        best(4), markers + 2, best(5), best(6));
delete(name, full);
