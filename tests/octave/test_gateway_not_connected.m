function test_gateway_not_connected()
  % Every command word but Connect needs a connection, checked first.
  words = {'Disconnect', 'GetDevInfo', 'Start', 'Stop', 'GetData', 'SetShuntVal', ...
           'SetCompVal', 'GetConfData', 'SetCompensation', 'SetExcitationLevel', ...
           'SetInputGain', 'SetExternalTrigger', 'SetBatterySupply', ...
           'SetSamplingDivider', 'SetGPIO', 'GetShuntData'};
  for w = words
    expect_error(sprintf('\tDevice is not connected.\n'), w{1});
  end
  expect_error_nargout(1, sprintf('\tDevice is not connected.\n'), 'GetData');
end
