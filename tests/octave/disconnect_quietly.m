function disconnect_quietly()
  % Ends any connection a test left behind, ignoring "not connected".
  try
    evalc('VarneloControl(''Disconnect'')');
  catch
  end
end
