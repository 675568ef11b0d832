function test_shunt_data()
  % GetShuntData against an independent computation with Octave's own spline
  % from the same calibration table: the simulated instrument's front end
  % holds a 1 kOhm shunt with 10 pF in parallel at 21 log-spaced points from
  % 500 Hz to 1 MHz, stored as singles. Recomputing the table here may round
  % an entry to the neighbouring single, hence a tolerance of 1e-7 rather
  % than the spline's own agreement. The same result while measuring.
  f = single(500 * (1e6 / 500) .^ ((0:20) / 20));
  z = 1 ./ (1 / 1000 + 1i * 2 * pi * double(f) * 10e-12);
  magnitude = single(abs(z));
  phase = single(angle(z) * 180 / pi);
  requested = [1e3 2e3 3e3 5e3 8e3 12e3 20e3 30e3 50e3 80e3 120e3 200e3 300e3 500e3 800e3];
  deg_to_rad = 0.017453292519943393;
  x = log10(double(f));
  m = 10 .^ spline(x, log10(double(magnitude)), log10(requested));
  phi = spline(x, double(phase), log10(requested));
  expected = m .* cos(phi * deg_to_rad) + 1i * m .* sin(phi * deg_to_rad);

  evalc('VarneloControl(''Connect'')');
  idle = VarneloControl('GetShuntData', requested);
  assert(isequal(size(idle), [1 15]) && isa(idle, 'double') && iscomplex(idle));
  assert(max(abs(idle - expected) ./ abs(expected)) < 1e-7, 'idle result');

  VarneloControl('Start');
  measuring = VarneloControl('GetShuntData', [requested 123]);  % extra values ignored
  d = VarneloControl('GetData', 20);
  assert(all(diff(double(d.MeasurementCycleCount)) > 0), 'lines keep flowing while the EEPROM is read');
  VarneloControl('Stop');
  assert(max(abs(measuring - expected) ./ abs(expected)) < 1e-7, 'measuring result');

  expect_error_nargout(1, sprintf('\tIncorrect frequency values.\n'), 'GetShuntData', requested(1:14));
  expect_error_nargout(1, sprintf('\tIncorrect frequency values.\n'), 'GetShuntData', single(requested));
  expect_error_nargout(1, sprintf('\tIncorrect frequency values.\n'), 'GetShuntData', [0 requested(2:end)]);
  evalc('VarneloControl(''Disconnect'')');
end
