"""The instrument as a Python object.

Every method is one call of the MEX module's command of the same meaning,
made through the same core: the checks, the messages, the link, the ring
and the transport are the module's. A failed command raises
:class:`varnelo.VarneloError` with the module's message; a Python argument
that cannot become a MATLAB value (``None``, a dict, text in an array, more
than two dimensions) raises ``TypeError`` or ``ValueError`` before anything
is sent. Arguments are otherwise passed as MATLAB would see them: ``str``
becomes a char array, a number a double, a numpy array (or a list) a double
matrix (complex when its dtype is), a 1-d array a 1 x n row.
"""
from __future__ import annotations

import operator
import os
from dataclasses import dataclass
from types import TracebackType
from typing import Any, Dict, Optional, Tuple, Type, Union

import numpy as np
import numpy.typing as npt

from . import _backend
from .errors import VarneloError

# The module's default ring depth: a Connect without 'RingLines'.
DEFAULT_RING_LINES = 500


@dataclass(frozen=True)
class Lines:
    """Data lines returned by :meth:`Instrument.read`, one row per line in the
    order they arrived; rows that the call did not fill (it timed out) are 0
    in every field. The arrays have the numeric class of GetData's fields;
    the values are the instrument's own, unscaled."""

    sys_errors: np.ndarray
    """(n,) uint16: the system error word (``SysErrors``)."""
    measurement_cycle_count: np.ndarray
    """(n,) uint32: the measurement cycle counter."""
    measurement_cycle_period: np.ndarray
    """(n,) uint32: the measurement cycle period."""
    max_ch_a: np.ndarray
    """(n,) uint16: channel A maximum."""
    min_ch_a: np.ndarray
    """(n,) uint16: channel A minimum."""
    max_ch_b: np.ndarray
    """(n,) uint16: channel B maximum."""
    min_ch_b: np.ndarray
    """(n,) uint16: channel B minimum."""
    impedance_module: np.ndarray
    """(n, 15) float32: impedance magnitude, column j = frequency bin j."""
    impedance_phase: np.ndarray
    """(n, 15) float32: impedance phase, column j = frequency bin j."""
    battery_level: np.ndarray
    """(n,) uint16."""
    charger_status: np.ndarray
    """(n,) uint16."""
    gpio_state: np.ndarray
    """(n,) uint16."""
    lines_lost: int
    """Lines the ring dropped (overflow) since the previous read or connect."""
    lines_waiting: int
    """Unread lines in the ring when the read returned."""
    timed_out: bool
    """The read ended because a line did not come within the polling period."""
    receive_time: np.ndarray
    """(n,) float64: POSIX time (s) at which each line was received; 0 for rows
    not filled."""
    instrument_away: bool = False
    """The instrument was off the bus when the read returned, and the module
    was waiting for it to come back (``reconnect=True``); no line can come
    meanwhile. Always False for the lines of a recording."""

    def __len__(self) -> int:
        return int(self.sys_errors.shape[0])


# GetData's fields, in the module's order, and their names here.
_LINE_FIELDS = (
    ("SysErrors", "sys_errors"),
    ("MeasurementCycleCount", "measurement_cycle_count"),
    ("MeasurementCyclePeriod", "measurement_cycle_period"),
    ("MaxChA", "max_ch_a"),
    ("MinChA", "min_ch_a"),
    ("MaxChB", "max_ch_b"),
    ("MinChB", "min_ch_b"),
    ("ImpedanceModule", "impedance_module"),
    ("ImpedancePhase", "impedance_phase"),
    ("BatteryLevel", "battery_level"),
    ("ChargerStatus", "charger_status"),
    ("GPIOState", "gpio_state"),
)
_MATRIX_FIELDS = ("ImpedanceModule", "ImpedancePhase")


def _column(array: np.ndarray) -> np.ndarray:
    """An N x 1 MATLAB column as an (N,) array."""
    return array.reshape(-1)


def _scalar(array: np.ndarray) -> Any:
    return array.reshape(-1)[0].item()


def _lines_from(data: Dict[str, np.ndarray], status: Dict[str, np.ndarray]) -> Lines:
    fields: Dict[str, Any] = {}
    for matlab_name, name in _LINE_FIELDS:
        value = data[matlab_name]
        fields[name] = value if matlab_name in _MATRIX_FIELDS else _column(value)
    return Lines(
        **fields,
        lines_lost=int(_scalar(status["LinesLost"])),
        lines_waiting=int(_scalar(status["LinesWaiting"])),
        timed_out=bool(_scalar(status["TimedOut"])),
        receive_time=_column(status["ReceiveTime"]),
        instrument_away=bool(_scalar(status["InstrumentAway"])),
    )


@dataclass(frozen=True)
class Configuration:
    """The instrument's configuration data (``GetConfData``)."""

    frequency_count: int
    """The number of frequency bins as the instrument reports it."""
    frequency_bins: np.ndarray
    """(15,) uint16: the bins' frequency words (their unit is the instrument's:
    the simulated instrument's are FFT bin numbers 1 kHz wide)."""
    shunt_values: np.ndarray
    """(15,) complex64: the shunt table, the shape :meth:`Instrument.set_shunt_values` takes."""
    compensation_values: np.ndarray
    """(15,) complex64: the compensation table."""


@dataclass(frozen=True)
class RecordingStatus:
    """A recording's state (``StopRecording``, ``GetRecordingStatus``)."""

    file_name: str
    """The full path of the file StartRecording created; empty when there was no recording."""
    recording: bool
    """Lines are being recorded."""
    lines: int
    """Lines written to the file."""
    lines_lost: int
    """Lines the recording could not keep (the disk was too slow, or a write failed)."""
    bytes: int
    """The file's length as written."""
    error: str
    """The failure that stopped the recording, or empty."""


def _recording_status(status: Dict[str, Any]) -> RecordingStatus:
    return RecordingStatus(
        file_name=status["FileName"],
        recording=bool(_scalar(status["Recording"])),
        lines=int(_scalar(status["Lines"])),
        lines_lost=int(_scalar(status["LinesLost"])),
        bytes=int(_scalar(status["Bytes"])),
        error=status["Error"],
    )


@dataclass(frozen=True)
class StreamingStatus:
    """The Lab Streaming Layer streams' state (``StopStreaming``,
    ``GetStreamingStatus``); docs/lsl.md describes the streams."""

    name: str
    """The data stream's name; empty when no stream was started."""
    source_id: str
    """The data stream's source id, ``varnelo-<serial number>``; the marker
    stream's is this with ``-markers``."""
    streaming: bool
    """The outlets are open and every line received is pushed."""
    lines_pushed: int
    """Lines handed to liblsl."""
    lines_not_pushed: int
    """Lines the stream could not keep (its buffer was full); never dropped
    without being counted here."""
    markers_pushed: int
    """Markers and command events pushed to the marker stream."""
    has_consumers: bool
    """An inlet is connected to the data stream."""


def _streaming_status(status: Dict[str, Any]) -> StreamingStatus:
    return StreamingStatus(
        name=status["Name"],
        source_id=status["SourceId"],
        streaming=bool(_scalar(status["Streaming"])),
        lines_pushed=int(_scalar(status["LinesPushed"])),
        lines_not_pushed=int(_scalar(status["LinesNotPushed"])),
        markers_pushed=int(_scalar(status["MarkersPushed"])),
        has_consumers=bool(_scalar(status["HasConsumers"])),
    )


def _check_text(value: Any, what: str) -> None:
    # A word argument: anything but text would reach the module as a number
    # and be refused as a syntax error, which hides the mistake.
    if not isinstance(value, str):
        raise TypeError(f"{what} must be a str, not {type(value).__name__}")


def _check_number(value: Any, what: str) -> None:
    if isinstance(value, (str, bytes)) or not np.isscalar(value) or isinstance(value, complex):
        raise TypeError(f"{what} must be a real number, not {type(value).__name__}")


class Instrument:
    """One Varnelo instrument, through the process's one connection.

    ``Instrument(simulated=True)`` uses the simulated instrument (the same one
    as the simulated MEX module, set up by the same ``VARNELO_SIM_*``
    environment variables); ``Instrument()`` real instruments over libusb.
    ``ring_lines`` (500 to 1,000,000) is the depth of the ring that holds lines
    between reads. ``reconnect=True`` (``Connect`` with ``'Reconnect', 'On'``)
    waits for an instrument that drops off the bus and takes it back into the
    same connection with its settings, its measurement and its recording;
    meanwhile :meth:`read` returns no lines with ``instrument_away`` set, and
    commands that would talk to it raise "Instrument lost, waiting for it to
    come back: command not sent.".

    As in the MEX module, a process has at most one connection: a second
    :meth:`connect`, from this or any other Instrument, simulated or not,
    raises "Device already connected.". Instruments of the same kind are
    handles onto that one connection, as every call of the MEX function is.

    Used as a context manager, entering connects; leaving stops a running
    recording and a running stream (their final statuses in
    :attr:`final_recording_status` and :attr:`final_streaming_status`) and a
    running measurement and disconnects, also when an exception leaves the
    block::

        with varnelo.Instrument(simulated=True) as inst:
            inst.start()
            lines = inst.read(100)
    """

    def __init__(self, simulated: bool = False, ring_lines: int = DEFAULT_RING_LINES,
                 reconnect: bool = False) -> None:
        self.simulated = bool(simulated)
        self.ring_lines = operator.index(ring_lines)
        self.reconnect = bool(reconnect)
        self._module = _backend.load(self.simulated)
        self.final_recording_status: Optional[RecordingStatus] = None
        """The final status of the last recording this Instrument stopped, with
        :meth:`stop_recording`, :meth:`disconnect` or by leaving the ``with``
        block; ``None`` before."""
        self.final_streaming_status: Optional[StreamingStatus] = None
        """The final status of the last stream this Instrument stopped, with
        :meth:`stop_streaming`, :meth:`disconnect` or by leaving the ``with``
        block; ``None`` before."""

    def __repr__(self) -> str:
        state = "connected" if self.connected else "not connected"
        kind = "simulated" if self.simulated else "libusb"
        again = ", reconnect" if self.reconnect else ""
        return f"<varnelo.Instrument {kind}, ring_lines={self.ring_lines}{again}, {state}>"

    def _call(self, nargout: int, command: str, *arguments: Any) -> Tuple[Any, ...]:
        return self._module.call(nargout, command, *arguments)

    # ---- Connection ----

    @property
    def connected(self) -> bool:
        """Whether this kind of instrument (simulated or real) is connected."""
        return bool(self._module.is_connected())

    def connect(self) -> None:
        """Opens the first instrument that no other program holds and starts
        its receive thread (``Connect``, with ``'RingLines'`` when ring_lines is
        not the default, and ``'Reconnect', 'On'`` with reconnect). The banner
        and the instrument's information text go to the "varnelo" logger.

        A connect that raises leaves nothing connected: when ``Connect`` fails
        after opening the instrument (it did not answer the information
        request, say), the module stays connected, so this disconnects before
        raising. A connection that was already there stays as it was."""
        with _backend.connect_lock:
            holder = _backend.holder()
            if holder is not None and holder is not self._module:
                # The other backend's module holds the connection: its own
                # check raises "Device already connected.".
                holder.call(0, "Connect")
            was_connected = self.connected
            options: Tuple[Any, ...] = ()
            if self.ring_lines != DEFAULT_RING_LINES:
                options += ("RingLines", float(self.ring_lines))
            if self.reconnect:
                options += ("Reconnect", "On")
            try:
                self._call(0, "Connect", *options)
            except BaseException:
                if not was_connected and self.connected:
                    self._disconnect_quietly()
                raise

    def _disconnect_quietly(self) -> None:
        try:
            self.disconnect()
        except VarneloError:
            _backend.logger.warning("Disconnect after a failed connect failed", exc_info=True)

    def disconnect(self) -> None:
        """Stops a running measurement and closes the connection (``Disconnect``).
        A running recording and a running stream are stopped first
        (``StopRecording``, ``StopStreaming``), and their final statuses kept in
        :attr:`final_recording_status` and :attr:`final_streaming_status`: once
        disconnected, the module can no longer be asked for them."""
        try:
            recording = self.recording_status().recording
            streaming = self.streaming_status().streaming
        except VarneloError:
            recording = streaming = False  # not connected: Disconnect says so
        if recording:
            self.stop_recording()
        if streaming:
            self.stop_streaming()
        self._call(0, "Disconnect")

    def __enter__(self) -> "Instrument":
        self.connect()
        return self

    def __exit__(self, exc_type: Optional[Type[BaseException]], exc: Optional[BaseException],
                 traceback: Optional[TracebackType]) -> None:
        if not self.connected:
            return
        try:
            self.disconnect()  # stops a running measurement first
        except VarneloError:
            if exc_type is None:
                raise
            # The exception that is leaving the block is the one to see.
            _backend.logger.warning("Disconnect while leaving on %s failed", exc_type.__name__,
                                    exc_info=True)

    def device_info(self) -> str:
        """``Device[<index>] S/N:<serial number><information text>``, asked afresh
        (``GetDevInfo``)."""
        return self._call(1, "GetDevInfo")[0]

    # ---- Measurement ----

    def start(self) -> None:
        """Starts measuring, paced by the sampling divider (``Start``)."""
        self._call(0, "Start")

    def stop(self) -> None:
        """Stops measuring (``Stop``)."""
        self._call(0, "Stop")

    def read(self, n: int) -> Lines:
        """Takes the n oldest unread lines from the ring, waiting for each line
        that has not come yet for at most the polling period (``GetData`` with
        its status output). Other Python threads run meanwhile; Ctrl-C raises
        KeyboardInterrupt within 100 ms and leaves the connection usable: the
        lines the interrupted read took come first in the next read, or are
        counted in its ``lines_lost`` when newer lines overwrote them. A read
        that has all its lines returns them; a Ctrl-C that came in meanwhile
        is raised by the next command. Signal handlers run once the read has
        returned, so one may call the instrument. ``MemoryError`` when the
        arrays do not fit in memory; the connection stays usable. While the
        instrument is off the bus (``reconnect=True``) a read ends after one
        polling period with ``timed_out`` and ``instrument_away`` set, and logs
        no time-out: the loss was logged once."""
        data, status = self._call(2, "GetData", float(operator.index(n)))
        if data is None:
            # The module leaves its outputs unset only when interrupted, and
            # the interrupt is raised before this is reached.
            raise RuntimeError("GetData returned no lines")
        return _lines_from(data, status)

    def set_external_trigger(self, state: str) -> None:
        """``'On'``: measure one line per edge on the SYNC-IO input (idle mode
        only); ``'Off'``: back to idle (``SetExternalTrigger``)."""
        _check_text(state, "state")
        self._call(0, "SetExternalTrigger", state)

    # ---- Settings ----

    def set_sampling_divider(self, divider: float) -> None:
        """Sets the line rate's divider, one of the values in docs/commands.md
        (idle mode only; ``SetSamplingDivider``)."""
        _check_number(divider, "divider")
        self._call(0, "SetSamplingDivider", divider)

    def set_excitation_level(self, level: float) -> None:
        """Sets the excitation level, 0..255 (``SetExcitationLevel``)."""
        _check_number(level, "level")
        self._call(0, "SetExcitationLevel", level)

    def set_input_gain(self, gain_a: str, gain_b: str) -> None:
        """Sets the channel A and B gains, each ``'1x'``, ``'2x'``, ``'5x'`` or
        ``'10x'`` (``SetInputGain``)."""
        _check_text(gain_a, "gain_a")
        _check_text(gain_b, "gain_b")
        self._call(0, "SetInputGain", gain_a, gain_b)

    def set_compensation(self, compensation: str, compensation_measurement: str) -> None:
        """Switches compensation and compensation measurement, each ``'On'`` or
        ``'Off'`` (``SetCompensation``)."""
        _check_text(compensation, "compensation")
        _check_text(compensation_measurement, "compensation_measurement")
        self._call(0, "SetCompensation", compensation, compensation_measurement)

    def set_battery_supply(self, state: str) -> None:
        """``'On'`` or ``'Off'`` (``SetBatterySupply``)."""
        _check_text(state, "state")
        self._call(0, "SetBatterySupply", state)

    def set_gpio(self, first: int, second: int) -> Tuple[int, int]:
        """Sets the GPIO byte's two 3-bit fields, ``first`` in bits 5-3 and
        ``second`` in bits 2-0, and returns the module's two outputs: in idle
        mode the instrument's GPIO state (bits 5-3, bits 2-0); while measuring
        0 and the whole GPIO byte of the latest line (``SetGPIO``)."""
        _check_number(first, "first")
        _check_number(second, "second")
        a, b = self._call(2, "SetGPIO", first, second)
        return int(_scalar(a)), int(_scalar(b))

    # ---- Calibration ----

    def configuration(self) -> Configuration:
        """The frequency bins and the calibration tables (idle mode only;
        ``GetConfData``)."""
        conf = self._call(1, "GetConfData")[0]
        return Configuration(
            frequency_count=int(_scalar(conf["FrequencyCount"])),
            frequency_bins=_column(conf["FrequencyBins"]),
            shunt_values=_column(conf["ShuntComplexValues"]),
            compensation_values=_column(conf["CompensationComplexValues"]),
        )

    def set_shunt_values(self, values: npt.ArrayLike) -> None:
        """Uploads the shunt table: 15 complex values, a (15,) complex array
        such as :attr:`Configuration.shunt_values` or :meth:`shunt_data`'s
        result (``SetShuntVal``). A real array is refused ("Not complex
        data."), as in MATLAB."""
        self._call(0, "SetShuntVal", values)

    def set_compensation_values(self, values: npt.ArrayLike) -> None:
        """Uploads the compensation table: 15 complex values (``SetCompVal``)."""
        self._call(0, "SetCompVal", values)

    def shunt_data(self, frequencies: npt.ArrayLike) -> np.ndarray:
        """The shunt impedance at the first 15 of ``frequencies`` (in the unit
        of the front end's calibration table; Hz on the simulated instrument),
        interpolated from the front end's EEPROM calibration: a (15,)
        complex128 array (``GetShuntData``)."""
        return _column(self._call(1, "GetShuntData", frequencies)[0])

    # ---- Recording ----

    def start_recording(self, path: Union[str, "os.PathLike[str]"]) -> None:
        """Starts recording every line received, with its receive time and the
        events around it, to a new file (``StartRecording``); the file must not
        exist. Read it with :func:`varnelo.read_recording`. Started in idle
        mode, the file's header holds the configuration."""
        if not isinstance(path, (str, os.PathLike)):
            raise TypeError(f"path must be a str or an os.PathLike, not {type(path).__name__}")
        self._call(0, "StartRecording", os.fsdecode(path))

    def stop_recording(self) -> RecordingStatus:
        """Ends the recording with a complete file and returns its final status
        (``StopRecording``), also kept in :attr:`final_recording_status`."""
        self.final_recording_status = _recording_status(self._call(1, "StopRecording")[0])
        return self.final_recording_status

    def recording_status(self) -> RecordingStatus:
        """The running or the last recording's status (``GetRecordingStatus``)."""
        return _recording_status(self._call(1, "GetRecordingStatus")[0])

    def add_marker(self, text: str) -> None:
        """Adds a ``Marker`` event with this text (at most 4096 bytes of UTF-8)
        before the next line of the running recording, and pushes it to the
        marker stream while streaming (``AddMarker``)."""
        _check_text(text, "text")
        self._call(0, "AddMarker", text)

    # ---- Streaming on the Lab Streaming Layer ----

    def start_streaming(self, name: Optional[str] = None) -> None:
        """Opens the data and marker outlets on the Lab Streaming Layer and
        pushes every line received from now on, from a thread of the module's
        own, whether or not :meth:`read` is called (``StartStreaming``; in any
        mode). The data stream is named ``name``, or ``Varnelo <serial
        number>``; markers (:meth:`add_marker`) and the commands that change
        the instrument go to the marker stream. docs/lsl.md describes both."""
        if name is None:
            self._call(0, "StartStreaming")
        else:
            _check_text(name, "name")
            self._call(0, "StartStreaming", name)

    def stop_streaming(self) -> StreamingStatus:
        """Pushes what is left and closes the outlets; returns the final status
        (``StopStreaming``), also kept in :attr:`final_streaming_status`."""
        self.final_streaming_status = _streaming_status(self._call(1, "StopStreaming")[0])
        return self.final_streaming_status

    def streaming_status(self) -> StreamingStatus:
        """The running or the last stream's status (``GetStreamingStatus``)."""
        return _streaming_status(self._call(1, "GetStreamingStatus")[0])
