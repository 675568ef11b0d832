%CALIBRATION_ROUNDTRIP Upload a shunt table and read it back.
%   Computes the shunt impedance at the instrument's bin frequencies from
%   the front end's EEPROM calibration (GetShuntData), uploads it as the
%   shunt table (SetShuntVal), reads the configuration back (GetConfData)
%   and compares. The instrument's previous table is restored at the end.

% The simulated instrument's bin words are FFT bins 1 kHz wide.
binWidthHz = 1000;

VarneloControl('Connect');
try
  before = VarneloControl('GetConfData');
  freqHz = double(before.FrequencyBins(:))' * binWidthHz;

  % 1 x 15 complex double, the shape SetShuntVal takes.
  zShunt = VarneloControl('GetShuntData', freqHz);
  VarneloControl('SetShuntVal', zShunt);

  after = VarneloControl('GetConfData');
  % The table travels as single precision and comes back as a 15 x 1
  % complex single column.
  readBack = double(after.ShuntComplexValues(:)).';
  relError = max(abs(readBack - double(single(zShunt))) ./ abs(zShunt));

  % Leave the instrument as it was. The stored tables are 15 x 1 columns;
  % the upload wants 15 columns, so transpose (.' keeps the sign of the
  % imaginary parts).
  VarneloControl('SetShuntVal', double(before.ShuntComplexValues).');
  % The compensation table is written the same way with SetCompVal.
  VarneloControl('SetCompVal', double(before.CompensationComplexValues).');
  restored = VarneloControl('GetConfData');
catch err
  VarneloControl('Disconnect');
  rethrow(err);
end
VarneloControl('Disconnect');

fprintf('%10s  %22s  %22s\n', 'bin (Hz)', 'uploaded', 'read back');
for k = 1:numel(freqHz)
  fprintf('%10g  %10.3f %+10.3fi  %10.3f %+10.3fi\n', freqHz(k), real(zShunt(k)), ...
          imag(zShunt(k)), real(readBack(k)), imag(readBack(k)));
end
fprintf('Largest relative difference: %.2g\n', relError);
fprintf('Previous table restored: %d\n', isequal(restored.ShuntComplexValues, before.ShuntComplexValues));
