#!/usr/bin/env bash
# Recordings whose Octave process ends while they run: killed (SIGKILL), the
# file reads back up to within 0.5 s of the kill; Octave exiting, or the
# module being cleared, ends them with a complete file.
# Prints "recording: N passed, M failed".
set -u
OCT=(octave --no-gui --no-window-system --no-history -q --norc)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
pass=0; fail=0
result() {  # result NAME STATUS OUTPUT
  if [ "$2" -eq 0 ]; then pass=$((pass+1)); echo "  pass  $1";
  else fail=$((fail+1)); echo "  FAIL  $1 (exit $2)"; echo "$3" | tail -15 | sed 's/^/        /'; fi
}
read_back() {  # read_back FILE CODE: runs CODE with R = VarneloReadRecording(FILE)
  timeout 120 "${OCT[@]}" --eval "addpath('$MODULE_DIR'); R = VarneloReadRecording('$1'); $2" 2>&1
}

# Killed: no exit hook runs, so the file has no RecordingEnd, but what the
# writer had issued before the kill is there.
file=$WORK/killed.vnrec
"${OCT[@]}" --eval "addpath('$MODULE_DIR'); evalc('VarneloControl(''Connect'')');
  VarneloControl('StartRecording', '$file'); VarneloControl('Start');
  disp('recording'); fflush(stdout); pause(60);" >"$WORK/killed.out" 2>&1 &
pid=$!
for _ in $(seq 1 300); do grep -q recording "$WORK/killed.out" && break; sleep 0.1; done
sleep 2
killed_at=$(date +%s.%N)
kill -9 "$pid"
wait "$pid" 2>/dev/null
out=$(read_back "$file" "
  assert(numel(R.ReceiveTime) > 1000, 'lines: %d', numel(R.ReceiveTime));
  assert(R.ReceiveTime(end) >= $killed_at - 0.5, 'last line %.3f s before the kill', $killed_at - R.ReceiveTime(end));
  assert(all(diff(double(R.Data.MeasurementCycleCount)) == 1));
  assert(~any(strcmp(R.Events.Kind, 'RecordingEnd')));")
result killed-within-half-a-second $? "$out"

# Octave exits, or clears the unlocked module, while recording: the exit
# hook ends the recording, every line stored is in the file, and its end
# says why.
for how in exit clear; do
  file=$WORK/$how.vnrec
  if [ "$how" = exit ]; then ending="exit(0);"; else ending="munlock('VarneloControl'); clear VarneloControl;"; fi
  out=$(timeout 120 "${OCT[@]}" --eval "addpath('$MODULE_DIR'); evalc('VarneloControl(''Connect'')');
    VarneloControl('StartRecording', '$file'); VarneloControl('Start'); pause(1); $ending" 2>&1)
  rc=$?
  if [ $rc -eq 0 ]; then
    out=$(read_back "$file" "
      assert(numel(R.ReceiveTime) > 500 && ~R.Truncated);
      assert(all(diff(double(R.Data.MeasurementCycleCount)) == 1));
      assert(strcmp(R.Events.Kind{end}, 'RecordingEnd') && strcmp(R.Events.Text{end}, 'Unload'));
      assert(R.Events.Line(end) == numel(R.ReceiveTime) + 1);")
    rc=$?
  fi
  result "$how-ends-it-complete" $rc "$out"
done

echo "recording: $pass passed, $fail failed"
[ "$fail" -eq 0 ]
