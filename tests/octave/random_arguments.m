function random_arguments(seed, calls)
  % Calls every command word (Disconnect aside) with arguments of every class
  % and shape, any number of inputs and outputs, in all three modes. Every
  % error must be one the module raised; afterwards the connection must still
  % stream. Reproducible: the same seed gives the same calls. Errors out on
  % the first failure, naming the call.
  %
  % The calls come in cycles of three blocks, idle, measuring and external
  % trigger, each cycle on a new connection: lines left unread stay in the
  % ring from one measurement to the next, and a ring that overflowed makes
  % the next GetData under external trigger wait out its 10 s polling period.
  rand('twister', seed);
  printf('random-arguments: seed %d, %d calls\n', seed, calls);
  s.words = {'Connect', 'Disconnect', 'GetDevInfo', 'Start', 'Stop', 'GetData', ...
             'SetShuntVal', 'SetCompVal', 'GetConfData', 'SetCompensation', ...
             'SetExcitationLevel', 'SetInputGain', 'SetExternalTrigger', ...
             'SetBatterySupply', 'SetSamplingDivider', 'SetGPIO', 'GetShuntData'};
  % Inputs after the word and outputs each command takes, in word order.
  s.inputs = [0 0 0 0 0 1 1 1 0 2 1 2 1 1 1 2 1];
  s.outputs = [0 0 1 0 0 1 0 0 1 0 0 0 0 0 0 2 1];
  s.last = 0;        % the module's last looked-up word (0: none; 18: unknown)
  s.mode = 0;        % 0 idle, 1 measuring, 2 external trigger, as the calls left it
  s.perMode = [0 0 0];
  s.ran = 0;
  s.refused = 0;
  s.call = '';
  s.connected = false;

  callable = [1 3:17];  % Disconnect would end the connection under test
  block = 50;           % calls in one mode before moving on to the next
  for n = 1:calls
    target = mod(floor((n - 1) / block), 3);
    if mod(n - 1, 3 * block) == 0
      s = reconnect(s);
    end
    s = enter_mode(s, target);
    s.perMode(s.mode + 1) = s.perMode(s.mode + 1) + 1;
    [args, nout] = random_call(s, callable);
    s.call = sprintf('call %d (mode %d)', n, s.mode);
    [s, ok] = run_call(s, args, nout);
    if ok
      s.ran = s.ran + 1;
    else
      s.refused = s.refused + 1;
    end
  end

  % The connection still streams, with the settings the calls left. A loaded
  % machine may make a read miss GetData's polling period now and then (the
  % rows from there on are 0), so lines are counted over several calls.
  s = enter_mode(s, 1);
  lines = 0;
  for k = 1:50
    evalc('d = VarneloControl(''GetData'', 20);');
    assert(isequal(size(d.ImpedanceModule), [20 15]), 'GetData returned no rows');
    lines = lines + nnz(d.MeasurementCyclePeriod);
    if lines >= 40
      break;
    end
  end
  assert(lines >= 40, 'the connection no longer streams: %d lines in 50 calls', lines);
  s = enter_mode(s, 0);
  evalc('VarneloControl(''Disconnect'')');
  printf(['random-arguments: %d calls (idle %d, measuring %d, external trigger %d): ' ...
          '%d ran, %d refused with a module message\n'], calls, s.perMode, s.ran, s.refused);
end

function [s, ok] = run_call(s, args, nout)
  % Makes one call; true when the module ran the command. A failure that is
  % not a module message stops the test.
  [index, s.last] = looked_up(s, args);
  assert(index ~= 2, '%s: the call would disconnect', s.call);
  out = cell(1, nout);
  message = '';
  try
    if nout == 0
      evalc('VarneloControl(args{:});');
    else
      evalc('[out{1:nout}] = VarneloControl(args{:});');
    end
  catch err
    message = err.message;
  end
  if isempty(message)
    ok = true;
  elseif strncmp(message, ['VarneloControl: ' char(9)], 17)
    ok = false;
  elseif index >= 1 && index <= 17 && ...
         ~isempty(regexp(message, '^element number \d+ undefined in return list$', 'once')) && ...
         str2double(regexp(message, '\d+', 'match', 'once')) > s.outputs(index)
    % The module ran a command that has fewer outputs than were asked for;
    % the interpreter refuses the assignment after the call returned.
    ok = true;
  else
    error('%s: %s: not a module message: "%s"', s.call, describe_call(args, nout), message);
  end
  % Start and SetExternalTrigger 'On' change the mode before they retune
  % the receive thread, so a retune that fails (a loaded machine can keep
  % the thread from it for the 1 s allowed) leaves the new mode in force.
  changed = ok || strcmp(message, ['VarneloControl: ' char(9) 'SetUpRxRequest() failed.']);
  if changed && index >= 1 && index <= 17
    switch s.words{index}
      case 'Start'
        s.mode = 1;
      case 'Stop'
        s.mode = 0;
      case 'SetExternalTrigger'
        s.mode = 2 * (s.mode == 0);
    end
  end
end

function [index, last] = looked_up(s, args)
  % The command the module runs for args and its new last lookup, as the
  % module finds it: a char first input of at most one row and no zero,
  % matched whole (any other char array names no command); char(15) first
  % repeats the last lookup.
  index = -1;
  last = s.last;
  if isempty(args) || ~ischar(args{1})
    return;
  end
  text = args{1}(:)';
  if size(args{1}, 1) > 1 || any(text == 0)
    text = '';
  end
  if ~isempty(text) && text(1) == char(15)
    index = s.last;
  else
    index = find(strcmp(s.words, text), 1);
    if isempty(index)
      index = 18;
    end
  end
  last = index;
end

function s = reconnect(s)
  % A new connection, idle with an empty ring.
  s = enter_mode(s, 0);
  if s.connected
    evalc('VarneloControl(''Disconnect'')');
  end
  try
    evalc('VarneloControl(''Connect'')');
  catch err
    % On a loaded machine the instrument's first answer can miss Connect's
    % 100 ms wait; the module is connected all the same.
    assert(strncmp(err.message, ['VarneloControl: ' char(9)], 17), err.message);
    expect_error(sprintf('\tDevice already connected.\n'), 'Connect');
  end
  s.connected = true;
  s.last = 1;
end

function s = enter_mode(s, target)
  % Brings the connection into mode target by the ordinary commands.
  if s.mode == target
    return;
  end
  leave = {{}, {'Stop'}, {'SetExternalTrigger', 'Off'}};
  enter = {{}, {'Start'}, {'SetExternalTrigger', 'On'}};
  if s.mode ~= 0
    [s, ok] = run_call(s, leave{s.mode + 1}, 0);
    assert(ok && s.mode == 0, '%s: could not return to idle', s.call);
  end
  if target ~= 0
    s = run_call(s, enter{target + 1}, 0);
    assert(s.mode == target, '%s: could not enter mode %d', s.call, target);
  end
end

function [args, nout] = random_call(s, callable)
  r = rand();
  if r < 0.8
    index = callable(pick_index(numel(callable)));
    word = s.words{index};
  elseif r < 0.87
    index = s.last;
    word = [char(15) pick({'', 'x', 'GetData'})];
  else
    index = 0;
    word = random_value();
  end
  if index >= 1 && index <= 17 && rand() < 0.7
    count = s.inputs(index);
    nout = s.outputs(index);
  else
    count = pick_index(5) - 1;
    nout = pick_index(4) - 1;
  end
  args = cell(1, count + 1);
  args{1} = word;
  name = '';
  if index >= 1 && index <= 17
    name = s.words{index};
  end
  for k = 2:count + 1
    args{k} = argument_for(name);
  end
  if strcmp(name, 'GetData') && count == 1
    args{2} = small_count(args{2}, s.mode);
  end
  if rand() < 0.02
    args = {};  % no input at all
  end
end

function a = argument_for(name)
  % Arguments near what the command takes half the time or more, so that
  % the checks past the class test and the commands themselves are reached.
  switch name
    case {'SetCompensation', 'SetInputGain', 'SetExternalTrigger', 'SetBatterySupply'}
      if rand() < 0.6
        a = pick({'On', 'Off', '1x', '2x', '5x', '10x', 'on', 'OFF', 'On ', '10X', ['O'; 'n']});
        return;
      end
    case {'GetData', 'SetExcitationLevel', 'SetSamplingDivider', 'SetGPIO'}
      if rand() < 0.6
        a = pick(number_pool());
        return;
      end
    case {'SetShuntVal', 'SetCompVal'}
      if rand() < 0.4
        a = complex(random_reals(1, 15), random_reals(1, 15));
        return;
      end
    case 'GetShuntData'
      if rand() < 0.4
        f = 1000 * (1:15) .* (0.5 + rand(1, 15));
        if rand() < 0.2
          f(pick_index(15)) = pick({0, -0, NaN, Inf, -5});
        end
        a = pick({f, f', [f 2e6], f(1:14)});
        return;
      end
  end
  a = random_value();
end

function a = small_count(a, mode)
  % GetData waits for the lines it is asked for. A count the module would
  % take is kept small (no more than 4 lines, under external trigger 2, as
  % that mode has 20 lines a second); a count it refuses stays as drawn.
  if ~isa(a, 'double') || isempty(a) || issparse(a) && nnz(a) == 0
    return;
  end
  limit = 4 - 2 * (mode == 2);
  values = fix(real(full(a(:))));
  if any(values > limit & values < 2^31)
    a = pick({1, 2, 1 + 2i, sparse(2), [2 9]});
  end
end

function v = number_pool()
  v = {0, 1, -1, 0.5, -0.5, 0.9999, 2.7, 3, 4, 5, 6, 7, 8, 15, 16, 196, 208, 255, ...
       255.9, 256, 1000, 1792, 2048, 65535, 65536, -65536, 2^31 - 1, 2^31, 2^53, ...
       1e300, -1e300, realmin, eps, NaN, Inf, -Inf};
end

function x = random_reals(rows, columns)
  x = (rand(rows, columns) - 0.5) .* 10 .^ (6 * rand(rows, columns));
  if rand() < 0.1
    x(pick_index(numel(x))) = pick({NaN, Inf, -Inf, 1e300});
  end
end

function a = random_value()
  % One argument of any class and shape.
  numbers = number_pool();
  integers = {'int8', 'uint8', 'int16', 'uint16', 'int32', 'uint32', 'int64', 'uint64'};
  switch pick_index(13)
    case 1  % double scalar
      if rand() < 0.6
        a = pick(numbers);
      else
        a = (rand() - 0.5) * 10 ^ (12 * rand());
      end
    case 2  % empty
      a = pick({[], zeros(0, 15), zeros(15, 0), zeros(1, 0), zeros(0, 0, 3), 1:0});
    case 3  % matrices
      a = pick({random_reals(pick_index(3), pick_index(16)), 1:15, (1:15)', ...
                pick(numbers) * ones(2, 2, 2), [pick(numbers) pick(numbers)]});
    case 4  % complex
      a = pick({complex(pick(numbers), pick(numbers)), ...
                complex(random_reals(1, 15), random_reals(1, 15)), ...
                complex(random_reals(15, 1), random_reals(15, 1)), ...
                complex(zeros(0, 15), zeros(0, 15)), complex(1, 0), complex([])});
    case 5  % sparse
      a = pick({sparse(pick(numbers)), sparse([]), sparse(1:15), sparse(zeros(2)), ...
                sparse(complex(1:15, 1)), sparse(true), sparse([0 5]), sparse(zeros(0, 15))});
    case 6  % single
      a = pick({single(pick(numbers)), single(1:15), single(complex(1:15, 1)), single([]), ...
                single(random_reals(2, 3))});
    case 7  % integer classes
      c = pick(integers);
      a = pick({cast(pick(numbers), c), intmax(c), intmin(c), cast(1:15, c), ...
                zeros(0, 1, c), cast([3 4], c)});
    case 8  % logical
      a = pick({true, false, logical([]), logical([1 0 1]), true(1, 15)});
    case 9  % char
      a = pick({'', 'On', 'Off', '1x', '2x', '5x', '10x', 'on', 'ON', 'On ', 'x', '4', ...
                char(15), [char(15) 'Stop'], ['O'; 'n'], char(zeros(0, 3)), ['Stop' char(0) 'x'], ...
                char(200), repmat('a', 1, 300), 'Start', 'GetData', 'SetGPIO', 'Unknown'});
    case 10  % cell
      a = pick({{}, {1}, {'On'}, cell(2, 2), {[]}, {'GetData', 5}});
    case 11  % struct
      a = pick({struct(), struct([]), struct('a', {1, 2}), struct('On', 1)});
    case 12  % function handles
      a = pick({@sin, @() 1});
    case 13  % an object
      a = containers.Map();
  end
end

function v = pick(list)
  v = list{pick_index(numel(list))};
end

function k = pick_index(n)
  k = min(n, floor(rand() * n) + 1);
end

function text = describe_call(args, nout)
  parts = cellfun(@describe_value, args, 'UniformOutput', false);
  text = sprintf('%d output(s), VarneloControl(%s)', nout, strjoin(parts, ', '));
end

function text = describe_value(a)
  shape = sprintf('%dx', size(a));
  shape = shape(1:end - 1);
  if ischar(a) && size(a, 1) <= 1 && numel(a) <= 40
    a(a < 32 | a > 126) = '?';
    text = sprintf('''%s''', a);
  elseif (isnumeric(a) || islogical(a)) && numel(a) == 1
    text = sprintf('%s(%s)', class(a), num2str(full(a)));
  else
    text = sprintf('%s %s', class(a), shape);
  end
  if issparse(a)
    text = ['sparse ' text];
  end
  if isnumeric(a) && ~isreal(a)
    text = ['complex ' text];
  end
end
