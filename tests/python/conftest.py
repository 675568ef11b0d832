"""The package from the build tree (PYTHONPATH=build/python, set by
run_suite.sh) against the simulated instrument."""
import os
import subprocess
import sys

import pytest

import varnelo
from varnelo import _backend

# LSL on 127.0.0.1 only, also when pytest runs without run_suite.sh (which exports the same).
os.environ.setdefault("LSLAPICFG",
                      os.path.join(os.path.dirname(__file__), "..", "lsl", "lslapi.cfg"))


def leave_disconnected() -> None:
    holder = _backend.holder()
    if holder is not None:
        holder.call(0, "Disconnect")


@pytest.fixture
def inst():
    """A connected simulated instrument; nothing stays connected after the test."""
    leave_disconnected()
    instrument = varnelo.Instrument(simulated=True)
    instrument.connect()
    yield instrument
    leave_disconnected()


def run_child(code: str, env=None, timeout: float = 120) -> subprocess.CompletedProcess:
    """Runs code in a Python process of its own, with this one's interpreter
    and package path."""
    return subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          timeout=timeout, env=dict(os.environ, **(env or {})))
