"""Ctrl-C in an interactive Octave, driven through a terminal.

Starts Octave on a pseudo-terminal, starts a measurement at divider 10 and a
GetData for 100,000 lines, then types Ctrl-C as a user would. Checks that the
prompt is back within 1 s and that GetData(20) then returns 20 rows. Prints
"interrupt: N passed, M failed".
"""
import os
import pty
import re
import select
import sys
import time

MODULE_DIR = sys.argv[1]
PROMPT = re.compile(rb"octave:\d+> $")


def main():
    pid, fd = pty.fork()
    if pid == 0:
        os.environ["TERM"] = "dumb"
        os.execvp("octave", ["octave", "--no-gui", "--no-window-system", "--no-history", "-q",
                             "--norc", "--no-line-editing", "-i"])
    output = bytearray()

    def read_until(pattern, seconds):
        """Reads until pattern matches the output seen since the last call."""
        start = len(output)
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            ready, _, _ = select.select([fd], [], [], 0.02)
            if ready:
                try:
                    chunk = os.read(fd, 4096)
                except OSError:
                    break
                if not chunk:
                    break
                output.extend(chunk)
                if re.search(pattern, bytes(output[start:])):
                    return True
        return False

    def command(text, pattern=PROMPT, seconds=30):
        os.write(fd, text.encode() + b"\n")
        return read_until(pattern, seconds)

    passed = failed = 0

    def check(name, ok):
        nonlocal passed, failed
        print(("  pass  " if ok else "  FAIL  ") + name)
        if ok:
            passed += 1
        else:
            failed += 1

    try:
        ready = read_until(PROMPT, 60) and command(
            "addpath('%s'); evalc('VarneloControl(''Connect'')'); "
            "VarneloControl('SetSamplingDivider', 10); VarneloControl('Start'); disp('ready')"
            % MODULE_DIR, rb"ready\r?\n.*octave:\d+> $")
        check("connected and measuring", ready)
        if ready:
            # 100,000 lines at 100 lines/s: the call would last 1,000 s.
            os.write(fd, b"d = VarneloControl('GetData', 100000); disp('not interrupted')\n")
            time.sleep(1.0)
            pressed = time.monotonic()
            os.write(fd, b"\x03")
            back = read_until(PROMPT, 10)
            took = time.monotonic() - pressed
            check("prompt back within 1 s of Ctrl-C (took %.3f s)" % took, back and took < 1.0)
            # The echo of the command holds the words too; the output alone
            # stands on a line of its own.
            check("the call did not complete",
                  re.search(rb"\nnot interrupted\r?\n", bytes(output)) is None)
            rows = command("[d, s] = VarneloControl('GetData', 20); "
                           "printf('rows=%d lost=%d\\n', nnz(s.ReceiveTime), s.LinesLost)",
                           rb"rows=\d+ lost=\d+")
            match = re.search(rb"rows=(\d+) lost=(\d+)", bytes(output))
            check("GetData(20) then returns 20 rows", rows and match is not None
                  and match.group(1) == b"20")
            check("nothing was lost", match is not None and match.group(2) == b"0")
            command("VarneloControl('Stop'); evalc('VarneloControl(''Disconnect'')'); disp('closed')",
                    rb"closed")
        os.write(fd, b"exit\n")
        read_until(rb"$^", 5)
    finally:
        try:
            os.kill(pid, 9)
        except OSError:
            pass
        os.waitpid(pid, 0)
    if failed:
        print(bytes(output).decode(errors="replace")[-2000:])
    print("interrupt: %d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
