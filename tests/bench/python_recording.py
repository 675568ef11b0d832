"""The cost of reading recordings from Python (varnelo.read_recording and
varnelo export), on a synthetic 1,000,000-line file written here in the
documented format (recording 1,000,000 lines from the simulated instrument
at 1000 lines/s would take 17 minutes; the reader cannot tell the two apart):
  - read_recording + summing one bin over all lines, next to numpy.fromfile
    of the same bytes (and fromfile + the same sum);
  - opening: the 1,000,000-line file, and a sparse file of 17 GB;
  - export to CSV, in lines per second.
Every figure is the best of REPEATS runs, with the file in the page cache.

    PYTHONPATH=build/python python3 tests/bench/python_recording.py [folder]
"""
import os
import struct
import sys
import tempfile
import time

import numpy as np

import varnelo
from varnelo.cli import export_csv
from varnelo.recording import RECORD_DTYPE

LINES = 1_000_000
HEADER_SIZE, RECORD_SIZE, EVENT_SLOTS = 512, 208, 65536
LINES_START = HEADER_SIZE + EVENT_SLOTS * RECORD_SIZE
BIN = 4  # the fifth bin
EXPORT_LINES = 200_000
REPEATS = 5


def header(start_ns: int) -> bytes:
    h = bytearray(HEADER_SIZE)
    struct.pack_into("<8s4IqHHBBH", h, 0, b"\x89VNREC\r\n", 1, HEADER_SIZE, RECORD_SIZE,
                     EVENT_SLOTS, start_ns, 0, 1, 4, 0, 0)
    h[40:45] = b"1.1.0"
    h[64:75] = b"SYNTHETIC-1"
    return bytes(h)


def event(kind: str, text: str, time_ns: int, line: int) -> bytes:
    r = bytearray(RECORD_SIZE)
    struct.pack_into("<HH4xqQQ", r, 0, 2, len(text), time_ns, line, 0)
    r[32:32 + len(kind)] = kind.encode()
    r[56:56 + len(text)] = text.encode()
    return bytes(r)


def lines(first: int, n: int, start_ns: int) -> np.ndarray:
    rng = np.random.default_rng(first)
    rec = np.zeros(n, RECORD_DTYPE)
    rec["kind"] = 1
    rec["time"] = start_ns + (first + np.arange(n, dtype=np.int64)) * 1_000_000
    rec["sync"], rec["frame_kind"] = 0xFF03, 0x01DD
    rec["measurement_cycle_count"] = first + np.arange(n)
    rec["measurement_cycle_period"] = 1000
    rec["battery_level"] = 4150
    rec["impedance_module"] = 500 + rng.standard_normal((n, 15), dtype=np.float32)
    rec["impedance_phase"] = -5 + rng.standard_normal((n, 15), dtype=np.float32)
    return rec


def write_file(path: str, n: int) -> None:
    start_ns = 1_700_000_000_000_000_000
    with open(path, "wb") as f:
        f.write(header(start_ns))
        f.write(event("RecordingStart", "Idle", start_ns, 0))
        f.write(event("RecordingEnd", "StopRecording", start_ns + n * 1_000_000, n))
        f.truncate(LINES_START)
        f.seek(LINES_START)
        for first in range(0, n, 100_000):
            f.write(lines(first, min(100_000, n - first), start_ns).tobytes())


def best(fn, repeats: int = REPEATS) -> float:
    times = []
    for _ in range(repeats):
        t0 = time.perf_counter()
        fn()
        times.append(time.perf_counter() - t0)
    return min(times)


def rss_kb() -> int:
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") // 1024


def main() -> None:
    folder = sys.argv[1] if len(sys.argv) > 1 else None
    with tempfile.TemporaryDirectory(dir=folder) as work:
        path = os.path.join(work, "million.vnrec")
        write_file(path, LINES)
        size = os.path.getsize(path)
        np.fromfile(path, dtype=np.uint8)  # into the page cache

        def mapped_sum() -> float:
            rec = varnelo.read_recording(path)
            return float(rec[:].impedance_module[:, BIN].sum(dtype=np.float64))

        def read_whole() -> np.ndarray:
            return np.fromfile(path, dtype=RECORD_DTYPE, offset=LINES_START)

        def read_whole_and_sum() -> float:
            return float(read_whole()["impedance_module"][:, BIN].sum(dtype=np.float64))

        assert mapped_sum() == read_whole_and_sum()
        t_map = best(mapped_sum)
        t_fromfile = best(read_whole)
        t_fromfile_sum = best(read_whole_and_sum)
        print(f"python {sys.version.split()[0]}, numpy {np.__version__}: {LINES:,} lines, "
              f"{size / 1e6:,.0f} MB")
        print(f"read_recording + sum of bin {BIN + 1}: {t_map * 1e3:.1f} ms; numpy.fromfile of "
              f"the lines: {t_fromfile * 1e3:.1f} ms ({t_map / t_fromfile:.2f}x); fromfile + "
              f"the same sum: {t_fromfile_sum * 1e3:.1f} ms")

        before = rss_kb()
        t_open = best(lambda: varnelo.read_recording(path))
        kept = varnelo.read_recording(path)
        print(f"read_recording alone: {t_open * 1e6:.0f} us; resident memory grew by "
              f"{rss_kb() - before} kB for {len(kept):,} lines")

        # 17 GB: the header, the events and the last line; the rest a hole
        # the file system does not store.
        big = os.path.join(work, "big.vnrec")
        big_lines = 17_000_000_000 // RECORD_SIZE
        with open(path, "rb") as src, open(big, "wb") as f:
            f.write(src.read(LINES_START))
            f.seek(LINES_START + (big_lines - 1) * RECORD_SIZE)
            f.write(lines(big_lines - 1, 1, 1_700_000_000_000_000_000).tobytes())
        before = rss_kb()
        t_big = best(lambda: varnelo.read_recording(big))
        rec = varnelo.read_recording(big)
        t_slice = best(lambda: rec[big_lines // 2:big_lines // 2 + 1000].impedance_module.sum())
        print(f"read_recording of {os.path.getsize(big) / 1e9:.1f} GB ({len(rec):,} lines): "
              f"{t_big * 1e6:.0f} us, resident memory grew by {rss_kb() - before} kB; "
              f"a 1000-line slice in its middle: {t_slice * 1e6:.0f} us")

        def export() -> None:
            with open(os.devnull, "w", buffering=1 << 20) as out:
                export_csv(kept, out, 0, EXPORT_LINES)

        t_export = best(export, 3)
        csv = os.path.join(work, "part.csv")
        with open(csv, "w") as out:
            export_csv(kept, out, 0, 10_000)
        per_line = os.path.getsize(csv) / 10_000
        print(f"export: {EXPORT_LINES / t_export:,.0f} lines/s ({EXPORT_LINES:,} lines in "
              f"{t_export:.2f} s, {per_line:.0f} bytes of CSV per line)")


if __name__ == "__main__":
    main()
