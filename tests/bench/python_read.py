"""Cost of varnelo's read from Python, against the simulated instrument
streaming at VARNELO_SIM_LINE_RATE lines per second (set by
scripts/bench.sh high enough that lines always wait in the ring):
  - read(1) per call: the whole round trip of one line, Python to the core
    and back into numpy arrays and a Lines;
  - read(500) from a full ring, per line.
tests/bench/octave_read_cost.m measures the same two in Octave."""
import statistics
import sys
import time

import varnelo

CALLS = 20000
FULL_RING_SAMPLES = 50

with varnelo.Instrument(simulated=True) as inst:
    inst.start()
    time.sleep(0.05)
    for _ in range(1000):  # warm-up: caches, numpy's first allocations
        inst.read(1)
    t0 = time.perf_counter()
    for _ in range(CALLS):
        inst.read(1)
    per_call = (time.perf_counter() - t0) / CALLS

    per_line = []
    for _ in range(FULL_RING_SAMPLES):
        time.sleep(0.02)  # 500 lines arrive within 5 ms at 100,000 lines/s
        t0 = time.perf_counter()
        lines = inst.read(500)
        per_line.append((time.perf_counter() - t0) / 500)
        assert not lines.timed_out

print(f"python {sys.version.split()[0]} read(1): {per_call * 1e6:.1f} us per call "
      f"(mean of {CALLS})")
print(f"python read(500) from a full ring: {statistics.median(per_line) * 1e9:.0f} ns per line "
      f"(median of {FULL_RING_SAMPLES} calls)")
