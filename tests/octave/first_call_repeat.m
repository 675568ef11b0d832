% Run as the very first call after Octave starts: the repeat character has
% no earlier lookup to repeat.
addpath(getenv('VARNELO_MODULE_DIR'));
message = '';
try
  VarneloControl(char(15));
catch err
  message = err.message;
end
if strcmp(message, sprintf('VarneloControl: \tUnknown command.'))
  printf('octave-first-call: 1 passed, 0 failed\n');
else
  printf('octave-first-call: 0 passed, 1 failed (got "%s")\n', message);
end
