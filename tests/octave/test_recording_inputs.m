function test_recording_inputs()
  % A name or text that is not one row of UTF-8 without a zero is refused and
  % leaves nothing behind, and such a word matches none; FileName is the full
  % path; Disconnect prints the status of the recording it ends.
  folder = tempname();
  mkdir(folder);
  here = pwd();
  cleanup = onCleanup(@() cd(here));
  evalc('VarneloControl(''Connect'')');
  cd(folder);
  for name = {['n.vnrec' char(0) 'x'], char([255 254 65]), ['ab'; 'cd']}
    expect_error(sprintf('\tArgument 2. is not a file name.\n'), 'StartRecording', name{1});
  end
  assert(numel(dir(folder)) == 2, 'a refused name created a file');
  VarneloControl('StartRecording', 'rel.vnrec');
  cd(here);
  for text = {['ab' char(0) 'cd'], char([255 254 65]), ['ab'; 'cd']}
    expect_error(sprintf('\tArgument 2. is not text.\n'), 'AddMarker', text{1});
  end
  expect_error(sprintf('\tUnknown command.\n'), ['Stop' char(0) 'x']);
  expect_error(sprintf('\tCommand syntax error.\n'), 'SetBatterySupply', ['O'; 'n']);
  full = fullfile(canonicalize_file_name(folder), 'rel.vnrec');
  s = VarneloControl('GetRecordingStatus');
  printed = evalc('VarneloControl(''Disconnect'')');
  ended = sprintf('\tRecording ended by Disconnect: %s, 0 lines, 0 lines lost.\n', full);
  assert(~isempty(strfind(printed, ended)), 'printed: %s', printed);
  R = VarneloReadRecording(s.FileName);
  assert(isequal(R.Events.Kind', {'RecordingStart', 'SetSamplingDivider', 'RecordingEnd'}), ...
         'a refused call was noted');
  delete(full);
  rmdir(folder);
end
