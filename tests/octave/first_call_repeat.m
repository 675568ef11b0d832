% Run as the very first call after Octave starts: the repeat character has
% no earlier lookup to repeat.
addpath(getenv('VARNELO_MODULE_DIR'));
try
  VarneloControl(char(15));
  disp('no error');
  exit(1);
catch err
  if strcmp(err.message, sprintf('VarneloControl: \tUnknown command.'))
    printf('octave-first-call: 1 passed, 0 failed\n');
    exit(0);
  end
  printf('unexpected: %s\n', err.message);
  exit(1);
end
