function test_lifecycle_connect()
  % Connect prints the banner, the device line and the information text;
  % GetDevInfo returns the identity; Disconnect closes.
  out = evalc('VarneloControl(''Connect'')');
  lines = strsplit(out, "\n");
  box = lines(2:7);
  for k = 1:numel(box)
    assert(numel(box{k}) == 77, sprintf('banner line %d has %d characters', k, numel(box{k})));
  end
  assert(strcmp(box{1}, repmat('#', 1, 77)));
  assert(strncmp(box{3}, '#   VarneloControl MATLAB interface', 35));
  assert(strncmp(box{4}, '#   Varnelo series devices', 26));
  assert(~isempty(strfind(out, sprintf('\n\tVarnelo device USB connection initialized...\n\tDevice[0] S/N:'))));
  info = VarneloControl('GetDevInfo');
  assert(strncmp(info, 'Device[0] S/N:', 14), info);
  % The serial number and the information text follow each other directly.
  serial = regexp(out, 'S/N:([^\n]*)\n', 'tokens', 'once'){1};
  assert(strncmp(info(15:end), serial, numel(serial)));
  text = info(15 + numel(serial):end);
  assert(~isempty(text));
  assert(~isempty(strfind(out, sprintf('\t%s\n\n', text))), 'information text printed at Connect');
  expect_error(sprintf('\tDevice already connected.\n'), 'Connect');
  closed = evalc('VarneloControl(''Disconnect'')');
  assert(strcmp(closed, sprintf('\tVarnelo device USB connection closed...\n')), closed);
  expect_error(sprintf('\tDevice is not connected.\n'), 'Disconnect');
end
