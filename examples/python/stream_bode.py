"""Stream 10 s from the simulated instrument, print the median |Z| and phase
per frequency bin, and save a Bode plot.

    python3 examples/python/stream_bode.py [--seconds 10] [--png varnelo_bode.png] [--real]

Without --real it runs against the simulated instrument (no hardware); with
--real against the first instrument on USB. The same code does both.
"""
from __future__ import annotations

import argparse
import logging
import time
from typing import Dict, List

import numpy as np

import varnelo

# The simulated instrument's frequency words are FFT bin numbers 1 kHz wide;
# a real instrument's bin width comes with its documentation.
BIN_WIDTH_HZ = 1000.0


def stream(inst: varnelo.Instrument, seconds: float, lines_per_read: int) -> Dict[str, np.ndarray]:
    """Measures for about `seconds`; the reads' rows joined, field by field."""
    chunks: List[varnelo.Lines] = []
    inst.start()
    t0 = time.monotonic()
    while time.monotonic() - t0 < seconds:
        chunks.append(inst.read(lines_per_read))
    inst.stop()
    joined = {name: np.concatenate([getattr(c, name) for c in chunks])
              for name in ("impedance_module", "impedance_phase", "receive_time",
                           "measurement_cycle_count")}
    lost = sum(c.lines_lost for c in chunks)
    print(f"Streamed {len(joined['receive_time'])} rows in {len(chunks)} reads, "
          f"{lost} lines lost to ring overflow")
    return joined


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=10.0)
    parser.add_argument("--png", default="varnelo_bode.png")
    parser.add_argument("--real", action="store_true", help="a real instrument over USB")
    args = parser.parse_args()
    # The module's banner and messages come through logging.
    logging.basicConfig(level=logging.WARNING, format="varnelo: %(message)s")

    with varnelo.Instrument(simulated=not args.real) as inst:
        print(inst.device_info())
        conf = inst.configuration()          # idle mode only: before start()
        freq_hz = conf.frequency_bins.astype(float) * BIN_WIDTH_HZ
        inst.set_sampling_divider(1)         # 1000 lines/s on the simulated instrument
        lines = stream(inst, args.seconds, lines_per_read=200)

    # Rows a time-out left unfilled have no receive time.
    filled = lines["receive_time"] > 0
    z_mod = lines["impedance_module"][filled].astype(float)
    z_phase = lines["impedance_phase"][filled].astype(float)
    median_mod = np.median(z_mod, axis=0)
    median_phase = np.median(z_phase, axis=0)

    print(f"\n  {'bin (Hz)':>10}  {'median |Z|':>12}  {'median phase':>14}")
    for f, m, p in zip(freq_hz, median_mod, median_phase):
        print(f"  {f:10.0f}  {m:12.2f}  {p:10.2f} deg")

    import matplotlib
    matplotlib.use("Agg")                    # headless: no display needed
    import matplotlib.pyplot as plt

    fig, (ax_mod, ax_phase) = plt.subplots(2, 1, sharex=True, figsize=(8, 6))
    ax_mod.loglog(freq_hz, median_mod, "o-")
    ax_mod.set_ylabel("median |Z| (ohm)")
    ax_mod.set_title(f"Bode plot: median of {z_mod.shape[0]} lines per frequency bin")
    ax_mod.grid(True, which="both")
    ax_phase.semilogx(freq_hz, median_phase, "o-")
    ax_phase.set_xlabel("frequency (Hz)")
    ax_phase.set_ylabel("median phase (deg)")
    ax_phase.grid(True, which="both")
    fig.tight_layout()
    fig.savefig(args.png, dpi=100)
    print(f"\nBode plot: {args.png}")


if __name__ == "__main__":
    main()
