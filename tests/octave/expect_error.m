function expect_error(message, varargin)
  % Calls VarneloControl(varargin{:}) and checks that it raises message, in
  % the form Octave reports it: the function name and ': ' in front, one
  % trailing newline stripped.
  expected = ['VarneloControl: ' regexprep(message, '\n$', '')];
  try
    VarneloControl(varargin{:});
  catch err
    if ~strcmp(err.message, expected)
      error('expected error "%s", got "%s"', escape(expected), escape(err.message));
    end
    return;
  end
  error('expected error "%s", but the call succeeded', escape(expected));
end

function s = escape(s)
  s = strrep(strrep(s, sprintf('\t'), '\t'), sprintf('\n'), '\n');
end
