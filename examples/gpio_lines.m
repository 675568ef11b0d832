%GPIO_LINES Set the GPIO lines and read their state, idle and while measuring.
%   SetGPIO takes two values, each 0..7 (two 3-bit fields of the GPIO
%   byte: the first in bits 5-3, the second in bits 2-0) and always needs
%   two output variables.

VarneloControl('Connect');
try
  % Idle: the instrument answers with its GPIO state, split into the two
  % fields.
  [first, second] = VarneloControl('SetGPIO', 5, 3);
  fprintf('Idle:      SetGPIO(5, 3) reports %d and %d\n', first, second);

  % Measuring: no answer is awaited. The first output is 0 and the second
  % is the whole GPIO byte of the latest data line, both fields in one
  % (5 * 8 + 3 = 43 here, from the lines measured since Start).
  VarneloControl('Start');
  d = VarneloControl('GetData', 5);   % GetData needs its output variable
  [first, second] = VarneloControl('SetGPIO', 2, 1);
  fprintf('Measuring: SetGPIO(2, 1) reports %d and byte %d (fields %d, %d)\n', ...
          first, second, bitshift(second, -3), bitand(second, 7));

  % Every data line carries the GPIO state too: lines measured after the
  % change show 2 * 8 + 1 = 17. Lines already in the ring still show 43.
  d = VarneloControl('GetData', 20);
  VarneloControl('Stop');
  fprintf('GPIOState of the last line: %d\n', d.GPIOState(end));
catch err
  VarneloControl('Disconnect');
  rethrow(err);
end
VarneloControl('Disconnect');
