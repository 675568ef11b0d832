function expect_error_nargout(nout, message, varargin)
  % As expect_error, with nout output variables requested.
  expected = ['VarneloControl: ' regexprep(message, '\n$', '')];
  out = cell(1, nout);
  try
    [out{:}] = VarneloControl(varargin{:});
  catch err
    if ~strcmp(err.message, expected)
      error('expected error "%s", got "%s"', expected, err.message);
    end
    return;
  end
  error('expected error "%s", but the call succeeded', expected);
end
