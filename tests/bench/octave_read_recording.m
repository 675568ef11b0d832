% VarneloReadRecording of 1,000,000 lines next to a bare fread of the same
% bytes, and of a file at the event limit next to reading 100,000 lines.
% Records the files first: 10 s of the simulated instrument at
% VARNELO_SIM_LINE_RATE (100,000 lines/s in scripts/bench.sh), then markers
% until the module refuses one.
name = [tempname() '.vnrec'];
evalc('VarneloControl(''Connect'')');
VarneloControl('StartRecording', name);
VarneloControl('Start');
pause(10.5);
VarneloControl('Stop');
s = VarneloControl('StopRecording');
lines = min(s.Lines, 1e6);
fprintf('octave read-recording: %d lines in the file, reading %d\n', s.Lines, lines);

full = [tempname() '.vnrec'];
VarneloControl('StartRecording', full);
markers = 0;
try
  while true
    VarneloControl('AddMarker', sprintf('marker %d', markers + 1));
    markers = markers + 1;
  end
catch err
  refused = strtrim(err.message);
end
VarneloControl('StopRecording');
evalc('VarneloControl(''Disconnect'')');
fprintf('octave read-recording: %d markers taken, then "%s"\n', markers, refused);

linesStart = 512 + 65536 * 208;
bare = inf; bareSingle = inf; reader = inf; tenth = inf; limit = inf; limitPart = inf;
for round = 1:3
  tic;
  fid = fopen(name, 'r');
  fseek(fid, linesStart, 'bof');
  B = fread(fid, [208, lines], '*uint8');
  fclose(fid);
  bare = min(bare, toc);
  clear B;
  tic;
  fid = fopen(name, 'r');
  fseek(fid, linesStart, 'bof');
  B = fread(fid, [52, lines], '*single');
  fclose(fid);
  bareSingle = min(bareSingle, toc);
  clear B;
  tic;
  R = VarneloReadRecording(name, 1, lines);
  reader = min(reader, toc);
  assert(numel(R.ReceiveTime) == lines);
  clear R;
  tic;
  R = VarneloReadRecording(name, 1, 100000);
  tenth = min(tenth, toc);
  tic;
  R = VarneloReadRecording(full);
  limit = min(limit, toc);
  assert(numel(R.Events.Kind) == markers + 2);
  tic;
  R = VarneloReadRecording(full, 1, 1);
  limitPart = min(limitPart, toc);
  clear R;
end
fprintf(['octave read-recording: VarneloReadRecording %.3f s, bare fread %.3f s (%.2fx), ' ...
         'as singles %.3f s (%.2fx), best of 3\n'], reader, bare, reader / bare, bareSingle, ...
        reader / bareSingle);
fprintf(['octave read-recording: %d events %.3f s, part (f, 1, 1) %.3f s; ' ...
         '100,000 lines %.3f s, best of 3\n'], markers + 2, limit, limitPart, tenth);
delete(name);
delete(full);
