#!/usr/bin/env bash
# Prints the path of a Python interpreter that can build and run the varnelo
# package: one that imports numpy and pybind11 and has its C headers. The
# python3 first on PATH may be an interpreter of its own (pyenv, conda)
# without numpy, so the candidates are tried in order:
#   $VARNELO_PYTHON (when set, the only candidate), python3 on PATH,
#   /usr/bin/python3 (Debian's, with python3-numpy and python3-pybind11).
# With --say it also tells on stderr which one it picked and why others were
# passed over. Exit status 1 when none fits.
set -uo pipefail

say=0
[ "${1:-}" = "--say" ] && say=1

candidates=()
if [ -n "${VARNELO_PYTHON:-}" ]; then
  candidates=("$VARNELO_PYTHON")
else
  command -v python3 >/dev/null 2>&1 && candidates+=("$(command -v python3)")
  candidates+=(/usr/bin/python3)
fi

# Imports what the package needs and checks that Python.h is there.
probe='import os, sys, sysconfig, numpy, pybind11
inc = sysconfig.get_paths()["include"]
sys.exit(0 if os.path.isfile(os.path.join(inc, "Python.h")) else 3)'

seen=()
for python in "${candidates[@]}"; do
  # pyenv's shim resolves to a real interpreter; compare real paths so the
  # same interpreter is not tried twice.
  real=$("$python" -c 'import sys; print(sys.executable)' 2>/dev/null) || real=$python
  for s in "${seen[@]+"${seen[@]}"}"; do [ "$s" = "$real" ] && continue 2; done
  seen+=("$real")
  if err=$("$python" -c "$probe" 2>&1); then
    [ $say -eq 1 ] && echo "python: using $real ($("$real" -c 'import sys, numpy, pybind11; print("Python %d.%d.%d, numpy %s, pybind11 %s" % (sys.version_info[:3] + (numpy.__version__, pybind11.__version__)))'))" >&2
    echo "$real"
    exit 0
  fi
  if [ $say -eq 1 ]; then
    reason=$(tail -1 <<<"$err")
    [ -z "$reason" ] && reason="no Python.h (install python3-dev)"
    echo "python: passing over $real: $reason" >&2
  fi
done
[ $say -eq 1 ] && echo "python: no interpreter with numpy, pybind11 and its headers (bash scripts/setup.sh installs Debian's)" >&2
exit 1
