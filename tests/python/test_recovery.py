"""Recovery from Python: an instrument pulled off the simulated bus comes back
into the same connection and recording, and varnelo info lists the outage."""
import json
import re

from varnelo import cli

from conftest import run_child

CHILD = """import json, logging, time, varnelo
logging.basicConfig(level=logging.WARNING)       # the module's warnings to stderr
seen = {"before": 0, "after": 0, "away": 0, "error": ""}
with varnelo.Instrument(simulated=True, reconnect=True) as inst:
    inst.start_recording(%r)
    inst.start()
    deadline = time.monotonic() + 30
    while seen["after"] < 250 and time.monotonic() < deadline:
        lines = inst.read(25)
        seen["after" if seen["away"] else "before"] += int((lines.receive_time > 0).sum())
        seen["away"] += lines.instrument_away
        if lines.instrument_away and not seen["error"]:
            try:
                inst.device_info()
            except varnelo.VarneloError as e:
                seen["error"] = str(e)
print(json.dumps(seen))
"""


def test_reads_go_on_across_an_outage_that_info_lists(tmp_path, capsys):
    path = tmp_path / "outage.vnrec"
    # VARNELO_SIM_OUTAGES is read when the process first opens an instrument: a child of its own.
    child = run_child(CHILD % str(path), env={"VARNELO_SIM_OUTAGES": "2000+1000"})
    assert child.returncode == 0, child.stderr
    seen = json.loads(child.stdout)
    assert seen["before"] > 0 and seen["after"] >= 250 and seen["away"] > 0, seen
    assert seen["error"] == "Instrument lost, waiting for it to come back: command not sent."
    assert "WARNING:varnelo:Instrument lost [31]" in child.stderr
    assert ("WARNING:varnelo:Instrument back, Device[0] S/N:VN2024-0001. Restored: "
            "SetSamplingDivider(1); Start." in child.stderr)
    assert cli.main(["info", str(path)]) == 0
    listed = capsys.readouterr().out
    row = re.search(r"\nOutages +1, [\d.]+ s off the bus\n +[\d.]+ s  line +\d+ +([\d.]+) s  lost "
                    r"\[31\] - A device attached to the system is not functioning\.; back, "
                    r"restored: SetSamplingDivider\(1\); Start\n", listed)
    assert row and 0.9 < float(row.group(1)) < 20, listed
