function test_recording_inputs()
  % Names, texts and words that are not one row of UTF-8 text without a zero
  % are refused and leave nothing in the folder or the file; a relative name
  % is reported as the full path of the file created; Disconnect prints the
  % final status of the recording it ends.
  folder = tempname();
  mkdir(folder);
  cleanup = onCleanup(@() remove_folder(folder));
  evalc('VarneloControl(''Connect'')');
  here = pwd();
  cd(folder);
  unwind_protect
    notName = sprintf('\tArgument 2. is not a file name.\n');
    expect_error(notName, 'StartRecording', ['n.vnrec' char(0) 'x']);
    expect_error(notName, 'StartRecording', char([255 254 65]));
    expect_error(notName, 'StartRecording', ['ab'; 'cd']);
    assert(numel(dir(folder)) == 2, 'a refused name created a file');
    VarneloControl('StartRecording', 'rel.vnrec');
  unwind_protect_cleanup
    cd(here);
  end_unwind_protect
  notText = sprintf('\tArgument 2. is not text.\n');
  expect_error(notText, 'AddMarker', char([255 254 65]));
  expect_error(notText, 'AddMarker', ['ab' char(0) 'cd']);
  expect_error(notText, 'AddMarker', ['ab'; 'cd']);
  expect_error(sprintf('\tUnknown command.\n'), ['Stop' char(0) 'x']);
  expect_error(sprintf('\tCommand syntax error.\n'), 'SetBatterySupply', ['O'; 'n']);

  s = VarneloControl('GetRecordingStatus');
  full = fullfile(canonicalize_file_name(folder), 'rel.vnrec');
  assert(strcmp(s.FileName, full), 'FileName is "%s"', s.FileName);
  printed = evalc('VarneloControl(''Disconnect'')');
  ended = sprintf('\tRecording ended by Disconnect: %s, 0 lines, 0 lines lost.\n', full);
  assert(~isempty(strfind(printed, ended)), 'printed: %s', printed);
  R = VarneloReadRecording(s.FileName);
  assert(isequal(R.Events.Kind', {'RecordingStart', 'RecordingEnd'}), 'a refused call was noted');
end

function remove_folder(folder)
  confirm_recursive_rmdir(false, 'local');
  rmdir(folder, 's');
end
