#!/usr/bin/env bash
# The Octave package: builds the octave_package tarball of the build, and a
# second one around the simulated module, installs each with pkg install into
# a temporary prefix (HOME, prefix and package lists all in a scratch folder,
# never the user's) and calls the module from the installed package.
# Environment: MODULE_DIR (the simulated module's folder), TESTS (tests/octave).
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../../.." && pwd)
MODULE_DIR=${MODULE_DIR:-$ROOT/build/sim}
BUILD=$(dirname "$MODULE_DIR")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "  pass  $1"; }
fail() { failed=$((failed + 1)); echo "  FAIL  $1"; [ -n "${2:-}" ] && sed 's/^/        /' <<<"$2" | tail -30; }

# in_package NAME TARBALL OCTAVE-CODE: installs TARBALL into a prefix of its
# own, loads it and runs the code; passes on exit status 0.
in_package() {
  local name=$1 tarball=$2 code=$3
  local home=$WORK/$name
  mkdir -p "$home"
  local out rc
  out=$(cd "$home" && HOME=$home timeout 180 octave --no-gui --no-window-system -q --norc --no-history --eval "
    pkg('prefix', '$home/share', '$home/arch');
    pkg('local_list', '$home/octave_packages');
    pkg('global_list', '$home/global_packages');
    pkg('install', '-local', '$tarball');
    pkg('load', 'varnelo-control');
    where = which('VarneloControl');
    assert(strncmp(where, '$home/share/varnelo-control-', numel('$home/share/varnelo-control-')), where);
    assert(~isempty(strfind(evalc('help VarneloControl'), 'SetSamplingDivider')));
    $code
    pkg('unload', 'varnelo-control');
    pkg('uninstall', '-local', 'varnelo-control');
    assert(isempty(pkg('list')));" 2>&1)
  rc=$?
  if [ $rc -eq 0 ]; then pass "$name"; else fail "$name (exit $rc)" "$out"; fi
}

# The build's own package (the module for real instruments when libusb is
# built): it installs, loads, shows its help and answers a call.
out=$(cmake --build "$BUILD" --target octave_package 2>&1); rc=$?
tarball=$(ls -t "$BUILD"/varnelo-control-*.tar.gz 2>/dev/null | head -1)
if [ $rc -eq 0 ] && [ -n "$tarball" ]; then
  listing=$(tar tzf "$tarball")
  missing=""
  for f in DESCRIPTION COPYING INDEX inst/VarneloControl.mex inst/VarneloControl.m inst/VarneloReadRecording.m; do
    grep -qE "^varnelo-control-[0-9.]+/$f\$" <<<"$listing" || missing="$missing $f"
  done
  if [ -z "$missing" ]; then pass "package contents"; else fail "package contents" "missing:$missing"; fi
  # Without an instrument attached Connect fails cleanly; with one (or with
  # the simulated module) it connects.
  # The licences of what is compiled into the module stay with the installed package.
  in_package installed-build "$tarball" "
    installed = pkg('list');
    copying = fileread(fullfile(installed{1}.dir, 'packinfo', 'COPYING'));
    assert(~isempty(strfind(copying, 'Copyright (C) 2012 Christian A. Kothe')), 'no licence of liblsl');
    assert(~isempty(strfind(copying, 'Copyright (c) 2006-2022 Arseny Kapoulkine')), 'no licence of pugixml');
    try, VarneloControl('Stop'); error('no error'); catch e, assert(strcmp(e.message, sprintf('VarneloControl: \tDevice is not connected.')), e.message); end
    try
      evalc('VarneloControl(''Connect'')');
      evalc('VarneloControl(''Disconnect'')');
    catch e
      assert(strcmp(e.message, sprintf('VarneloControl: \tDevice USB Connection Error.')), e.message);
    end"
else
  fail "octave_package target" "$out"
fi

# The same packaging around the simulated module: a whole session from the
# installed package.
sim_tarball=$WORK/sim/varnelo-control-0.0.1.tar.gz
out=$(cmake -DMODULE="$MODULE_DIR/VarneloControl.mex" -DHELP="$ROOT/matlab/VarneloControl.m" \
  -DREADER="$ROOT/matlab/VarneloReadRecording.m" \
  -DTEMPLATES="$ROOT/packaging/octave" -DVERSION=0.0.1 -DSTAGING="$WORK/sim/staging" \
  -DOUTPUT="$sim_tarball" -P "$ROOT/packaging/octave/make_package.cmake" 2>&1); rc=$?
if [ $rc -eq 0 ]; then
  in_package installed-sim "$sim_tarball" "
    evalc('VarneloControl(''Connect'')');
    assert(strncmp(VarneloControl('GetDevInfo'), 'Device[0] S/N:', 14));
    VarneloControl('StartRecording', 'session.vnrec');
    VarneloControl('Start');
    d = VarneloControl('GetData', 10);
    VarneloControl('Stop');
    assert(isequal(size(d.ImpedanceModule), [10 15]) && all(d.ImpedanceModule(:) > 0));
    evalc('VarneloControl(''Disconnect'')');
    R = VarneloReadRecording('session.vnrec');
    assert(numel(R.ReceiveTime) >= 10 && strcmp(R.Events.Kind{end}, 'RecordingEnd'));"
else
  fail "sim package" "$out"
fi

echo "octave-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
