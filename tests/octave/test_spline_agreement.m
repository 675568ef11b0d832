function test_spline_agreement()
  % The standalone host's spline agrees with Octave's spline on a 21-point
  % table of log10 frequencies, inside the table and beyond its ends.
  addpath(fullfile(getenv('VARNELO_MODULE_DIR'), '..', 'probe'));
  f = logspace(log10(50), log10(2e6), 21);
  x = log10(f);
  y = log10(1000 ./ sqrt(1 + (2 * pi * f * 1000 * 10e-12) .^ 2)) + 0.01 * sin(3 * x);
  xi = log10([20 50 100 1e3 5e3 1e4 3e4 5e4 1e5 2e5 5e5 1e6 2e6 3e6 5e6]);
  ours = spline_probe(x, y, xi);
  theirs = spline(x, y, xi);
  rel = max(abs(ours - theirs) ./ abs(theirs));
  assert(rel < 1e-12, sprintf('relative difference %g', rel));
  phase = -atan(2 * pi * f * 1000 * 10e-12) * 180 / pi;
  rel = max(abs(spline_probe(x, phase, xi) - spline(x, phase, xi)) ./ max(abs(phase)));
  assert(rel < 1e-12, sprintf('phase: relative difference %g', rel));
end
