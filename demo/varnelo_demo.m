function varnelo_demo(outDir)
%VARNELO_DEMO A first session with a Varnelo instrument, from Connect to Disconnect.
%   VARNELO_DEMO connects to the first instrument, reads its identity and
%   its frequency bins, sets the input gains, the excitation and the
%   sampling divider, streams about two seconds of impedance lines, stops,
%   reads the shunt calibration at the bin frequencies and disconnects.
%   It prints a table of the median |Z| and phase per bin and writes a
%   figure (Bode plot, and |Z| and phase over time at one bin) to
%   OUTDIR/varnelo_demo.png (default: the current folder).
%
%   Run it against the simulated build (build/sim) to try the module
%   without an instrument, or against a real one: the code is the same.

  if nargin < 1
    outDir = pwd;
  end

  % -- Connect: the module prints its banner, the serial number and the
  % instrument's information text. From here on the module holds the
  % instrument; always end with Disconnect, also when something fails.
  VarneloControl('Connect');
  try
    run_session(outDir);
  catch err
    VarneloControl('Disconnect');
    rethrow(err);
  end
  VarneloControl('Disconnect');
end

function run_session(outDir)
  % The simulated instrument's bin words are FFT bin numbers 1 kHz wide; a
  % real instrument's bin width comes with its documentation.
  binWidthHz = 1000;
  streamSeconds = 2;
  linesPerCall = 20;

  % Device index, serial number and, right after it, the information text.
  info = VarneloControl('GetDevInfo');
  fprintf('Identity:      %s\n', info);

  % -- Configuration (idle mode only): the 15 frequency bins and the
  % calibration tables stored in the instrument.
  conf = VarneloControl('GetConfData');
  freqHz = double(conf.FrequencyBins(:))' * binWidthHz;
  fprintf('Frequency bins: %d, from %g Hz to %g Hz\n', numel(freqHz), freqHz(1), freqHz(end));

  % -- Measuring chain. Gains are words, the excitation level a number
  % 0..255, the divider one of the listed values (10: a line every 10 ms
  % on the simulated instrument).
  VarneloControl('SetInputGain', '2x', '2x');
  VarneloControl('SetExcitationLevel', 200);
  VarneloControl('SetSamplingDivider', 10);

  % -- Stream: Start, then GetData in a loop. Each call returns the
  % oldest unread lines from the module's 500-line ring, waiting for
  % lines that have not arrived yet. Call often enough that the ring
  % never fills, or the oldest lines are overwritten.
  VarneloControl('Start');
  fprintf('Streaming:     ');
  chunks = {};
  t0 = tic;
  while toc(t0) < streamSeconds
    chunks{end + 1} = VarneloControl('GetData', linesPerCall); %#ok<AGROW>
    fprintf('.');  % one dot per GetData call
    flush_output();
  end
  elapsed = toc(t0);
  VarneloControl('Stop');
  fprintf(' %d lines in %.1f s\n', numel(chunks) * linesPerCall, elapsed);

  data = join_lines(chunks);
  % Rows that a time-out left unfilled are all zero.
  valid = any(data.ImpedanceModule ~= 0, 2);
  zMod = double(data.ImpedanceModule(valid, :));
  zPhase = double(data.ImpedancePhase(valid, :));
  cycle = double(data.MeasurementCycleCount(valid));
  period = double(data.MeasurementCyclePeriod(valid));
  flagged = sum(data.SysErrors(valid) ~= 0);
  fprintf('Lines:         %d valid, %d with instrument error flags\n', size(zMod, 1), flagged);

  % -- Shunt calibration from the front end's EEPROM, interpolated at the
  % bin frequencies (any mode; the frequencies must not be 0).
  zShunt = VarneloControl('GetShuntData', freqHz);

  medMod = median(zMod, 1);
  medPhase = median(zPhase, 1);
  fprintf('\n  %10s  %12s  %14s  %12s\n', 'bin (Hz)', 'median |Z|', 'median phase', 'shunt |Z|');
  for k = 1:numel(freqHz)
    fprintf('  %10g  %12.2f  %12.2f deg  %12.2f\n', freqHz(k), medMod(k), medPhase(k), abs(zShunt(k)));
  end
  fprintf('\n');

  % The cycle period is in microseconds on the simulated instrument.
  timeS = (cycle - cycle(1)) .* period * 1e-6;
  pngFile = plot_results(outDir, freqHz, medMod, medPhase, zMod, zPhase, timeS);
  fprintf('Figure:        %s\n', pngFile);
end

function pngFile = plot_results(outDir, freqHz, medMod, medPhase, zMod, zPhase, timeS)
  device = '-dpng';
  if exist('OCTAVE_VERSION', 'builtin')
    % Headless Octave draws through gnuplot without a window; gnuplot's
    % own cairo PNG terminal needs no Ghostscript.
    warning('off', 'Octave:gnuplot-graphics');
    warning('off', 'print:nogs');
    graphics_toolkit('gnuplot');
    device = '-dpngcairo';
  end
  % Left: the Bode plot (median |Z| and phase against frequency). Right:
  % |Z| and phase over time at one bin. 13 x 8.5 inches; gnuplot's PNG
  % terminal draws 72 pixels per inch.
  fig = figure('visible', 'off', 'paperunits', 'inches', 'paperposition', [0 0 13 8.5]);
  bin = ceil(numel(freqHz) / 2);
  subplot(2, 2, 1);
  semilogx(freqHz, medMod, 'o-', 'markersize', 4);
  grid on;
  ylabel('median |Z| (ohm)');
  title('Bode plot: median over all lines, per frequency bin');
  subplot(2, 2, 3);
  semilogx(freqHz, medPhase, 'o-', 'markersize', 4);
  grid on;
  xlabel('frequency (Hz)');
  ylabel('median phase (deg)');
  subplot(2, 2, 2);
  plot(timeS, zMod(:, bin), '.-');
  grid on;
  ylabel('|Z| (ohm)');
  title(sprintf('Over time at the %g Hz bin', freqHz(bin)));
  subplot(2, 2, 4);
  plot(timeS, zPhase(:, bin), '.-');
  grid on;
  xlabel('time (s)');
  ylabel('phase (deg)');
  if ~exist(outDir, 'dir')
    mkdir(outDir);
  end
  pngFile = fullfile(outDir, 'varnelo_demo.png');
  print(fig, pngFile, device);
  close(fig);
end

function data = join_lines(chunks)
  % Stacks the rows of several GetData results into one structure.
  data = chunks{1};
  names = fieldnames(data);
  for c = 2:numel(chunks)
    for f = 1:numel(names)
      data.(names{f}) = [data.(names{f}); chunks{c}.(names{f})];
    end
  end
end

function flush_output()
  % Octave buffers the command window; MATLAB prints at once.
  if exist('OCTAVE_VERSION', 'builtin')
    fflush(stdout);
  end
end
