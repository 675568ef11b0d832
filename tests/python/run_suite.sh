#!/usr/bin/env bash
# The Python suite: pytest against the package in the build tree, the
# documented install (pip, into a scratch target, imported from there), and
# the examples in examples/python. Ends with "python: N passed, M failed".
# Usage: tests/python/run_suite.sh [build dir]   (default: build)
set -uo pipefail
cd "$(dirname "$0")/../.."
ROOT=$PWD
BUILD_DIR=${1:-build}
PACKAGE_DIR=$ROOT/$BUILD_DIR/python
# liblsl reads this configuration: every LSL outlet and inlet of the run
# stays on 127.0.0.1 (tests/lsl/lslapi.cfg says how).
export LSLAPICFG=$ROOT/tests/lsl/lslapi.cfg

# The interpreter the build made the extensions for; it must be the one
# that runs them.
if [ -s "$PACKAGE_DIR/interpreter" ]; then
  PY=$(cat "$PACKAGE_DIR/interpreter")
  echo "python: using $PY, the interpreter $BUILD_DIR was configured with"
else
  PY=$(bash scripts/find_python.sh --say) || { echo "python: 0 passed, 1 failed"; exit 1; }
fi
"$PY" -c 'import sys, numpy; print("python: %s, numpy %s" % (sys.version.split()[0], numpy.__version__))'

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# matplotlib keeps its font cache in the build dir: built once, not per run.
export MPLBACKEND=Agg MPLCONFIGDIR=$ROOT/$BUILD_DIR/matplotlib PYTHONDONTWRITEBYTECODE=1
passed=0
failed=0

# check NAME COMMAND...: one check, counted by its exit status, run in a
# scratch folder of its own.
check() {
  local name=$1; shift
  mkdir -p "$WORK/$name"
  local out rc start=$SECONDS
  out=$(cd "$WORK/$name" && "$@" 2>&1)
  rc=$?
  if [ $rc -eq 0 ]; then
    passed=$((passed + 1)); echo "  pass  $name ($((SECONDS - start)) s)"
  else
    failed=$((failed + 1)); echo "  FAIL  $name (exit $rc, $((SECONDS - start)) s)"
  fi
  sed 's/^/        /' <<<"$out" | tail -40
}

# -- pytest, counted test by test.
out=$(cd "$WORK" && PYTHONPATH=$PACKAGE_DIR timeout 600 "$PY" -m pytest -q -p no:cacheprovider \
      "$ROOT/tests/python" 2>&1)
rc=$?
echo "$out"
summary=$(grep -E '[0-9]+ (passed|failed|error)' <<<"$out" | tail -1)
p=0
f=0
for n in $(grep -oE '[0-9]+ passed' <<<"$summary" | grep -oE '[0-9]+'); do p=$((p + n)); done
for n in $(grep -oE '[0-9]+ (failed|errors?)' <<<"$summary" | grep -oE '[0-9]+'); do f=$((f + n)); done
passed=$((passed + p)); failed=$((failed + f))
[ $rc -ne 0 ] && [ "$f" -eq 0 ] && failed=$((failed + 1))

# -- The README's install: pip, from Debian's packages alone, nothing
# downloaded (--no-index), into a target folder; then the package imported
# from there, nowhere else. setup.py builds the extensions in the build dir
# the suite runs on (already built: nothing is compiled twice).
install_and_import() {
  VARNELO_CMAKE_BUILD_DIR=$ROOT/$BUILD_DIR "$PY" -m pip install --quiet --no-index \
    --no-build-isolation --no-deps --target "$WORK/site" "$ROOT" || return 1
  PYTHONPATH=$WORK/site "$PY" - "$WORK/site" <<'PYEOF'
import sys, varnelo
assert varnelo.__file__.startswith(sys.argv[1]), varnelo.__file__
with varnelo.Instrument(simulated=True) as inst:
    inst.start()
    lines = inst.read(10)
assert lines.impedance_module.shape == (10, 15)
print("installed varnelo", varnelo.__version__, "from", sys.argv[1])
PYEOF
  # The console script pip made beside the package.
  local usage
  usage=$(PYTHONPATH=$WORK/site "$WORK/site/bin/varnelo" info --help) &&
    grep -q "^usage: varnelo info" <<<"$usage" ||
    { echo "the varnelo console script is missing or does not run"; return 1; }
}
check install install_and_import

# -- The examples, as a user runs them.
stream_bode() {
  PYTHONPATH=$PACKAGE_DIR "$PY" "$ROOT/examples/python/stream_bode.py" --png bode.png || return 1
  head -c 8 bode.png | grep -q PNG || { echo "bode.png is not a PNG"; return 1; }
}
check example_stream_bode stream_bode

medians_csv() {
  PYTHONPATH=$PACKAGE_DIR "$PY" "$ROOT/examples/python/medians_csv.py" --csv medians.csv || return 1
  "$PY" - <<'PYEOF'
import numpy as np
header = open("medians.csv").readline().strip()
assert header == "frequency_hz,z_real_ohm,z_imag_ohm", header
f, re, im = np.loadtxt("medians.csv", delimiter=",", skiprows=1, unpack=True)
assert f.shape == (15,) and f[0] == 1000 and f[-1] == 800000, f
# The simulated load: a few hundred ohms, capacitive (Z'' < 0).
assert ((re > 300) & (re < 800)).all() and (im < 0).all(), (re, im)
PYEOF
}
check example_medians_csv medians_csv

record_session() {
  PYTHONPATH=$PACKAGE_DIR "$PY" "$ROOT/examples/python/record_session.py" --seconds 1 || return 1
  # The whole output first: grep -q quitting early would end info with a
  # broken pipe, which pipefail counts as a failure.
  local info
  info=$(PYTHONPATH=$PACKAGE_DIR "$PY" -m varnelo info session.vnrec) || return 1
  grep -q "Marker *back to 128" <<<"$info" || { echo "session.vnrec lacks its markers"; return 1; }
}
check example_record_session record_session

echo "python: $passed passed, $failed failed"
[ $failed -eq 0 ]
