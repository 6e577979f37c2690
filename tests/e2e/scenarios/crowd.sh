#!/usr/bin/env bash
# A crowd of starts: 20 copies of Zalvane.exe started at once. Exactly one keeps running
# with one window and one tray icon; every other ends with 0 before it touches the trace
# or the virtual mouse. Then more copies start while that one runs and the mouse sends
# events meanwhile: the copies end, and the running one shows every event.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

kCopies=20
Helper workarea >/dev/null  # the prefix's server runs before the crowd comes

# Starts COUNT copies straight through wine (not wine-run, which takes turns); their
# process ids in `copies`.
StartCopies() {  # COUNT
  copies=()
  local i
  for ((i = 0; i < $1; i++)); do
    # shellcheck disable=SC2046
    wine "$program/Zalvane.exe" $(ProgramArguments) </dev/null >/dev/null 2>&1 &
    copies+=($!)
  done
}
Running() {
  local pid count=0
  for pid in "${copies[@]}"; do kill -0 "$pid" 2>/dev/null && count=$((count + 1)); done
  echo "$count"
}
RunningAtMost() { [ "$(Running)" -le "$1" ]; }
# Waits for the copies that end; how many ended with 0 in `endedWithZero`, the one left
# running (if any) in `survivor`.
Settle() {
  local pid
  endedWithZero=0
  survivor=""
  for pid in "${copies[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
      survivor=$pid
    elif wait "$pid"; then
      endedWithZero=$((endedWithZero + 1))
    fi
  done
}
MainWindowCount() { xdotool search --name "$kMainTitle" 2>/dev/null | wc -l; }

StartCopies "$kCopies"
WaitFor 60 RunningAtMost 1
sleep 5  # a copy that stays longer than this would show now
running=$(Running)
Settle
programPid=$survivor  # EndSession ends it
echo "  figure: crowd: $running of $kCopies running, $endedWithZero ended with 0"
Check "one copy of $kCopies keeps running" test "$running" -eq 1
Check "every other ends with 0" test "$endedWithZero" -eq $((kCopies - 1))
Check "the running copy shows its main page" Described WaitFor 20 MainSizeIs 1000 644
Check "... in one window" test "$(MainWindowCount)" -eq 1
Check "... with one tray icon, and the trace is its alone" \
  test "$(grep -c '^add' "$trace")" -eq 1 -a "$(grep -c '^exit' "$trace")" -eq 0

# Later copies end without taking the requests meant for the running one.
keep=$survivor
StartCopies 10
for key in 1 2 3 4 5; do
  Mouse event 9 "$key"
  sleep 0.2
done
WaitFor 60 RunningAtMost 0
Settle
Check "10 later copies end with 0" test "$endedWithZero" -eq 10
for key in 1 2 3 4 5; do
  Check "the running copy shows event $key of 5" WaitFor 10 TraceHas "$(Balloon Info "Switch to macro key$key" 5000)"
done
programPid=$keep
Check "the running copy lives on" ProgramRuns

EndSession
