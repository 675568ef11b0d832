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

# Printed texts that report a fault (USB errors, time-outs, losses, dropped
# messages) or warn; the banner and the confirmations are INFO.
_WARNING_TEXT = re.compile(r"Error|timeout|lost|W A R N I N G|dropped")

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
        level = logging.WARNING if _WARNING_TEXT.search(message) else logging.INFO
        logger.log(level, "%s", message)


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
