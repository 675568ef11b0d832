function test_gateway_words()
  % The command word is looked up exactly; classes other than char are refused.
  try
    VarneloControl();
    error('no error for a call without a command');
  catch err
    assert(strncmp(err.message, sprintf('VarneloControl: \tCommand missing\n\tExpected'), 35));
    assert(numel(err.message) > 20 && strcmp(err.message(end-19:end), '''SetSamplingDivider'''));
  end
  expect_error(sprintf('\tCommand syntax error.\n'), 42);
  expect_error(sprintf('\tCommand syntax error.\n'), {1});
  expect_error(sprintf('\tCommand syntax error.\n'), struct('a', 1));
  for w = {'connect', 'CONNECT', 'Connect ', 'Conn'}
    expect_error(sprintf('\tUnknown command.\n'), w{1});
  end
end
