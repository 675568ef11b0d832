function counts = take_cycle_counts(count, sizes)
  % Takes count lines through GetData calls of the given sizes in turn (each
  % asks for at most what is still missing) and returns their cycle counts.
  % GetData waits for each line at most its polling period (24 ms at divider
  % 1); on a loaded machine it may time out and leave the rest of its rows
  % unfilled, all zero, where every line has a non-zero cycle period. Those
  % rows are no lost lines: the lines come with the next call. Gives up
  % after a bound only a fault reaches.
  counts = [];
  k = 1;
  started = tic;
  while numel(counts) < count && toc(started) < 30
    n = min(sizes(k), count - numel(counts));
    d = VarneloControl('GetData', n);
    assert(isa(d.MeasurementCycleCount, 'uint32'));
    assert(isequal(size(d.ImpedanceModule), [n 15]));
    assert(isa(d.ImpedanceModule, 'single'));
    filled = find(d.MeasurementCyclePeriod == 0, 1) - 1;
    if isempty(filled)
      filled = n;
    end
    counts = [counts; double(d.MeasurementCycleCount(1:filled))];
    k = mod(k, numel(sizes)) + 1;
  end
end
