% VarneloReadRecording of 1,000,000 lines next to a bare fread of the same
% bytes. Records the file first: 10 s of the simulated instrument at
% VARNELO_SIM_LINE_RATE (100,000 lines/s in scripts/bench.sh).
name = [tempname() '.vnrec'];
evalc('VarneloControl(''Connect'')');
VarneloControl('StartRecording', name);
VarneloControl('Start');
pause(10.5);
VarneloControl('Stop');
s = VarneloControl('StopRecording');
evalc('VarneloControl(''Disconnect'')');
lines = min(s.Lines, 1e6);
fprintf('octave read-recording: %d lines in the file, reading %d\n', s.Lines, lines);
linesStart = 512 + 65536 * 208;
bare = inf; reader = inf;
for round = 1:3
  tic;
  fid = fopen(name, 'r');
  fseek(fid, linesStart, 'bof');
  B = fread(fid, [208, lines], '*uint8');
  fclose(fid);
  bare = min(bare, toc);
  clear B;
  tic;
  R = VarneloReadRecording(name, 1, lines);
  reader = min(reader, toc);
  assert(numel(R.ReceiveTime) == lines);
  clear R;
end
fprintf('octave read-recording: VarneloReadRecording %.3f s, bare fread %.3f s (%.2fx), best of 3\n', ...
        reader, bare, reader / bare);
delete(name);
