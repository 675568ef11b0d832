"""Write the per-bin medians of a short stream as a CSV of frequency (Hz),
Z' and Z'' (ohm): the form impedance-fitting tools read.

    python3 examples/python/medians_csv.py [--seconds 2] [--csv varnelo_medians.csv] [--real]

Z' and Z'' are the real and imaginary parts of the median |Z| at the median
phase; Z'' is negative where the load is capacitive.
"""
from __future__ import annotations

import argparse
import time

import numpy as np

import varnelo

# The simulated instrument's frequency words are FFT bin numbers 1 kHz wide;
# a real instrument's bin width comes with its documentation.
BIN_WIDTH_HZ = 1000.0


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=float, default=2.0)
    parser.add_argument("--csv", default="varnelo_medians.csv")
    parser.add_argument("--real", action="store_true", help="a real instrument over USB")
    args = parser.parse_args()

    with varnelo.Instrument(simulated=not args.real) as inst:
        conf = inst.configuration()          # the bin frequencies; idle mode only
        inst.start()
        reads = []
        t0 = time.monotonic()
        while time.monotonic() - t0 < args.seconds:
            reads.append(inst.read(100))
        # Leaving the block stops the measurement and disconnects.

    filled = np.concatenate([r.receive_time for r in reads]) > 0
    z_mod = np.concatenate([r.impedance_module for r in reads])[filled].astype(float)
    z_phase = np.concatenate([r.impedance_phase for r in reads])[filled].astype(float)
    z = np.median(z_mod, axis=0) * np.exp(1j * np.deg2rad(np.median(z_phase, axis=0)))
    freq_hz = conf.frequency_bins.astype(float) * BIN_WIDTH_HZ

    table = np.column_stack([freq_hz, z.real, z.imag])
    np.savetxt(args.csv, table, delimiter=",", fmt=["%.1f", "%.6g", "%.6g"],
               header="frequency_hz,z_real_ohm,z_imag_ohm", comments="")
    print(f"{len(freq_hz)} bins from {z_mod.shape[0]} lines written to {args.csv}")


if __name__ == "__main__":
    main()
