"""read() while it waits: other Python threads run, and Ctrl-C ends it with
KeyboardInterrupt, leaving the connection usable."""
import os
import signal
import subprocess
import sys
import threading
import time

import varnelo


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
