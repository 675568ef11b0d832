"""The cost of varnelo's read, against the simulated instrument streaming at
VARNELO_SIM_LINE_RATE lines per second (scripts/bench.sh: 100,000) into a ring
deep enough that lines always wait and none is lost, as
tests/bench/octave_getdata_costs.m measures GetData(1) from Octave:
  - read(1) per call: one line from Python to the core and back into numpy
    arrays and a Lines (GetData with the status output);
  - a bare loop building a Lines of the same fields, the Python-side floor;
  - read(500) per line (tests/bench/octave_read_cost.m: the same in Octave)."""
import sys
import time

import numpy as np

import varnelo

CALLS = 20000
BLOCK_CALLS = 80  # x 500 lines: fewer than the ring holds after the first pause


def bare_lines() -> varnelo.Lines:
    u16 = lambda: np.zeros(1, np.uint16)  # noqa: E731
    u32 = lambda: np.zeros(1, np.uint32)  # noqa: E731
    return varnelo.Lines(
        sys_errors=u16(), measurement_cycle_count=u32(), measurement_cycle_period=u32(),
        max_ch_a=u16(), min_ch_a=u16(), max_ch_b=u16(), min_ch_b=u16(),
        impedance_module=np.zeros((1, 15), np.float32), impedance_phase=np.zeros((1, 15), np.float32),
        battery_level=u16(), charger_status=u16(), gpio_state=u16(),
        lines_lost=0, lines_waiting=0, timed_out=False, receive_time=np.zeros(1))


with varnelo.Instrument(simulated=True, ring_lines=1_000_000) as inst:
    inst.start()
    time.sleep(0.5)
    t0 = time.perf_counter()
    for _ in range(CALLS):
        inst.read(1)
    per_call = (time.perf_counter() - t0) / CALLS
    # The blocks are timed only once the ring holds them all: a simulated
    # instrument that fell behind its pace skips lines, and a read that
    # waits for lines would time the instrument, not read.
    deadline = time.monotonic() + 10
    while inst.read(1).lines_waiting < BLOCK_CALLS * 500 and time.monotonic() < deadline:
        time.sleep(0.05)
    t0 = time.perf_counter()
    lost = 0
    for _ in range(BLOCK_CALLS):
        lines = inst.read(500)
        lost += lines.lines_lost
        assert not lines.timed_out
    per_line = (time.perf_counter() - t0) / (BLOCK_CALLS * 500)

t0 = time.perf_counter()
for _ in range(CALLS):
    bare_lines()
bare = (time.perf_counter() - t0) / CALLS

print(f"python {sys.version.split()[0]} read(1): {per_call * 1e6:.1f} us per call; "
      f"a bare loop building the same Lines {bare * 1e6:.1f} us")
print(f"python read(500): {per_line * 1e9:.0f} ns per line ({BLOCK_CALLS} calls, {lost} lines lost)")
