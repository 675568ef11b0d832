"""varnelo stream and record --stream, read by an LSL inlet in another
process: tests/lsl's lsl_inlet_probe, from the build tree."""
import contextlib
import os
import pathlib
import pty
import re
import signal
import subprocess
import sys
import time

import pytest

import varnelo

PROBE = pathlib.Path(varnelo.__file__).parents[2] / "tests" / "lsl" / "lsl_inlet_probe"


@pytest.mark.parametrize("command", [["stream", "--name"], ["record", "r.vnrec", "--stream"]])
def test_an_inlet_gets_every_line_from_its_start_to_the_last_one_pushed(tmp_path, command):
    # A name of this run's own: another run's outlet with the same simulated
    # serial number is not taken for this one.
    name = f"varnelo-test-{os.getpid()}-{time.time_ns()}"
    inlet = subprocess.Popen([PROBE, "varnelo-VN2024-0001", "--name", name, "--timeout", "60"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    # On a terminal, whose progress line says when the inlet is there.
    terminal, child_side = pty.openpty()
    child = subprocess.Popen([sys.executable, "-m", "varnelo", *command, name, "--simulated",
                              "--seconds", "120"], stdout=child_side, cwd=tmp_path)
    os.close(child_side)
    shown = b""
    with contextlib.suppress(OSError):  # the child closed the terminal: it ended
        while b"a consumer connected" not in shown:
            shown += os.read(terminal, 4096)
        child.send_signal(signal.SIGTERM)
        while chunk := os.read(terminal, 4096):
            shown += chunk
    os.close(terminal)
    assert child.wait(timeout=60) == 0
    text = shown.decode()
    pushed = re.search(rf'Streamed ([\d,]+) lines as "{name}" \(source id varnelo-VN2024-0001\)'
                       r"[^;]*; 0 lines not pushed", text)
    assert pushed and "(ended by SIGTERM)" in text, text
    last = int(pushed[1].replace(",", "")) - 1  # the cycle counts start at 0
    assert re.fullmatch(rf"samples=\d+ first=\d+ last={last} gaps=0 backwards=0 channels=33 "
                        rf"rate=1000 end=closed name={name}\n", inlet.communicate(timeout=90)[0])
    if command[0] == "record":
        assert 0 < len(varnelo.read_recording(tmp_path / "r.vnrec")) <= last + 1
