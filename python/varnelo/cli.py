"""The ``varnelo`` command: record from the instrument or stream it on the Lab
Streaming Layer, and describe, export and plot recording files.

    varnelo record FILE [--seconds S] [--divider D] [--ring-lines N] [--simulated]
                   [--no-reconnect] [--stream [NAME]]
    varnelo stream [--seconds S] [--divider D] [--simulated] [--no-reconnect] [--name NAME]
    varnelo info FILE
    varnelo export FILE OUT.csv [--first N] [--count M]
    varnelo plot FILE OUT.png [--bin K]

``python3 -m varnelo`` is the same command. info, export and plot read files
with numpy alone (plot needs matplotlib too): they work where the compiled
part of the package is not built.

Exit status: 0 done; 1 a failure (the instrument refused a command, no line
came, a disk filled, the stream could not open); 2 bad input (a missing
file, a file that is not a recording, an output that would write over a
recording, a bad number, an empty stream name). The module's warnings
(time-outs, read errors, a recording stopped by a write failure) go to
stderr.
"""
from __future__ import annotations

import argparse
import datetime
import errno
import logging
import os
import signal
import stat
import sys
import time
from typing import Any, Callable, List, NamedTuple, Optional, Sequence, TextIO

import numpy as np

from .errors import VarneloError
from .recording import MAGIC, Recording, read_recording

PROG = "varnelo"
# Lines formatted per write while exporting: a few MB of text at a time.
EXPORT_BLOCK = 8192
# A plot draws at most this many points per curve, and takes the medians
# over at most this many lines; larger files are sampled at a fixed stride.
PLOT_POINTS = 200_000
# A plot draws and labels at most this many markers; more are thinned to
# every k-th, and the figure says how many were left out.
PLOT_MARKERS = 25
BINS = 15


class UsageError(Exception):
    """Bad input: reported as one line, with exit status 2."""

    def __init__(self, message: str, prog: Optional[str] = None) -> None:
        super().__init__(message)
        self.prog = prog


class Failure(Exception):
    """A failure that is not the input's fault (a full disk, no line came):
    reported as one line, with exit status 1."""


# Errors of a disk that filled or failed: a failure, not bad input.
_DISK_FAULTS = {errno.ENOSPC, errno.EDQUOT, errno.EFBIG, errno.EIO}


def _write_error(path: str, error: OSError) -> Exception:
    text = f"cannot write {path}: {error.strerror or error}"
    return Failure(text) if error.errno in _DISK_FAULTS else UsageError(text)


class _Parser(argparse.ArgumentParser):
    # One line, not the usage block: "varnelo export: argument --first: ...".
    def error(self, message: str) -> None:  # type: ignore[override]
        raise UsageError(f"{message} (see {self.prog} --help)", self.prog)


def _whole(text: str) -> int:
    try:
        value = int(text)
    except ValueError:
        raise argparse.ArgumentTypeError(f"not a whole number: {text!r}") from None
    if value < 0:
        raise argparse.ArgumentTypeError(f"must be 0 or more, not {value}")
    return value


def _positive_seconds(text: str) -> float:
    try:
        value = float(text)
    except ValueError:
        raise argparse.ArgumentTypeError(f"not a number: {text!r}") from None
    if not value > 0 or value == float("inf"):
        raise argparse.ArgumentTypeError(f"must be a number of seconds above 0, not {text}")
    return value


def _number(text: str) -> float:
    try:
        return float(text)
    except ValueError:
        raise argparse.ArgumentTypeError(f"not a number: {text!r}") from None


def _bin(text: str) -> int:
    value = _whole(text)
    if not 1 <= value <= BINS:
        raise argparse.ArgumentTypeError(f"a bin is 1 to {BINS}, not {value}")
    return value


def _open(path: str) -> Recording:
    try:
        return read_recording(path)
    except OSError as error:
        raise UsageError(f"cannot read {path}: {error.strerror or error}") from None
    except ValueError as error:
        raise UsageError(str(error)) from None


def _check_output(rec: Recording, out: str) -> None:
    """Refuses an output that is the recording being read (under any name: a
    link, another path) or any other recording: opening it for writing would
    empty it before a byte was written."""
    try:
        target = os.stat(out)
        if not stat.S_ISREG(target.st_mode):
            return  # a terminal, a pipe, a device: nothing to empty, nothing to read
        same = os.path.samestat(target, os.stat(rec.path))
        with open(out, "rb") as f:
            is_recording = f.read(len(MAGIC)) == MAGIC
    except OSError:
        return  # no such file (or not readable): the write says what is wrong
    if same:
        raise UsageError(f"{out} is the recording being read; name another output file")
    if is_recording:
        raise UsageError(f"{out} is a recording, not written over; name another output file")


def _utc(seconds: float) -> str:
    moment = datetime.datetime.fromtimestamp(seconds, datetime.timezone.utc)
    return moment.strftime("%Y-%m-%d %H:%M:%S.%f")[:-3] + " UTC"


def _megabytes(n: int) -> str:
    return f"{n / 1e6:,.1f} MB"


# ---- record ----

def _progress(out: TextIO, text: str) -> None:
    # A terminal that went away (SIGHUP) must not keep the recording from
    # ending cleanly: what cannot be shown is dropped.
    try:
        out.write(text)
        out.flush()
    except OSError:
        pass


# The signals that end a recording or a stream cleanly, and how the summary
# names them.
_ENDING_SIGNALS = {signal.SIGINT: "Ctrl-C", signal.SIGTERM: "SIGTERM"}
if hasattr(signal, "SIGHUP"):  # not on Windows
    _ENDING_SIGNALS[signal.SIGHUP] = "SIGHUP (the terminal closed)"


def _stream_name(text: str) -> str:
    """A stream name from the command line: not empty, and in UTF-8, as the
    module takes text."""
    if not text:
        raise argparse.ArgumentTypeError("the stream's name is empty")
    try:
        text.encode("utf-8")
    except UnicodeEncodeError:
        raise argparse.ArgumentTypeError(f"the name {text!r} is not UTF-8") from None
    return text


class _Run(NamedTuple):
    """How a measurement of :func:`_measure` went."""

    result: Any
    """What its end step returned."""
    duration: float
    how: str
    """What ended it, as the summaries say it: " (ended by Ctrl-C)", or empty."""


def _measure(args: argparse.Namespace, out: TextIO, begin: Callable[[Any], None],
             tick: Callable[[Any, float], Optional[str]], end: Callable[[Any], Any],
             ends: str) -> _Run:
    """The loop of ``record`` and ``stream``: connects (with recovery unless
    --no-reconnect), sets the divider when asked, calls begin(inst), starts
    measuring, and calls tick(inst, elapsed) four times a second until
    --seconds have passed, one of _ENDING_SIGNALS came, or tick returns None.
    On a terminal, what tick returns is the progress line, followed by how
    to end the run (``ends``: "the recording"). end(inst) then ends the run
    and returns its outcome; the instrument is disconnected whatever
    happened."""
    # The extensions are loaded only here: the other subcommands need numpy alone.
    from .instrument import DEFAULT_RING_LINES, Instrument

    caught: List[int] = []

    def on_signal(signum: int, _frame: Any) -> None:
        # Only this: the handler runs in the main thread between any two
        # bytecodes, so it must take no lock the loop may hold (an Event's
        # set() would, and wait for it for ever).
        caught.append(signum)

    inst = Instrument(simulated=args.simulated,
                      ring_lines=getattr(args, "ring_lines", DEFAULT_RING_LINES),
                      reconnect=not args.no_reconnect)
    inst.connect()
    previous = {s: signal.signal(s, on_signal) for s in _ENDING_SIGNALS}
    try:
        if args.divider is not None:
            inst.set_sampling_divider(args.divider)
        begin(inst)
        inst.start()
        t0 = time.monotonic()
        tty = out.isatty()
        while not caught:
            elapsed = time.monotonic() - t0
            if args.seconds is not None and elapsed >= args.seconds:
                break
            progress = tick(inst, elapsed)
            if progress is None:
                break
            if tty:
                _progress(out, f"\r{elapsed:8.1f} s  {progress}   (Ctrl-C ends {ends})\x1b[K")
            time.sleep(0.25 if args.seconds is None else min(0.25, max(args.seconds - elapsed, 0)))
        duration = time.monotonic() - t0
        if tty:
            _progress(out, "\r\x1b[K")
        result = end(inst)
    finally:
        try:
            inst.disconnect()
        finally:
            for s, handler in previous.items():
                signal.signal(s, handler)
    how = f" (ended by {_ENDING_SIGNALS[caught[0]]})" if caught else ""
    return _Run(result, duration, how)


def _streaming_progress(status: Any) -> str:
    consumer = "a consumer connected" if status.has_consumers else "no consumer"
    return (f"{status.lines_pushed:,} lines pushed  {status.lines_not_pushed:,} not pushed  "
            f"{consumer}")


def _streamed(status: Any, duration: str = "") -> str:
    return (f"Streamed {status.lines_pushed:,} lines as \"{status.name}\" (source id "
            f"{status.source_id}){duration}; {status.lines_not_pushed:,} lines not pushed, "
            f"{status.markers_pushed:,} marker{'' if status.markers_pushed == 1 else 's'}.\n")


def record(args: argparse.Namespace, out: TextIO) -> int:
    try:
        args.file.encode("utf-8")
    except UnicodeEncodeError:
        raise UsageError(f"the file name {args.file!r} is not UTF-8, as the module needs; "
                         "name the file in UTF-8") from None
    streams = args.stream is not None

    def begin(inst: Any) -> None:
        # The stream first: one that cannot open leaves no empty file behind.
        if streams:
            inst.start_streaming(None if args.stream is True else args.stream)
        # Started in idle mode, so that the header holds the configuration.
        inst.start_recording(args.file)

    def tick(inst: Any, elapsed: float) -> Optional[str]:
        status = inst.recording_status()
        if not status.recording:
            return None  # a write failure stopped it; its error is below
        rate = status.lines / elapsed if elapsed > 0 else 0.0
        text = f"{status.lines:,} lines  {status.lines_lost:,} lost  {rate:,.0f} lines/s"
        if streams:
            text += "  streamed: " + _streaming_progress(inst.streaming_status())
        return text

    def end(inst: Any) -> Any:
        status = inst.stop_recording()
        return status, inst.stop_streaming() if streams else None

    (status, streamed), duration, how = _measure(args, out, begin, tick, end, "the recording")
    _progress(out, f"Recorded {status.lines:,} lines ({_megabytes(status.bytes)}) to "
                   f"{status.file_name} in {duration:.1f} s{how}; "
                   f"{status.lines_lost:,} lines lost.\n")
    if streamed is not None:
        _progress(out, _streamed(streamed))
    if status.error:
        raise Failure(f"the recording stopped early: {status.error}")
    if status.lines == 0:
        raise Failure(f"no line came from the instrument; {status.file_name} holds no lines")
    return 0


# ---- stream ----

def stream(args: argparse.Namespace, out: TextIO) -> int:
    def end(inst: Any) -> Any:
        # The measurement first, so that the marker stream ends with its Stop.
        try:
            inst.stop()
        except VarneloError:
            pass  # an instrument that is gone: Disconnect says so
        return inst.stop_streaming()

    run = _measure(args, out, lambda inst: inst.start_streaming(args.name),
                   lambda inst, _elapsed: _streaming_progress(inst.streaming_status()),
                   end, "the stream")
    status = run.result
    _progress(out, _streamed(status, f" in {run.duration:.1f} s{run.how}"))
    if status.lines_pushed + status.lines_not_pushed == 0:
        raise Failure("no line came from the instrument; nothing was streamed")
    return 0


# ---- info ----

def _duration(rec: Recording) -> float:
    if len(rec) < 2:
        return 0.0
    return float(rec[-1:].receive_time[0] - rec[:1].receive_time[0])


class Outage(NamedTuple):
    """The instrument off the bus, from an InstrumentLost event to the
    InstrumentBack that follows it."""

    start: float
    """POSIX seconds: when the loss was seen; the recording's start when the
    instrument was already away then."""
    end: float
    """When it was back; the file's last line or event when it never was."""
    line: int
    """The first line after the outage."""
    cause: str
    """The lost event's text, ``[code] - system text``; empty when the
    instrument was lost before the recording started."""
    restored: Optional[str]
    """What was restored; None when the file ends before it was back."""


def outages(rec: Recording) -> List[Outage]:
    """The outages the file marks, in order."""
    found: List[Outage] = []
    lost = None
    for e in rec.events:
        if e.kind == "InstrumentLost" and lost is None:
            lost = e
        elif e.kind == "InstrumentBack":
            # A return without its loss: the recording started while away.
            start, cause = (lost.time, lost.text) if lost else (rec.header.start_time, "")
            found.append(Outage(start, e.time, e.line, cause, e.text))
            lost = None
    if lost is not None:
        # Not back: it runs to the end of the file, its last line or event.
        times = [e.time for e in rec.events]
        if len(rec):
            times.append(float(rec[-1:].receive_time[0]))
        found.append(Outage(lost.time, max(times), len(rec), lost.text, None))
    return found


def info(args: argparse.Namespace, out: TextIO) -> int:
    rec = _open(args.file)
    h = rec.header
    w = out.write
    w(f"File              {rec.path}\n")
    w(f"Format version    {h.format_version} (module {h.module_version})\n")
    w(f"Started           {_utc(h.start_time)}, in {h.mode} mode\n")
    w(f"Instrument        Device[{h.device_index}] S/N:{h.serial_number}  {h.device_info}\n")
    w(f"Sampling divider  {h.sampling_divider}, {h.lines_per_read} lines per read\n")
    if h.configuration is None:
        w("Configuration     not in the file (the recording was started while measuring)\n")
    else:
        bins = " ".join(str(b) for b in h.configuration.frequency_bins)
        w(f"Frequency bins    {bins} ({h.configuration.frequency_count} bins)\n")
    n = len(rec)
    duration = _duration(rec)
    rate = f", {(n - 1) / duration:,.1f} lines/s" if duration > 0 else ""
    w(f"Lines             {n:,}\n")
    w(f"Duration          {duration:.3f} s from the first line to the last{rate}\n")
    gaps = [e for e in rec.events if e.kind == "Gap"]
    w(f"Gaps              {len(gaps)}, {rec.lines_lost:,} lines lost\n")
    away = outages(rec)
    w(f"Outages           {len(away)}, {sum(o.end - o.start for o in away):.3f} s off the bus\n")
    for o in away:
        lost = f"lost {o.cause}" if o.cause else "lost before the recording started"
        back = (f"back, restored: {o.restored}" if o.restored is not None
                else "not back by the end of the file")
        w(f"  {o.start - h.start_time:11.3f} s  line {o.line:>10}  {o.end - o.start:9.3f} s  "
          f"{lost}; {back}\n")
    ends = [e for e in rec.events if e.kind == "RecordingEnd"]
    if rec.truncated:
        w("Tail              cut: the file is shorter than its events say, ends inside a "
          "record or in records that are not lines; it reads up to its last whole line\n")
    elif not ends:
        w("Tail              complete, but no RecordingEnd event: the recording is running, "
          "or did not end cleanly\n")
    else:
        w(f"Tail              complete, ended by {ends[-1].text}\n")
    w(f"Events            {len(rec.events)}\n")
    t0 = h.start_time
    shown = rec.events if len(rec.events) <= 200 else rec.events[:200]
    for e in shown:
        w(f"  {e.time - t0:11.3f} s  line {e.line:>10}  {e.kind:<18} {e.text}\n")
    if len(shown) < len(rec.events):
        w(f"  ... and {len(rec.events) - len(shown):,} more (read_recording(FILE).events)\n")
    return 0


# ---- export ----

COLUMNS = (["receive_time", "measurement_cycle_count", "measurement_cycle_period", "sys_errors",
            "max_ch_a", "min_ch_a", "max_ch_b", "min_ch_b", "battery_level", "charger_status",
            "gpio_state"]
           + [f"impedance_module_{k}" for k in range(1, BINS + 1)]
           + [f"impedance_phase_{k}" for k in range(1, BINS + 1)])
# Receive times with all the digits of the double; singles with nine
# significant digits, enough for each to read back as the same single.
_ROW = ",".join(["%r"] + ["%d"] * 10 + ["%.9g"] * (2 * BINS)) + "\n"


def export_csv(rec: Recording, out: TextIO, first: int = 0, count: Optional[int] = None) -> int:
    """Writes lines first..first+count-1 (all to the end by default) as CSV,
    a block at a time; returns the number of rows."""
    stop = len(rec) if count is None else min(len(rec), first + count)
    out.write(",".join(COLUMNS) + "\n")
    for start in range(first, stop, EXPORT_BLOCK):
        lines = rec[start:min(start + EXPORT_BLOCK, stop)]
        columns = [lines.receive_time.tolist()]
        columns += [getattr(lines, name).tolist() for name in COLUMNS[1:11]]
        columns += lines.impedance_module.T.tolist() + lines.impedance_phase.T.tolist()
        out.write("".join([_ROW % row for row in zip(*columns)]))
    return max(stop - first, 0)


def export(args: argparse.Namespace, out: TextIO) -> int:
    rec = _open(args.file)
    if args.first > len(rec):
        raise UsageError(f"--first {args.first} is past the end: {args.file} has "
                         f"{len(rec):,} lines (0 to {len(rec) - 1})")
    _check_output(rec, args.out)
    try:
        with open(args.out, "w", newline="", buffering=1 << 20) as f:
            rows = export_csv(rec, f, args.first, args.count)
    except OSError as error:
        raise _write_error(args.out, error) from None
    out.write(f"Exported {rows:,} lines to {args.out}.\n")
    return 0


# ---- plot ----

def image_format(path: str) -> str:
    """The image format a plot is written in: the one its name's extension
    names (png, svg, pdf, ...), PNG when it has none."""
    extension = os.path.splitext(path)[1][1:].lower()
    if not extension:
        return "png"
    from matplotlib.backend_bases import FigureCanvasBase
    known = FigureCanvasBase.get_supported_filetypes()
    if extension not in known:
        raise UsageError(f"cannot write {path}: .{extension} is not an image format matplotlib "
                         f"writes ({', '.join(sorted(known))})")
    return extension


def plot_recording(rec: Recording, out: str, bin_number: int = 1,
                   image: Optional[str] = None) -> List[str]:
    """The median |Z| and phase per bin, and |Z| over time at one bin with the
    markers as vertical lines and the gaps and outages shaded, saved to
    ``out`` exactly as named, in ``image`` format (by default as
    :func:`image_format` says).
    Returns what the figure says it left out or could not show."""
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    n = len(rec)
    step = max(1, -(-n // PLOT_POINTS))
    sample = rec[::step]
    conf = rec.header.configuration
    if conf is not None:
        freq = conf.frequency_bins.astype(float)
        freq_label = "frequency (the instrument's frequency words)"
    else:
        freq = np.arange(1, BINS + 1, dtype=float)
        freq_label = "frequency bin"
    t0 = rec.header.start_time

    fig = plt.figure(figsize=(10, 7.5), layout="constrained")
    grid = fig.add_gridspec(2, 2, height_ratios=[1, 1.1])
    ax_mod = fig.add_subplot(grid[0, 0])
    ax_phase = fig.add_subplot(grid[0, 1])
    ax_time = fig.add_subplot(grid[1, :])
    every = "" if step == 1 else f", every {step}th line"
    # A name that is not UTF-8 shows its odd bytes escaped (no font has a glyph for them).
    name = os.fsencode(os.path.basename(rec.path)).decode("utf-8", "backslashreplace")
    fig.suptitle(f"{name}: {n:,} lines, {_duration(rec):.1f} s, "
                 f"{rec.lines_lost:,} lost" + (" (file cut short)" if rec.truncated else ""))
    notes = []
    if n:
        ax_mod.plot(freq, np.median(sample.impedance_module, axis=0), "o-")
        ax_phase.plot(freq, np.median(sample.impedance_phase, axis=0), "o-", color="tab:orange")
    else:
        notes.append("the file holds no lines")
        for ax in (ax_mod, ax_phase, ax_time):
            ax.text(0.5, 0.5, "no lines in this file", transform=ax.transAxes, ha="center",
                    va="center", color="tab:gray", fontsize=12)
    for ax in (ax_mod, ax_phase):
        if conf is not None:
            ax.set_xscale("log")
        ax.set_xlabel(freq_label)
        ax.grid(True, which="both", alpha=0.4)
    ax_mod.set_ylabel("median |Z| (ohm)")
    ax_mod.set_title(f"median |Z| per bin{every}")
    ax_phase.set_ylabel("median phase (deg)")
    ax_phase.set_title(f"median phase per bin{every}")

    column = bin_number - 1
    where = f"bin {bin_number}"
    if conf is not None:
        where += f" (frequency word {int(freq[column])})"
    x = sample.receive_time - t0
    y = sample.impedance_module[:, column].astype(np.float64)
    away = outages(rec)
    # The curve breaks at each gap and outage: before the first sampled line after it.
    breaks = [e.line for e in rec.events if e.kind == "Gap"] + [o.line for o in away]
    cuts = sorted({-(-line // step) for line in breaks if 0 < line < n})
    ax_time.plot(np.insert(x, cuts, np.nan), np.insert(y, cuts, np.nan), lw=0.8)
    # Markers are thinned as the lines are: thousands of them would take
    # minutes to draw and cover the curve with one red band.
    markers = [e for e in rec.events if e.kind == "Marker"]
    one_in = max(1, -(-len(markers) // PLOT_MARKERS))
    shown = markers[::one_in]
    thinned = ""
    if one_in > 1:
        thinned = f" ({len(shown)} of {len(markers):,}: 1 in {one_in})"
        notes.append(f"{len(shown)} of {len(markers):,} markers shown (1 in {one_in})")
    shaded = "gaps shaded" + (", outages shaded red" if away else "")
    ax_time.set_title(f"|Z| over time at {where}: markers dashed{thinned}, {shaded}")
    ax_time.set_xlabel("time since the recording started (s)")
    ax_time.set_ylabel("|Z| (ohm)")
    ax_time.grid(True, alpha=0.4)
    # Room above the curve for the markers' texts.
    low, high = ax_time.get_ylim()
    ax_time.set_ylim(low, high + 0.12 * (high - low))
    # A few labels read across; more stand along their lines, so that
    # neighbours do not overlap.
    upright = len(shown) > 8
    for e in shown:
        ax_time.axvline(e.time - t0, color="tab:red", ls="--", lw=1)
        ax_time.annotate(" " + e.text[:24 if upright else 40], (e.time - t0, 0.985), va="top",
                         ha="right" if upright else "left", rotation=90 if upright else 0,
                         xycoords=("data", "axes fraction"), fontsize=8, color="tab:red")
    for e in rec.events:
        if e.kind == "Gap" and n:
            # From the last line before the gap to the first after it.
            before = rec[max(e.line - 1, 0):max(e.line, 1)].receive_time[0]
            after = rec[min(e.line, n - 1):min(e.line, n - 1) + 1].receive_time[0]
            ax_time.axvspan(before - t0, after - t0, color="tab:gray", alpha=0.3, lw=0)
    for o in away:
        ax_time.axvspan(o.start - t0, o.end - t0, color="tab:red", alpha=0.15, lw=0)
    fig.savefig(out, dpi=100, format=image or image_format(out))
    plt.close(fig)
    return notes


def plot(args: argparse.Namespace, out: TextIO) -> int:
    image = image_format(args.out)
    rec = _open(args.file)
    _check_output(rec, args.out)
    try:
        notes = plot_recording(rec, args.out, args.bin, image)
    except OSError as error:
        raise _write_error(args.out, error) from None
    said = "".join(f"; {note}" for note in notes)
    out.write(f"Plotted {len(rec):,} lines to {args.out}{said}.\n")
    return 0


# ---- the command ----

def _parser() -> argparse.ArgumentParser:
    parser = _Parser(prog=PROG, description="Record from a Varnelo instrument or stream it on "
                     "the Lab Streaming Layer, and describe, export and plot recording files.",
                     epilog="Exit status: 0 done, 1 a failure (the instrument refused a "
                     "command, no line came, a disk filled, the stream could not open), 2 bad "
                     "input. The module's warnings (time-outs, read errors, a recording stopped "
                     "by a write failure) go to stderr.")
    commands = parser.add_subparsers(dest="command", metavar="COMMAND")
    commands.required = True

    def add(name: str, run: Callable[..., int], summary: str) -> argparse.ArgumentParser:
        sub = commands.add_parser(name, help=summary, description=summary)
        sub.set_defaults(run=run)
        return sub

    def measuring(p: argparse.ArgumentParser, goes_on: str) -> None:
        p.add_argument("--seconds", type=_positive_seconds, metavar="S",
                       help="stop after S seconds (default: at Ctrl-C)")
        p.add_argument("--divider", type=_number, metavar="D",
                       help="the sampling divider to set first (docs/commands.md lists them)")
        p.add_argument("--simulated", action="store_true", help="use the simulated instrument")
        p.add_argument("--no-reconnect", action="store_true",
                       help="do not wait for an instrument that drops off the bus: its read "
                       "error ends the lines (by default it is waited for, taken back with its "
                       f"settings, and {goes_on})")

    p = add("record", record, "Record every line from the instrument to a new file, until "
            "--seconds have passed or Ctrl-C, SIGTERM or SIGHUP. Exits 1 when no line came "
            "or a write failure stopped the recording.")
    p.add_argument("file", metavar="FILE", help="the recording file to create (must not exist)")
    measuring(p, "the file goes on")
    p.add_argument("--ring-lines", type=_whole, default=500, metavar="N",
                   help="the module's ring depth, 500 to 1000000 (default 500)")
    # A bare --stream gives True: a const that is text would go through _stream_name.
    p.add_argument("--stream", nargs="?", const=True, type=_stream_name, metavar="NAME",
                   help="also publish every line on the Lab Streaming Layer, as `varnelo "
                   "stream` does, in a data stream named NAME (default \"Varnelo <serial "
                   "number>\")")

    p = add("stream", stream, "Publish every line from the instrument on the Lab Streaming "
            "Layer (docs/lsl.md), until --seconds have passed or Ctrl-C, SIGTERM or SIGHUP. "
            "Exits 1 when the stream could not open or no line came.")
    measuring(p, "the stream goes on")
    p.add_argument("--name", type=_stream_name, metavar="NAME",
                   help="the data stream's name (default \"Varnelo <serial number>\")")

    p = add("info", info, "Show a recording's header, lines, duration, gaps, outages (the "
            "instrument off the bus) and events, and whether its tail was cut.")
    p.add_argument("file", metavar="FILE")

    p = add("export", export, "Write a recording's lines as CSV: receive time (POSIX s), cycle "
            "count, status words, magnitude and phase of the 15 bins. OUT.csv must not be a "
            "recording.")
    p.add_argument("file", metavar="FILE")
    p.add_argument("out", metavar="OUT.csv")
    p.add_argument("--first", type=_whole, default=0, metavar="N",
                   help="the first line to export, from 0 (default 0)")
    p.add_argument("--count", type=_whole, default=None, metavar="M",
                   help="how many lines (default: all to the end)")

    p = add("plot", plot, "Plot the median |Z| and phase per bin and |Z| over time at one bin, "
            f"with markers (at most {PLOT_MARKERS}, thinned beyond), gaps and outages, to "
            "OUT.png as named: the extension picks the format (png, svg, pdf, ...), PNG without one. "
            "OUT.png must not be a recording.")
    p.add_argument("file", metavar="FILE")
    p.add_argument("out", metavar="OUT.png")
    p.add_argument("--bin", type=_bin, default=1, metavar="K",
                   help="the bin (1 to 15) shown over time (default 1)")
    return parser


class _Warnings(logging.Handler):
    """The module's warnings, on stderr, each as "varnelo record: <text>"."""

    def __init__(self, out: TextIO) -> None:
        super().__init__(logging.WARNING)
        self.out = out
        self.prog = PROG

    def emit(self, record: logging.LogRecord) -> None:
        if self.out.isatty():
            _progress(self.out, "\r\x1b[K")  # not after the progress line
        try:
            sys.stderr.write(f"{self.prog}: {record.getMessage()}\n")
            sys.stderr.flush()
        except OSError:
            pass


def main(argv: Optional[Sequence[str]] = None) -> int:
    """Runs the command; returns its exit status: 0, 1 on a failure (the
    instrument refused a command, no line came, a disk filled), 2 on bad
    input."""
    out = sys.stdout
    # A file name that is not UTF-8 is shown escaped, not refused by stdout.
    if hasattr(out, "reconfigure"):
        out.reconfigure(errors="backslashreplace")
    prog = PROG
    warnings = _Warnings(out)
    logger = logging.getLogger("varnelo")
    logger.addHandler(warnings)
    try:
        args = _parser().parse_args(argv)
        prog = warnings.prog = f"{PROG} {args.command}"
        return int(args.run(args, out))
    except UsageError as error:
        prog = error.prog or prog
        message, status = str(error), 2
    except (VarneloError, Failure, ImportError) as error:
        # The instrument's refusal, in the module's words; a failure; or no backend.
        message, status = str(error), 1
    except KeyboardInterrupt:
        message, status = "interrupted", 130
    finally:
        logger.removeHandler(warnings)
    sys.stderr.write(f"{prog}: {message}\n")
    return status
