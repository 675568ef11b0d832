"""Reading recording files (``Instrument.start_recording``, or
``VarneloControl('StartRecording', FileName)`` from MATLAB) with numpy alone.

The file is a 512-byte header, a fixed area of event slots, then one
208-byte record per data line to the end of the file (docs/recording-format.md
describes it completely). Because the lines form one contiguous array of
fixed records, :func:`read_recording` maps the file and hands out numpy views
of it: opening costs the same for any size, and reading a slice of lines
costs in proportion to the slice. Nothing here loads the compiled extensions.
"""
from __future__ import annotations

import os
import struct
from dataclasses import dataclass
from typing import Any, Dict, List, Optional, Tuple, Union

import numpy as np

from .instrument import Configuration, Lines

MAGIC = b"\x89VNREC\r\n"
FORMAT_VERSION = 1
# The fixed part of the header every version-1 file has; headerSize may be
# larger (a reader takes the offsets from the header).
_HEADER_FIELDS = 448
_MIN_RECORD_SIZE = 208

KIND_EMPTY, KIND_LINE, KIND_EVENT, KIND_TEXT = 0, 1, 2, 3

_MODES = {0: "Idle", 1: "Measuring", 2: "ExternalTrigger"}

# One record as a numpy structured type: the line fields at their offsets
# (record offset 16 + the offset within the line as sent).
RECORD_DTYPE = np.dtype({
    "names": ["kind", "text_bytes", "time", "sync", "frame_kind", "sys_errors",
              "measurement_cycle_count", "measurement_cycle_period", "max_ch_a", "min_ch_a",
              "max_ch_b", "min_ch_b", "impedance_module", "impedance_phase", "battery_level",
              "charger_status", "gpio_state"],
    "formats": ["<u2", "<u2", "<i8", "<u2", "<u2", "<u2", "<u4", "<u4", "<u2", "<u2", "<u2",
                "<u2", ("<f4", (15,)), ("<f4", (15,)), "<u2", "<u2", "<u2"],
    "offsets": [0, 2, 8, 16, 18, 22, 24, 28, 32, 34, 36, 38, 40, 100, 160, 162, 164],
    "itemsize": 208,
})

# The Lines fields that are views of the records, in GetData's order.
LINE_FIELDS = ("sys_errors", "measurement_cycle_count", "measurement_cycle_period", "max_ch_a",
               "min_ch_a", "max_ch_b", "min_ch_b", "impedance_module", "impedance_phase",
               "battery_level", "charger_status", "gpio_state")

# Event slots are read in blocks of this many until the first empty one.
_EVENT_BLOCK = 1024


def posix_seconds(nanoseconds: np.ndarray) -> np.ndarray:
    """int64 nanoseconds since 1970 as float64 POSIX seconds, computed as the
    module computes GetData's ReceiveTime, so that the two are equal."""
    ns = np.asarray(nanoseconds, dtype=np.int64)
    return ((ns // 1_000_000_000).astype(np.float64)
            + (ns % 1_000_000_000).astype(np.float64) * 1e-9)


@dataclass(frozen=True)
class RecordingHeader:
    """What the file's header says about the recording and the instrument."""

    format_version: int
    start_time: float
    """When the recording started: POSIX seconds (UTC)."""
    module_version: str
    device_index: int
    """The ``N`` of ``Device[N]``."""
    serial_number: str
    device_info: str
    """The instrument's information text."""
    sampling_divider: int
    """The sampling divider when the recording started."""
    lines_per_read: int
    mode: str
    """The mode when the recording started: ``Idle``, ``Measuring`` or ``ExternalTrigger``."""
    configuration: Optional[Configuration]
    """The configuration (``GetConfData``) when the recording started; ``None``
    when it was started while measuring, when the instrument cannot be asked."""
    header_size: int
    record_size: int
    event_slots: int


@dataclass(frozen=True)
class Event:
    """One event of the recording, as MATLAB's ``Events`` has it, except that
    ``line`` counts from 0."""

    time: float
    """When it happened: POSIX seconds (UTC)."""
    line: int
    """The index (from 0) of the first line after the event: 0 for events
    before any line, ``len(recording)`` for those after the last."""
    kind: str
    """``RecordingStart``, ``RecordingEnd``, ``Marker``, ``Gap``, or the command
    word that was sent (``Start``, ``SetSamplingDivider``, ...)."""
    text: str
    """The marker's text, the command's arguments, the number of lines a gap
    lost, the mode at the start, or why the recording ended."""


def _text(raw: bytes) -> str:
    return raw.split(b"\0", 1)[0].decode("utf-8", errors="replace")


def _configuration(raw: bytes) -> Configuration:
    table = np.frombuffer(raw, dtype="<f4", count=60, offset=32)
    return Configuration(
        frequency_count=int(np.frombuffer(raw, dtype="<u2", count=1)[0]),
        frequency_bins=np.frombuffer(raw, dtype="<u2", count=15, offset=2).astype(np.uint16),
        shunt_values=(table[0:15] + 1j * table[15:30]).astype(np.complex64),
        compensation_values=(table[30:45] + 1j * table[45:60]).astype(np.complex64),
    )


def _read_header(head: bytes, file_size: int, name: str) -> RecordingHeader:
    """The header from the file's first 512 bytes (or all of a shorter file)."""
    # A file whose bytes so far agree with the magic is a recording, perhaps
    # cut before its header was whole (the module creates the file, then
    # writes the header).
    if head[:8] != MAGIC[:len(head)]:
        raise ValueError(f"{name} is not a Varnelo recording")
    if len(head) < 24:
        raise ValueError(f"{name} ends inside its header")
    version, header_size, record_size, event_slots = struct.unpack_from("<4I", head, 8)
    if version != FORMAT_VERSION:
        raise ValueError(f"{name} has format version {version}; this reader reads version 1")
    if header_size < _HEADER_FIELDS or record_size < _MIN_RECORD_SIZE or record_size % 8:
        raise ValueError(f"{name} is not a Varnelo recording")
    if file_size < header_size:
        raise ValueError(f"{name} ends inside its header")
    start_ns, device_index, divider, per_read, has_conf, mode = struct.unpack_from(
        "<qHHBBH", head, 24)
    return RecordingHeader(
        format_version=version,
        start_time=float(posix_seconds(np.int64(start_ns))),
        module_version=_text(head[40:64]),
        device_index=device_index,
        serial_number=_text(head[64:96]),
        device_info=_text(head[96:176]),
        sampling_divider=divider,
        lines_per_read=per_read,
        mode=_MODES.get(mode, str(mode)),
        configuration=_configuration(head[176:448]) if has_conf == 1 else None,
        header_size=header_size,
        record_size=record_size,
        event_slots=event_slots,
    )


def _read_events(f: Any, header: RecordingHeader, file_size: int) -> Tuple[List[Any], bool]:
    """The event slots in use, up to the first empty one and only those
    wholly inside the file, as (event, value) pairs (value is a Gap's count),
    and whether an event's text records are missing (the file was cut)."""
    size = header.record_size
    slots = min(header.event_slots, max(file_size - header.header_size, 0) // size)
    f.seek(header.header_size)
    out: List[Any] = []
    pending: Optional[Dict[str, Any]] = None
    done = 0
    while done < slots:
        count = min(_EVENT_BLOCK, slots - done)
        block = f.read(count * size)
        count = len(block) // size
        if count == 0:
            break
        done += count
        for k in range(count):
            r = block[k * size:(k + 1) * size]
            kind, text_bytes = struct.unpack_from("<HH", r, 0)
            if kind == KIND_EMPTY:
                done = slots
                break
            if kind == KIND_EVENT:
                time_ns, line, value = struct.unpack_from("<qQQ", r, 8)
                pending = {"time": time_ns, "line": line, "value": value,
                           "kind": _text(r[32:56]), "bytes": text_bytes,
                           "text": r[56:56 + min(text_bytes, 152)]}
                out.append(pending)
            elif kind == KIND_TEXT and pending is not None:
                missing = pending["bytes"] - len(pending["text"])
                if missing > 0:
                    pending["text"] += r[16:16 + min(text_bytes, missing, 192)]
    text_cut = any(len(e["text"]) < e["bytes"] for e in out)
    times = posix_seconds(np.array([e["time"] for e in out], dtype=np.int64)).tolist()
    return [(Event(time=t, line=int(e["line"]), kind=e["kind"],
                   text=e["text"].decode("utf-8", errors="replace")), int(e["value"]))
            for t, e in zip(times, out)], text_cut


def _lines_in_file(records: np.ndarray) -> int:
    """How many of the records are lines: they end with the last record that
    is one (record kind 1, and the line's own sync word and kind); after it
    come only what a power loss left (zeros). Scanned from the end in blocks
    that grow, so that a file whose last record is a line costs one read."""
    n, block = len(records), 1
    while n > 0:
        first = max(n - block, 0)
        part = records[first:n]
        is_line = ((part["kind"] == KIND_LINE) & (part["sync"] == 0xFF03)
                   & (part["frame_kind"] == 0x01DD))
        found = np.flatnonzero(is_line)
        if found.size:
            return first + int(found[-1]) + 1
        n, block = first, min(block * 16, 65536)
    return 0


class Recording:
    """A recording file, mapped into memory. ``len(rec)`` is its number of
    lines; ``rec[i:j]`` the :class:`Lines` of that range (any slice, steps
    and negative bounds included), whose arrays are views of the file.

    Attributes: ``header`` (:class:`RecordingHeader`), ``lines`` (all lines, a
    :class:`Lines`), ``receive_time`` ((n,) float64 POSIX seconds, as
    ``read()`` gives them), ``events`` (a list of :class:`Event`),
    ``lines_lost`` (the lines the recording could not keep: the sum of its
    gaps) and ``truncated`` (the file was cut short, or is still being
    written: it ends before its first line's place or inside a record, in
    records that are not lines, inside an event's text, or before the line
    an event names; docs/recording-format.md has the rules)."""

    def __init__(self, path: str, header: RecordingHeader, records: Optional[np.ndarray],
                 events: List[Event], gaps: List[Any], truncated: bool) -> None:
        self.path = path
        self.header = header
        self.events = events
        self.truncated = truncated
        # (line, count) of each Gap event.
        self._gaps = gaps
        self.lines_lost = sum(count for _, count in gaps)
        self._records = records if records is not None else np.zeros(0, RECORD_DTYPE)
        self._lines: Optional[Lines] = None

    def __len__(self) -> int:
        return int(self._records.shape[0])

    def __repr__(self) -> str:
        cut = ", truncated" if self.truncated else ""
        return (f"<varnelo.Recording {self.path!r}: {len(self)} lines, {len(self.events)} events"
                f", {self.lines_lost} lines lost{cut}>")

    def __getitem__(self, index: slice) -> Lines:
        if not isinstance(index, slice):
            raise TypeError("a Recording is indexed with a slice, rec[i:j]; "
                            "rec.lines.<field>[i] is one line's value")
        return self._lines_of(self._records[index], range(*index.indices(len(self))))

    @property
    def lines(self) -> Lines:
        """Every line of the file (its ``receive_time`` is computed on first use)."""
        if self._lines is None:
            self._lines = self[:]
        return self._lines

    @property
    def receive_time(self) -> np.ndarray:
        """(n,) float64: when each line was received, POSIX seconds (UTC)."""
        return self.lines.receive_time

    @property
    def receive_ns(self) -> np.ndarray:
        """(n,) int64: the receive times as stored, nanoseconds since 1970 (a view)."""
        return self._records["time"]

    def _lines_of(self, records: np.ndarray, rows: range) -> Lines:
        fields = {name: records[name] for name in LINE_FIELDS}
        lost = 0
        if rows:
            lo, hi = min(rows[0], rows[-1]), max(rows[0], rows[-1]) + 1
            # The gaps before a line of the span, as read() counts lost lines
            # with the lines after them; those after the last line go with a
            # span that reaches the end.
            lost = sum(count for line, count in self._gaps
                       if lo <= line < hi or (line == hi == len(self)))
        return Lines(**fields, lines_lost=lost, lines_waiting=0, timed_out=False,
                     receive_time=posix_seconds(records["time"]))


def read_recording(path: Union[str, "os.PathLike[str]"]) -> Recording:
    """Opens a recording file: the header and the events are read, the lines
    mapped (``numpy.memmap``), not read. A file cut short (a crash, ``kill
    -9``, a power loss) reads up to its last whole line, with ``truncated``
    set; so does a file still being recorded, read meanwhile. Raises
    ``OSError`` when the file cannot be read and ``ValueError`` when it is
    not a recording or ends inside its header."""
    name = os.fsdecode(path)
    with open(name, "rb") as f:
        file_size = os.fstat(f.fileno()).st_size
        header = _read_header(f.read(512), file_size, name)
        lines_start = header.header_size + header.event_slots * header.record_size
        # The module makes the file lines_start bytes long before anything
        # else: a shorter file was cut.
        line_bytes = max(file_size - lines_start, 0)
        count = line_bytes // header.record_size
        truncated = line_bytes % header.record_size != 0 or file_size < lines_start
        pairs, text_cut = _read_events(f, header, file_size)

    records = None
    if count > 0:
        if header.record_size != RECORD_DTYPE.itemsize:
            dtype = np.dtype({"names": list(RECORD_DTYPE.names),
                              "formats": [RECORD_DTYPE.fields[n][0] for n in RECORD_DTYPE.names],
                              "offsets": [RECORD_DTYPE.fields[n][1] for n in RECORD_DTYPE.names],
                              "itemsize": header.record_size})
        else:
            dtype = RECORD_DTYPE
        mapped = np.memmap(name, dtype=dtype, mode="r", offset=lines_start, shape=(count,))
        # Plain ndarray views of the map (the map stays alive as their base).
        records = mapped.view(np.ndarray)
        lines = _lines_in_file(records)
        if lines < count:
            truncated = True
            records = records[:lines]
        count = lines

    events = [event for event, _ in pairs]
    # An event whose text records are missing, or that points past the last
    # line, shows that the file was cut after it was written.
    truncated = truncated or text_cut or any(event.line > count for event in events)
    gaps = [(event.line, value) for event, value in pairs if event.kind == "Gap"]
    return Recording(name, header, records, events, gaps, truncated)
