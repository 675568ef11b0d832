#!/usr/bin/env bash
# Ctrl-C typed into an interactive Octave during a long GetData, through a
# terminal. Prints "interrupt: N passed, M failed".
set -u
exec /usr/bin/python3 "$(dirname "$0")/interrupt_driver.py" "$MODULE_DIR"
