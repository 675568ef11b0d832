"""read() while it waits: other Python threads run, Ctrl-C ends it with
KeyboardInterrupt and loses no line, a signal handler may call the
instrument, and the exit ends a read on another thread."""
import os
import signal
import subprocess
import sys
import threading
import time

import pytest

import varnelo

from conftest import run_child


def test_another_thread_makes_progress_during_read(inst):
    inst.set_sampling_divider(10)  # 100 lines/s: read(50) waits about 0.5 s
    stamps = []
    done = threading.Event()

    def work():
        count = 0
        while not done.is_set():
            count += 1
            if count % 1000 == 0:
                stamps.append(time.monotonic())

    thread = threading.Thread(target=work)
    thread.start()
    try:
        inst.start()
        begin = time.monotonic()
        lines = inst.read(50)
        end = time.monotonic()
    finally:
        done.set()
        thread.join()
    assert len(lines) == 50 and not lines.timed_out
    # 50 lines at 100 lines/s take at least 0.49 s to come. A read that held
    # the GIL would let the other thread run only around its ends, not in
    # the middle of the wait.
    assert end - begin > 0.4
    assert any(begin + 0.15 < t < end - 0.15 for t in stamps)


CHILD = r"""
import sys, time, varnelo
with varnelo.Instrument(simulated=True) as inst:
    inst.set_sampling_divider(10)
    inst.start()
    print("reading", flush=True)
    try:
        inst.read(100000)          # 1000 s at 100 lines/s
        print("read returned")
    except KeyboardInterrupt:
        print("interrupted", flush=True)
    lines = inst.read(20)
    # The interrupted read's lines are counted as lost, never dropped
    # silently: the next line is the one after them.
    print(len(lines), lines.timed_out, lines.measurement_cycle_count[0] == lines.lines_lost)
"""


def test_ctrl_c_ends_a_long_read_and_the_connection_stays_usable():
    child = subprocess.Popen([sys.executable, "-c", CHILD], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, text=True)
    try:
        assert child.stdout.readline().strip() == "reading"
        time.sleep(0.5)
        child.send_signal(signal.SIGINT)
        out, err = child.communicate(timeout=30)
    finally:
        if child.poll() is None:
            child.kill()
    assert child.returncode == 0, err
    assert out.split() == ["interrupted", "20", "False", "True"]



def test_a_signal_handler_may_stop_the_measurement_during_read(inst):
    inst.set_sampling_divider(10)  # read(50) waits about 0.5 s
    inst.start()
    previous = signal.signal(signal.SIGALRM, lambda *_: inst.stop())
    signal.setitimer(signal.ITIMER_REAL, 0.2)
    try:
        assert len(inst.read(50)) == 50
    finally:
        signal.signal(signal.SIGALRM, previous)
    with pytest.raises(varnelo.VarneloError, match="not in measurement mode"):
        inst.read(1)  # the handler's stop() took effect


def test_a_signal_handler_runs_after_a_read_that_printed():
    # Start unanswered: read(1) waits 532 ms and prints its time-out; the
    # handler, due at 0.1 s, runs after the read, not in the logging of it.
    child = run_child("import signal, varnelo\n"
                      "with varnelo.Instrument(simulated=True) as inst:\n"
                      "    inst.set_sampling_divider(512); inst.start()\n"
                      "    signal.signal(signal.SIGALRM, lambda *_: inst.stop())\n"
                      "    signal.setitimer(signal.ITIMER_REAL, 0.1)\n"
                      "    inst.read(1)\n"
                      "    try: inst.stop()\n"
                      "    except varnelo.VarneloError as e: print(e)\n",
                      env={"VARNELO_SIM_SILENT": "1"})
    assert (child.stdout, child.stderr) == ("Device already in idle mode.\n", "")


# The SIGINT comes while read(20) waits for the call lock that another
# thread's read holds; it then waits about 20 ms for its lines, too short to
# ask for Ctrl-C. Each read's gaps in the cycle count must be its lines_lost.
LATE_CTRL_C = r"""
import os, signal, threading, time, varnelo
inst = varnelo.Instrument(simulated=True)
inst.connect(); inst.start()
reads, mine = [], []
other = threading.Thread(target=lambda: reads.append(inst.read(300))); other.start()
time.sleep(0.1); threading.Timer(0.1, os.kill, (os.getpid(), signal.SIGINT)).start()
for n in (20, 1, 20):
    try: mine.append(inst.read(n))
    except KeyboardInterrupt: print("interrupted")
other.join(); reads += mine
for a, b in zip(reads, reads[1:]):
    print(b.lines_lost == int(b.measurement_cycle_count[-1]) - int(a.measurement_cycle_count[-1]) - len(b))
"""


def test_ctrl_c_as_a_read_completes_loses_no_line_uncounted():
    child = run_child(LATE_CTRL_C, timeout=60)
    assert sorted(child.stdout.split()) == ["True", "True", "interrupted"], child.stderr


def test_exit_ends_a_read_on_another_thread():
    # 1,000 s of lines at divider 10: the exit must not wait for them.
    child = run_child("import threading, time, varnelo\n"
                      "inst = varnelo.Instrument(simulated=True)\n"
                      "inst.connect(); inst.set_sampling_divider(10); inst.start()\n"
                      "threading.Thread(target=inst.read, args=(100000,), daemon=True).start()\n"
                      "time.sleep(0.5)\n", timeout=30)
    assert (child.returncode, child.stderr) == (0, "")
