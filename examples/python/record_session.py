"""Record a session to disk with markers, then read it back: the noise of |Z|
at one bin while the excitation is turned down, then up again.

    python3 examples/python/record_session.py [--file session.vnrec] [--seconds 3] [--real]

Each phase lasts --seconds. The file is what `python3 -m varnelo info`,
`export` and `plot` take (`varnelo plot session.vnrec session.png` draws the
markers as dashed lines). Without --real against the simulated instrument.
"""
from __future__ import annotations

import argparse
import time

import varnelo

PHASES = [(128, "excitation 128"), (20, "excitation turned down to 20"), (128, "back to 128")]


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--file", default="session.vnrec")
    parser.add_argument("--seconds", type=float, default=3.0)
    parser.add_argument("--real", action="store_true", help="a real instrument over USB")
    args = parser.parse_args()

    with varnelo.Instrument(simulated=not args.real) as inst:
        inst.start_recording(args.file)      # in idle mode: the header keeps the configuration
        inst.start()
        for level, text in PHASES:
            inst.add_marker(text)
            inst.set_excitation_level(level)  # noted in the file as an event too
            time.sleep(args.seconds)          # the module records meanwhile; no read needed
        status = inst.stop_recording()
    print(f"Recorded {status.lines} lines to {status.file_name}, {status.lines_lost} lost")

    rec = varnelo.read_recording(args.file)
    markers = [e for e in rec.events if e.kind == "Marker"]
    ends = [m.line for m in markers[1:]] + [len(rec)]
    print(f"{'from line':>10} {'lines':>7} {'std of |Z| at bin 1':>20}  marker")
    for marker, end in zip(markers, ends):
        lines = rec[marker.line:end]          # views of the file, not copies
        noise = lines.impedance_module[:, 0].std()
        print(f"{marker.line:10} {len(lines):7} {noise:20.3f}  {marker.text}")


if __name__ == "__main__":
    main()
