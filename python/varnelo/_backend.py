"""The compiled modules behind the package, and what every process needs
exactly once: the logger that receives the module's printed text, the record
of which backend holds the one connection, and the clean-up at exit.

There is one extension per USB backend, chosen at link time as for the MEX
module: ``varnelo._sim`` (the simulated instrument) and ``varnelo._usb``
(libusb). Each holds a complete copy of the module's core, so each has its
own connection; this file keeps "one connection per process" true across
both.
"""
from __future__ import annotations

import atexit
import importlib
import logging
import re
import threading
from types import ModuleType
from typing import Dict, Optional

logger = logging.getLogger("varnelo")
# A library leaves output to the application's logging set-up.
logger.addHandler(logging.NullHandler())

# Every text the module prints, as docs/commands.md lists it under "Printed
# messages" (a C format: %d and %zu a number, %s any text), and the level it
# is logged at: WARNING for faults and warnings, INFO for the banner and the
# confirmations. A new message is one line here; tests/python checks that
# every message of docs/commands.md has its line. A text that matches none is
# logged as a WARNING, so that an unforeseen message is never filtered out.
PRINTED_LEVELS = {
    "\n#%s": logging.INFO,  # the banner, a box of '#'
    "\n\tVarnelo device USB connection initialized...\n\tDevice[%d] S/N:%s\n": logging.INFO,
    "\t%s\n\n": logging.INFO,  # the instrument's information text
    "\tConnection Error DEC[%d] - %s\n": logging.WARNING,
    "\tVarnelo device USB connection closed...\n": logging.INFO,
    "\tW A R N I N G  -  To disable external trigger send 'SetExternalTrigger' command with "
    "'Off' argument only when SYNC-IO input is low, otherwice this command is ignored and "
    "CtrlCmdError flag will be set.\n": logging.WARNING,
    "\tData collection timeout, polling period %d ms.\n": logging.WARNING,
    "\tData lines lost: %d (ring overflow).\n": logging.WARNING,
    "\tUSB Write Error [%d] - %s\n": logging.WARNING,
    "\tUSB Read Error [%d] - %s \n\tSend 'Disconnect' Command.\n": logging.WARNING,
    "\tUSB Read Error [%d] - %s\n\tSend 'Disconnect' Command.\n": logging.WARNING,
    "\t(%zu further messages from the receive thread were dropped)\n": logging.WARNING,
    "\tRecording stopped. Unable to write recording file [%d] - %s\n": logging.WARNING,
    "\tNo room for more events in the recording file: '%s' is not noted.\n": logging.WARNING,
    "\tRecording ended by Disconnect: %s, %llu lines, %llu lines lost.\n": logging.INFO,
    "\tRecording ended by Disconnect: %s, %llu lines, %llu lines lost. %s\n": logging.WARNING,
    # Recovery (Connect 'Reconnect', 'On'). The instrument's return is a
    # WARNING as its loss is: the two bound an outage whose lines were never
    # measured, and a log kept at WARNING must show where each outage ends.
    "\tInstrument lost [%d] - %s\n\tWaiting for it to come back; send 'Disconnect' command "
    "to stop waiting.\n": logging.WARNING,
    "\tInstrument back, Device[%d] S/N:%s. Restored: %s.\n": logging.WARNING,
    "\tDevice[%d] S/N:%s is another instrument: left alone, waiting for S/N:%s.\n": logging.WARNING,
    "\tThe instrument has no serial number: 'Reconnect' is off for this connection.\n":
        logging.WARNING,
}


_FIELDS = {"%d": r"-?\d+", "%zu": r"\d+", "%llu": r"\d+", "%s": r"[\s\S]*"}


def _pattern(format_text: str) -> "re.Pattern[str]":
    parts = re.split(r"(%d|%zu|%llu|%s)", format_text)
    return re.compile("".join(_FIELDS.get(p, re.escape(p)) for p in parts))


# The formats with the most fixed text are tried first: "\t%s\n\n" (any
# information text) only after every other has failed.
_PRINTED = [(_pattern(f), PRINTED_LEVELS[f]) for f in
            sorted(PRINTED_LEVELS, key=lambda f: -len(re.sub(r"%d|%zu|%llu|%s", "", f)))]


def printed_level(text: str) -> int:
    """The level of one text as the module printed it (tab and newlines included)."""
    for pattern, level in _PRINTED:
        if pattern.fullmatch(text):
            return level
    return logging.WARNING


_loaded: Dict[str, ModuleType] = {}
_load_lock = threading.Lock()
# Held while a connect decides which backend to ask, so that two threads
# cannot connect both backends at once.
connect_lock = threading.Lock()


def log_printed(text: str) -> None:
    """Logs one text the module printed: each line without its leading tab,
    blank lines dropped."""
    lines = (line.lstrip("\t").rstrip() for line in text.split("\n"))
    message = "\n".join(line for line in lines if line)
    if message:
        logger.log(printed_level(text), "%s", message)


def load(simulated: bool) -> ModuleType:
    """The extension of the simulated instrument or of real ones (libusb)."""
    name = "_sim" if simulated else "_usb"
    with _load_lock:
        module = _loaded.get(name)
        if module is None:
            try:
                module = importlib.import_module("varnelo." + name)
            except ImportError as error:
                if simulated:
                    raise
                raise ImportError(
                    "varnelo was built without the libusb backend (varnelo._usb); "
                    "Instrument(simulated=True) uses the simulated instrument") from error
            module.set_print_handler(log_printed)
            _loaded[name] = module
    return module


def holder() -> Optional[ModuleType]:
    """The backend whose module holds the process's connection, if any."""
    for module in list(_loaded.values()):
        if module.is_connected():
            return module
    return None


@atexit.register
def _release_at_exit() -> None:
    # What MATLAB does when it exits while connected: the module's exit hook
    # stops a measurement and closes the connection (its receive thread must
    # end before the interpreter tears the process down), printing nothing.
    # A read waiting on a daemon thread ends first and raises SystemExit there.
    for module in list(_loaded.values()):
        module.release_at_exit()
