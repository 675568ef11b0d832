"""Recording from Python and reading the files back (varnelo.read_recording),
and the varnelo command: its subcommands against the simulated instrument,
their bad inputs, and the readers without the compiled extensions."""
import json
import os
import resource
import shutil
import signal
import struct
import subprocess
import sys
import time

import numpy as np
import pytest

import varnelo
from varnelo.recording import LINE_FIELDS

from conftest import leave_disconnected

MARKER = "Zelle 3 umgesteckt, Ω " * 12  # 300 bytes of UTF-8: the text goes on in text records


def record_and_read(path, inst):
    """Records while reading every line with read(); returns the reads' lines,
    joined, and StopRecording's status."""
    inst.set_gpio(3, 5)  # a GPIO word that is not 0 in every line
    inst.start_recording(path)
    assert inst.recording_status().recording
    inst.start()
    chunks = []
    def read_until(lines):  # rows a timed-out read left unfilled (receive time 0) are no lines
        while sum(int((c.receive_time > 0).sum()) for c in chunks) < lines:
            chunks.append(inst.read(100))

    read_until(300)
    inst.add_marker(MARKER)
    read_until(500)
    status = inst.stop_recording()
    read_until(status.lines)  # the ring holds every line the file does, and more
    joined = {name: np.concatenate([getattr(c, name)[c.receive_time > 0] for c in chunks])
              for name in LINE_FIELDS + ("receive_time",)}
    assert sum(c.lines_lost for c in chunks) == 0
    return joined, status


@pytest.fixture(scope="module")
def recorded(tmp_path_factory):
    leave_disconnected()
    path = tmp_path_factory.mktemp("rec") / "run.vnrec"
    with varnelo.Instrument(simulated=True) as inst:
        read, status = record_and_read(path, inst)
    yield path, read, status
    leave_disconnected()


def assert_same_lines(lines, read, n):
    for name in LINE_FIELDS + ("receive_time",):
        got, want = getattr(lines, name), read[name][:n]
        assert got.dtype == want.dtype and got.shape == want.shape, name
        np.testing.assert_array_equal(got, want, err_msg=name)


class TestReadBack:
    def test_file_holds_what_read_returned_line_for_line(self, recorded):
        path, read, status = recorded
        assert (status.recording, status.lines_lost, status.error) == (False, 0, "")
        assert status.file_name == str(path) and status.bytes == os.path.getsize(path)
        rec = varnelo.read_recording(path)
        assert len(rec) == status.lines >= 500 and not rec.truncated and rec.lines_lost == 0
        assert_same_lines(rec.lines, read, len(rec))
        # Views of the mapped file, not copies.
        assert not rec.lines.impedance_module.flags.owndata
        assert rec.header.configuration is not None and rec.header.mode == "Idle"
        kinds = [(e.kind, e.text) for e in rec.events]
        # The settings sent before the start (Connect's divider, set_gpio) come first.
        assert kinds == [("RecordingStart", "Idle"), ("SetSamplingDivider", "1"),
                         ("SetGPIO", "3, 5"), ("Start", ""), ("Marker", MARKER),
                         ("RecordingEnd", "StopRecording")]
        assert 300 <= rec.events[4].line <= len(rec) and rec.events[5].line == len(rec)
        # A slice is that range of lines.
        part = rec[123:456]
        assert len(part) == 333
        np.testing.assert_array_equal(part.receive_time, read["receive_time"][123:456])

    @pytest.mark.parametrize("tail", ["cut inside a record", "zeros after the lines"])
    def test_a_cut_tail_reads_up_to_the_last_whole_line(self, recorded, tmp_path, tail):
        path, read, status = recorded
        data = path.read_bytes()
        keep = status.lines - 1 if tail == "cut inside a record" else status.lines
        data = data[:-100] if tail == "cut inside a record" else data + bytes(208 * 7)
        cut = tmp_path / "cut.vnrec"
        cut.write_bytes(data)
        rec = varnelo.read_recording(cut)
        assert rec.truncated and len(rec) == keep
        assert_same_lines(rec.lines, read, keep)

    def test_a_gap_counts_its_lines_with_the_lines_after_it(self, recorded, tmp_path):
        path, read, status = recorded
        data = bytearray(path.read_bytes())
        # A Gap of 1000 lines before line 200, in the first empty slot.
        slot = 512 + 208 * len(varnelo.read_recording(path).events)
        struct.pack_into("<HH4xqQQ24s4s", data, slot, 2, 4, 0, 200, 1000, b"Gap", b"1000")
        gap = tmp_path / "gap.vnrec"
        gap.write_bytes(data)
        rec = varnelo.read_recording(gap)
        last = rec.events[-1]
        assert (last.kind, last.line, last.text) == ("Gap", 200, "1000")
        assert rec.lines_lost == rec.lines.lines_lost == rec[200:201].lines_lost == 1000
        assert rec[:200].lines_lost == rec[201:].lines_lost == 0
        info = run_cli("info", gap)
        assert "Gaps              1, 1,000 lines lost" in info.stdout
        assert run_cli("plot", gap, tmp_path / "gap.png").returncode == 0

    def test_leaving_the_with_block_ends_the_recording_and_the_stream_and_keeps_their_status(
            self, tmp_path):
        leave_disconnected()
        with varnelo.Instrument(simulated=True) as inst:
            with pytest.raises(varnelo.VarneloError, match=r"^Stream name is empty\.$"):
                inst.start_streaming("")
            inst.start_streaming("Bench 7")
            inst.start_recording(str(tmp_path / "w.vnrec"))
            inst.start()
            inst.read(50)
            inst.add_marker("both")
            running = inst.streaming_status()
        rec = varnelo.read_recording(tmp_path / "w.vnrec")
        assert rec.events[-1].kind == "RecordingEnd" and len(rec) >= 50 and not rec.truncated
        final = inst.final_recording_status
        assert (final.recording, final.lines, final.bytes, final.error) == (
            False, len(rec), os.path.getsize(tmp_path / "w.vnrec"), "")
        # Stopped after the recording: every line of the file was pushed; Start and the marker too.
        s = inst.final_streaming_status
        assert (running.streaming, running.name, running.source_id, s.streaming, s.lines_not_pushed,
                s.markers_pushed, s.lines_pushed >= len(rec)) == (
            True, "Bench 7", "varnelo-VN2024-0001", False, 0, 2, True)

    def test_module_messages_and_bad_arguments(self, inst, tmp_path):
        with pytest.raises(varnelo.VarneloError, match=r"^No recording to stop\.$"):
            inst.stop_recording()
        with pytest.raises(varnelo.VarneloError, match="^No recording running, send 'Start"):
            inst.add_marker("x")
        (tmp_path / "there").write_bytes(b"")
        with pytest.raises(varnelo.VarneloError, match="^Recording file already exists: "):
            inst.start_recording(tmp_path / "there")
        with pytest.raises(TypeError):
            inst.start_recording(12)
        with pytest.raises(ValueError, match=r"^argument 2 is not valid UTF-8 text: 'bad\\udcff"):
            inst.start_recording(os.fsdecode(b"bad\xff.vnrec"))


def run_cli(*args, env=None, **kwargs):
    return subprocess.run([sys.executable, "-m", "varnelo", *map(str, args)], capture_output=True,
                          text=True, timeout=120, env=dict(os.environ, **(env or {})), **kwargs)


def lines_in(path):
    return len(varnelo.read_recording(path)) if path.exists() else 0


def record_until(path, signum):
    """varnelo record, ended by signum once the file holds 300 lines."""
    leave_disconnected()
    child = subprocess.Popen([sys.executable, "-m", "varnelo", "record", str(path),
                              "--simulated", "--divider", "2"],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline and lines_in(path) < 300:
        time.sleep(0.1)
    child.send_signal(signum)
    out, err = child.communicate(timeout=60)
    assert child.returncode == 0, err
    return out


class TestCommandLine:
    def test_record_until_ctrl_c_then_info_export_plot(self, tmp_path):
        path = tmp_path / "cli.vnrec"
        out = record_until(path, signal.SIGINT)
        # Not a terminal: no progress line, only the summary.
        assert "\r" not in out and out.startswith("Recorded ") and "ended by Ctrl-C" in out
        rec = varnelo.read_recording(path)
        assert not rec.truncated and rec.events[-1].text == "StopRecording"
        assert rec.header.sampling_divider == 2 and f"{len(rec):,} lines" in out

        info = run_cli("info", path)
        assert info.returncode == 0 and f"Lines             {len(rec):,}" in info.stdout
        assert "complete, ended by StopRecording" in info.stdout

        csv = tmp_path / "part.csv"
        assert run_cli("export", path, csv, "--first", 100, "--count", 150).returncode == 0
        header = csv.read_text().splitlines()[0].split(",")
        table = np.loadtxt(csv, delimiter=",", skiprows=1)
        part = rec[100:250]
        assert table.shape == (150, 41) and header[0] == "receive_time"
        np.testing.assert_array_equal(table[:, 0], part.receive_time)
        for name in header[1:11]:
            np.testing.assert_array_equal(table[:, header.index(name)], getattr(part, name))
        np.testing.assert_array_equal(table[:, 11:26].astype(np.float32), part.impedance_module)
        np.testing.assert_array_equal(table[:, 26:41].astype(np.float32), part.impedance_phase)

        plot = run_cli("plot", path, tmp_path / "p.png")
        assert plot.returncode == 0
        assert (tmp_path / "p.png").read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"

    @pytest.mark.parametrize("args, says", [
        (["info", "missing.vnrec"], "varnelo info: cannot read missing.vnrec: No such file"),
        (["info", "not.vnrec"], "varnelo info: not.vnrec is not a Varnelo recording"),
        (["export", "ok.vnrec", "o.csv", "--first", "-1"], "varnelo export: argument --first"),
        (["export", "ok.vnrec", "o.csv", "--count", "ten"], "varnelo export: argument --count"),
        (["export", "ok.vnrec", "o.csv", "--first", "99999"], "varnelo export: --first 99999 is"),
        (["plot", "ok.vnrec", "o.png", "--bin", "16"], "varnelo plot: argument --bin"),
        (["record", "new.vnrec", "--seconds", "0"], "varnelo record: argument --seconds"),
        (["record", "ok.vnrec", "--seconds", "1", "--simulated"],
         "varnelo record: Recording file already exists: ok.vnrec"),
        (["frobnicate"], "varnelo: argument COMMAND: invalid choice"),
        (["plot", "ok.vnrec", "o.xyz"], "varnelo plot: cannot write o.xyz: .xyz is not an image"),
        # Never over the input, under any name, nor over another recording.
        (["export", "ok.vnrec", "./ok.vnrec"], "varnelo export: ./ok.vnrec is the recording being"),
        (["plot", "ok.vnrec", "link.png"], "varnelo plot: link.png is the recording being read"),
        (["export", "ok.vnrec", "other.vnrec"], "varnelo export: other.vnrec is a recording"),
        (["record", os.fsdecode(b"bad\xff.vnrec"), "--simulated"], "varnelo record: the file name"),
    ])
    def test_bad_input_gets_one_line_and_exit_2(self, recorded, tmp_path, args, says):
        shutil.copyfile(recorded[0], tmp_path / "ok.vnrec")
        os.link(tmp_path / "ok.vnrec", tmp_path / "link.png")
        (tmp_path / "other.vnrec").write_bytes(varnelo.recording.MAGIC + bytes(600))
        (tmp_path / "not.vnrec").write_bytes(b"plain text, no recording\n" * 40)
        leave_disconnected()
        result = run_cli(*args, cwd=tmp_path)
        assert result.returncode == (1 if "exists" in says else 2) and result.stdout == ""
        assert result.stderr.count("\n") == 1 and result.stderr.startswith(says), result.stderr
        assert (tmp_path / "ok.vnrec").stat().st_size == recorded[0].stat().st_size

    def test_record_ended_by_sighup_ends_the_file_and_says_so(self, tmp_path):
        out = record_until(tmp_path / "hup.vnrec", signal.SIGHUP)
        assert "(ended by SIGHUP" in out
        assert varnelo.read_recording(tmp_path / "hup.vnrec").events[-1].kind == "RecordingEnd"

    @pytest.mark.parametrize("seconds, env, limit, says", [
        (0.5, {"VARNELO_SIM_SILENT": "1"}, None, "no line came from the instrument"),
        # The file-size limit (the header, the event slots, 100 lines) ends it long before 30 s.
        (30, None, 512 + 65536 * 208 + 208 * 100, "Recording stopped. Unable to write recording"),
    ])
    def test_record_without_lines_or_disk_fails_with_exit_1(self, tmp_path, seconds, env, limit,
                                                            says):
        leave_disconnected()
        cap = limit and (lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit)))
        result = run_cli("record", tmp_path / "r.vnrec", "--simulated", "--seconds", seconds,
                         env=env, preexec_fn=cap)
        assert result.returncode == 1 and result.stderr.startswith("varnelo record: " + says)

    def test_plot_thins_markers_and_writes_the_name_given(self, inst, tmp_path):
        inst.start_recording(tmp_path / "m.vnrec")
        for k in range(30):
            inst.add_marker(f"marker {k}")
        inst.stop_recording()
        result = run_cli("plot", tmp_path / "m.vnrec", tmp_path / "out")
        assert result.stdout == (f"Plotted 0 lines to {tmp_path / 'out'}; the file holds no lines; "
                                 "15 of 30 markers shown (1 in 2).\n"), result.stderr
        assert (tmp_path / "out").read_bytes()[:4] == b"\x89PNG"

    def test_readers_work_without_the_compiled_extensions(self, recorded, tmp_path):
        # The pure-Python files alone, as on a machine where nothing was built.
        package = tmp_path / "site" / "varnelo"
        package.mkdir(parents=True)
        for name in os.listdir(os.path.dirname(varnelo.__file__)):
            if name.endswith(".py"):
                shutil.copy(os.path.join(os.path.dirname(varnelo.__file__), name), package)
        path = str(recorded[0])
        code = (
            "import sys, varnelo, varnelo.cli\n"
            f"rec = varnelo.read_recording({path!r}); assert len(rec) >= 500\n"
            f"for args in (['info', {path!r}], ['export', {path!r}, 'o.csv'],"
            f" ['plot', {path!r}, 'o.png']):\n"
            "    assert varnelo.cli.main(args) == 0, args\n"
            "assert not {'varnelo._sim', 'varnelo._usb'} & set(sys.modules)\n")
        result = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                                cwd=tmp_path, timeout=120,
                                env=dict(os.environ, PYTHONPATH=str(tmp_path / "site")))
        assert result.returncode == 0, result.stderr
        assert (tmp_path / "o.csv").stat().st_size > 500 * 300


# ---- Both readers on damaged files -------------------------------------------------------

START_NS, LINES_START = 1_700_000_000_123_456_789, 512 + 65536 * 208
SPLIT = "a" + "é" * 100  # 201 bytes: an 'é' straddles the event record and its text record
BAD_UTF8 = b"\xff\xfeA\xe0\x80|\xed\xa0\x80|\xf4\x90\x80\x80|\xf0\x9f\x98"  # as older modules wrote


def synthetic_recording(n=100):
    """n lines; RecordingStart, a marker going on in a text record, two Gaps at one line,
    text that is not UTF-8, a kind the readers do not know and RecordingEnd in slots 0-7."""
    data = bytearray(struct.pack("<8s4IqHHBBH8s", b"\x89VNREC\r\n", 1, 512, 208, 65536,
                                 START_NS, 0, 1, 4, 0, 0, b"1.1.0").ljust(512, b"\0"))
    for kind, line, value, text in [("RecordingStart", 0, 0, b"Idle"), ("Marker", 10, 0, SPLIT.encode()),
                                    ("Gap", 50, 3, b"3"), ("Gap", 50, 2, b"2"),
                                    ("Marker", 60, 0, BAD_UTF8), ("InstrumentLost", 70, 0, b""),
                                    ("RecordingEnd", n, 0, b"StopRecording")]:
        data += struct.pack("<HH4xqQQ24s152s", 2, len(text), START_NS + line, line, value,
                            kind.encode(), text[:152])
        for at in range(152, len(text), 192):
            data += struct.pack("<HH4xq192s", 3, len(text[at:at + 192]), 0, text[at:at + 192])
    data += bytes(LINES_START - len(data))
    for i in range(n):
        data += struct.pack("<HH4xq4s4xI180x", 1, 0, START_NS + 10**6 * i, b"\x03\xff\xdd\x01", i)
    return data


def answers(paths):
    """Each reader's answer on each file: Python's, then Octave's from one process."""
    def python(path):
        try:
            rec = varnelo.read_recording(path)
        except ValueError as e:
            return {"error": str(e) + "."}
        return {"truncated": rec.truncated, "lost": rec.lines_lost,
                "cycles": rec.lines.measurement_cycle_count.tolist(),
                **{f: [getattr(e, f) for e in rec.events] for f in ("line", "kind", "text", "time")}}
    (paths[0].parent / "files.txt").write_text("\n".join(map(str, paths)))
    code = (f"addpath('{os.path.dirname(__file__)}/../../matlab'); for name = strsplit(fileread("
            f"'{paths[0].parent}/files.txt'), \"\\n\")\ntry\nR = VarneloReadRecording(name{{1}}); "
            "e = R.Events; s = struct('truncated', R.Truncated, 'lost', R.LinesLost, 'cycles', "
            "{num2cell(double(R.Data.MeasurementCycleCount'))}, 'line', {num2cell(e.Line' - 1)}, "
            "'kind', {e.Kind'}, 'text', {e.Text'}, 'time', {num2cell(e.Time')});\ncatch err\n"
            "s = struct('error', err.message);\nend\nprintf('%s\\n', jsonencode(s)); end")
    out = subprocess.run(["octave", "--no-gui", "--no-window-system", "-q", "--norc", "--eval", code],
                         capture_output=True, text=True, timeout=300)
    octave = [json.loads(line) for line in out.stdout.splitlines() if line[:1] == "{"]
    assert len(octave) == len(paths), out.stdout + out.stderr
    return [python(p) for p in paths], octave


def test_both_readers_give_the_page_s_answer_on_damaged_files(tmp_path):
    whole = synthetic_recording()
    zeroed = whole[:LINES_START + 208 * 53] + b"\0\0" + whole[LINES_START + 208 * 53 + 2:]
    # name: (bytes, truncated, lines, events), as docs/recording-format.md says.
    cases = {"whole": (whole, False, 100, 7), "header only": (whole[:512], True, 0, 0),
             "cut in the slots": (whole[:2018], True, 0, 6),
             "cut in a text record": (whole[:1100], True, 0, 2),
             "cut after the end event": (whole[:LINES_START + 10 * 208], True, 10, 7),
             "cut inside a line": (whole[:-100], True, 99, 7),
             "a zeroed line, good lines after": (zeroed, False, 100, 7),
             "the same and a zero tail": (zeroed + bytes(7 * 208 + 3), True, 100, 7),
             "cut in the header": (whole[:20], None, 0, 0)}
    paths = [tmp_path / f"{k}.vnrec" for k in range(len(cases))]
    for path, (data, *_) in zip(paths, cases.values()):
        path.write_bytes(data)
    for (name, (_, truncated, lines, events)), path, python, octave in zip(
            cases.items(), paths, *answers(paths)):
        if truncated is None:
            assert python == octave == {"error": f"{path} ends inside its header."}, name
            continue
        assert (python["truncated"], len(python["cycles"]), len(python["kind"])) == (
            truncated, lines, events), name
        np.testing.assert_allclose(octave.pop("time"), python.pop("time"), rtol=0, atol=1e-6)
        assert octave == python, name
        texts = {"whole": [SPLIT, BAD_UTF8.decode(errors="replace")],  # events 1 and 4
                 "cut in a text record": [SPLIT.encode()[:152].decode(errors="replace")]}
        assert python["text"][1:5:3] == texts.get(name, python["text"][1:5:3]), name
