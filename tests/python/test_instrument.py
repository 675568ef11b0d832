"""varnelo against the simulated instrument: what read and configuration
return, the module's messages as VarneloError, the one connection, the
context manager's clean-up, where printed text goes, and failures (a connect
that fails half-way, MemoryError) that leave nothing half-done."""
import logging
import pathlib
import re
import time

import numpy as np
import pytest

import varnelo
from varnelo import _backend

from conftest import run_child

LINE_DTYPES = {
    "sys_errors": np.uint16, "measurement_cycle_count": np.uint32,
    "measurement_cycle_period": np.uint32, "max_ch_a": np.uint16, "min_ch_a": np.uint16,
    "max_ch_b": np.uint16, "min_ch_b": np.uint16, "battery_level": np.uint16,
    "charger_status": np.uint16, "gpio_state": np.uint16, "receive_time": np.float64,
}


class TestLines:
    def test_read_gives_each_field_in_its_class_and_shape_in_arrival_order(self, inst):
        before = time.time()
        inst.start()
        lines = inst.read(20)
        after = time.time()
        assert len(lines) == 20
        for name, dtype in LINE_DTYPES.items():
            value = getattr(lines, name)
            assert (value.dtype, value.shape) == (np.dtype(dtype), (20,)), name
        for name in ("impedance_module", "impedance_phase"):
            value = getattr(lines, name)
            assert (value.dtype, value.shape) == (np.dtype(np.float32), (20, 15)), name
        assert isinstance(lines.lines_lost, int) and isinstance(lines.lines_waiting, int)
        assert lines.timed_out is False
        # Rows are lines in the order sent, none lost, none repeated.
        assert lines.lines_lost == 0
        assert list(lines.measurement_cycle_count) == list(range(20))
        # Each row is a whole line (magnitudes at all 15 bins, the battery word).
        assert (lines.impedance_module > 0).all() and (lines.battery_level > 0).all()
        assert np.all(np.diff(lines.receive_time) >= 0)
        assert before <= lines.receive_time[0] and lines.receive_time[-1] <= after

    def test_ring_lines_reaches_the_ring(self):
        # A ring of 1000 that overflowed holds the newest 1000 lines.
        with varnelo.Instrument(simulated=True, ring_lines=1000) as inst:
            inst.start()
            time.sleep(2.5)  # 1000 lines/s: the ring fills and overflows
            lines = inst.read(1)
            assert lines.lines_waiting == 999
            assert lines.lines_lost == lines.measurement_cycle_count[0] > 0

    def test_uploaded_table_comes_back_bit_for_bit(self, inst):
        conf = inst.configuration()
        assert conf.frequency_count == 15
        assert (conf.frequency_bins.dtype, conf.frequency_bins.shape) == (np.uint16, (15,))
        # Distinct real and imaginary parts per bin: a swapped, transposed or
        # conjugated upload shows.
        table = (conf.shunt_values * np.complex64(1.5 - 0.25j)
                 + np.arange(15, dtype=np.float32) * np.complex64(0.125j))
        inst.set_shunt_values(table)
        back = inst.configuration().shunt_values
        assert back.dtype == np.complex64
        np.testing.assert_array_equal(back, table.astype(np.complex64))

    def test_shunt_data_and_gpio_outputs(self, inst):
        freq_hz = inst.configuration().frequency_bins * 1000.0
        zs = inst.shunt_data(freq_hz)
        assert (zs.dtype, zs.shape) == (np.complex128, (15,))
        # The simulated shunt: 1 kOhm with 10 pF in parallel.
        expected = 1.0 / (1.0 / 1000.0 + 2j * np.pi * freq_hz * 10e-12)
        np.testing.assert_allclose(zs, expected, rtol=1e-3)
        assert inst.set_gpio(3, 5) == (3, 5)


class TestErrors:
    def test_messages_lose_only_their_tab_and_trailing_newline(self, inst):
        with pytest.raises(varnelo.VarneloError) as e:
            inst.stop()
        assert str(e.value) == "Device already in idle mode."
        with pytest.raises(varnelo.VarneloError) as e:
            inst.read(1)
        assert str(e.value) == ("Device is not in measurement mode, send 'Start' or "
                                "'SetExternalTrigger' command.")
        # The one message without a trailing newline keeps its last character.
        with pytest.raises(varnelo.VarneloError) as e:
            _backend.load(True).call(0)
        assert str(e.value).startswith("Command missing\n\tExpected commands")
        assert str(e.value).endswith("'SetSamplingDivider'")
        inst.disconnect()
        with pytest.raises(varnelo.VarneloError, match=r"^Device is not connected\.$"):
            inst.device_info()

    def test_one_connection_per_process(self, inst):
        others = [inst, varnelo.Instrument(simulated=True)]
        try:
            others.append(varnelo.Instrument(simulated=False))
        except ImportError:
            pass  # built without libusb
        for other in others:
            with pytest.raises(varnelo.VarneloError, match=r"^Device already connected\.$"):
                other.connect()
        assert inst.device_info().startswith("Device[0] S/N:VN2024-0001")

    def test_ring_lines_out_of_range_refused_before_opening(self):
        for lines in (499, 1_000_001):
            with pytest.raises(varnelo.VarneloError, match=r"^Incorrect command argument\.$"):
                varnelo.Instrument(simulated=True, ring_lines=lines).connect()
            assert _backend.holder() is None

    def test_tables_checked_as_in_matlab(self, inst):
        with pytest.raises(varnelo.VarneloError, match=r"^Not complex data\.$"):
            inst.set_shunt_values(np.ones(15))
        with pytest.raises(varnelo.VarneloError, match="15 complex numbers expected"):
            inst.set_compensation_values(np.ones((15, 1), dtype=complex))

    def test_python_values_without_a_matlab_form_refused_before_sending(self, inst):
        with pytest.raises(TypeError):
            inst.set_external_trigger(None)
        with pytest.raises(TypeError):
            inst.shunt_data({"f": 1})
        with pytest.raises(ValueError):
            inst.set_shunt_values(np.ones((1, 15, 1), dtype=complex))
        with pytest.raises(TypeError):
            inst.read(2.5)
        # Still idle: nothing reached the instrument.
        assert inst.configuration().frequency_count == 15


class TestContextManager:
    def test_exception_leaving_stops_and_disconnects(self):
        with pytest.raises(ZeroDivisionError):
            with varnelo.Instrument(simulated=True) as inst:
                inst.start()
                inst.read(5)
                1 / 0
        assert _backend.holder() is None
        # The next connection starts idle, with a usable ring.
        with varnelo.Instrument(simulated=True) as inst:
            inst.start()
            assert len(inst.read(3)) == 3

    def test_leaving_after_the_block_disconnected_itself(self):
        with varnelo.Instrument(simulated=True) as inst:
            inst.disconnect()
        assert _backend.holder() is None


class TestPrinting:
    def test_printed_text_goes_to_the_logger_and_nothing_to_stdout(self, capfd, caplog):
        caplog.set_level(logging.INFO, logger="varnelo")
        with varnelo.Instrument(simulated=True):
            pass
        messages = [r.getMessage() for r in caplog.records if r.name == "varnelo"]
        assert any(m.startswith("Varnelo device USB connection initialized...\nDevice[0] S/N:")
                   for m in messages)
        assert "Varnelo device USB connection closed..." in messages
        assert not any("\t" in m for m in messages)
        assert capfd.readouterr().out == ""

    def test_every_printed_message_of_the_reference_has_its_level(self):
        docs = pathlib.Path(__file__).parents[2] / "docs" / "commands.md"
        section = docs.read_text().split("\n## Printed messages\n", 1)[1].split("\n## ", 1)[0]
        rows = [row.split(" | ")[0] for row in section.splitlines() if row.startswith("|")]
        formats = [f.replace("\\t", "\t").replace("\\n", "\n")
                   for row in rows for f in re.findall(r'`"(.*?)"`', row)]
        assert len(formats) >= 13
        for f in formats:
            assert f in _backend.PRINTED_LEVELS, f"no level for {f!r}"
            # A text of that form is found under its own format, not another's.
            text = (f.replace("%d", "27").replace("%zu", "3").replace("%llu", "5")
                    .replace("%s", "File too large"))
            assert _backend.printed_level(text) == _backend.PRINTED_LEVELS[f], f
        # A write failure that ended a recording is a fault; an unknown text too.
        for text in ("\tRecording stopped. Unable to write recording file [27] - File too large\n",
                     "\tA message not yet known\n"):
            assert _backend.printed_level(text) == logging.WARNING, text

    def test_simulator_environment_and_time_out_warning(self):
        # Start unanswered: no line comes, the read times out and says so.
        child = run_child(
            "import logging, sys, varnelo\n"
            "logging.basicConfig(stream=sys.stderr, format='%(levelname)s:%(message)s')\n"
            "with varnelo.Instrument(simulated=True) as inst:\n"
            "    inst.start()\n"
            "    lines = inst.read(5)\n"
            "print(lines.timed_out, len(lines), bool(lines.impedance_module.any()),\n"
            "      bool(lines.receive_time.any()))\n",
            env={"VARNELO_SIM_SILENT": "1"})
        assert child.returncode == 0, child.stderr
        assert child.stdout.split() == ["True", "5", "False", "False"]
        assert "WARNING:Data collection timeout, polling period 24 ms." in child.stderr



class TestFailures:
    def test_connect_that_fails_after_opening_leaves_nothing_connected(self):
        # No reply to the information request: Connect fails with the device open.
        child = run_child("import varnelo\n"
                          "for _ in range(2):\n"
                          "    try:\n"
                          "        with varnelo.Instrument(simulated=True): pass\n"
                          "    except varnelo.VarneloError as e: print(e)\n",
                          env={"VARNELO_SIM_SILENT": "2"})
        assert child.stdout.splitlines() == ["Error: Device did not respond to command."] * 2

    def test_memory_error_leaves_the_connection_usable(self):
        child = run_child(
            "import resource, varnelo\n"
            "with varnelo.Instrument(simulated=True) as inst:\n"
            "    inst.start()\n"
            "    size = int(open('/proc/self/statm').read().split()[0]) * resource.getpagesize()\n"
            "    resource.setrlimit(resource.RLIMIT_AS, (size + 2**30, resource.RLIM_INFINITY))\n"
            "    try: inst.read(30_000_000)  # about 4.5 GB of arrays\n"
            "    except MemoryError: print(len(inst.read(5)))\n")
        assert (child.returncode, child.stdout) == (0, "5\n"), child.stderr
