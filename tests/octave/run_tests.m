function run_tests(pattern)
  % Runs every test_*.m function in this folder whose name matches pattern
  % and prints "octave: N passed, M failed". Each test starts disconnected.
  if nargin < 1
    pattern = 'test_*.m';
  end
  here = fileparts(mfilename('fullpath'));
  files = dir(fullfile(here, pattern));
  passed = 0;
  failed = 0;
  for k = 1:numel(files)
    name = files(k).name(1:end-2);
    try
      feval(name);
      passed = passed + 1;
      printf('  pass  %s\n', name);
    catch err
      failed = failed + 1;
      printf('  FAIL  %s: %s\n', name, strrep(err.message, sprintf('\t'), '\t'));
      for s = err.stack(:)'
        printf('        at %s line %d\n', s.name, s.line);
      end
    end
    disconnect_quietly();
  end
  printf('octave: %d passed, %d failed\n', passed, failed);
  if failed > 0
    exit(1);
  end
end
