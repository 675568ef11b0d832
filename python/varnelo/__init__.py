"""varnelo: drive a Varnelo series USB impedance instrument from Python.

The package runs the VarneloControl MEX module's own core (its checks,
messages, device link, ring and USB transports) behind a Python host, and
returns measured lines as numpy arrays::

    import varnelo

    with varnelo.Instrument(simulated=True) as inst:
        inst.start()
        lines = inst.read(100)          # lines.impedance_module: (100, 15) float32

A recording made with :meth:`Instrument.start_recording` (or from MATLAB)
opens with :func:`read_recording`, which needs numpy alone; ``python3 -m
varnelo`` records, describes, exports and plots them from the command line.

Errors raise :class:`VarneloError`. What the module prints (the banner,
time-outs, USB errors) goes to the ``logging`` logger ``"varnelo"``; the
package prints nothing itself.
"""
from .errors import VarneloError
from .instrument import Configuration, Instrument, Lines, RecordingStatus, StreamingStatus
from .recording import Event, Recording, RecordingHeader, read_recording

__all__ = ["Configuration", "Event", "Instrument", "Lines", "Recording", "RecordingHeader",
           "RecordingStatus", "StreamingStatus", "VarneloError", "read_recording"]
__version__ = "1.0.0"
