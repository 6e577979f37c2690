#!/usr/bin/env bash
# The mouse unplugged while the window's Save sends to it: the save stops at the first
# transfer that fails, the window answers again within a second, the unplug balloon shows;
# after the next plug-in a Save reaches the mouse whole (its memory is what a whole send of
# the saved profile gives a fresh mouse).
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
ClickRightItem $kDpi
ClickPage $((745 + 3)) 150  # stage 1: 5400 DPI, so that the save changes the mouse

TransfersAbove() { [ "$(wc -l <"$deviceTrace")" -gt "$1" ]; }
TraceStill() {  # the device trace did not grow for a second
  local lines
  lines=$(wc -l <"$deviceTrace")
  sleep 1
  [ "$(wc -l <"$deviceTrace")" -eq "$lines" ]
}
applies=$(ApplyCount)
transfers=$(wc -l <"$deviceTrace")
# Not ClickPage: that waits for the click's end, which is the save's.
xdotool mousemove --window "$win" 950 618 click 1
Check "Save starts sending" WaitFor 5 TransfersAbove $((transfers + 20))
Mouse unplug
answer=$(Helper answers "$kMainClass" 1000) || answer=""
echo "  figure: save unplugged: the window answered in ${answer:-more than 1000} ms"
Check "the window answers within a second of the unplug" test -n "$answer"
Check "the unplug balloon shows" WaitFor 10 TraceHas "$(Balloon Warning "The system did not detect the gaming mouse!" 100)"
WaitFor 10 TraceStill
cut=$(($(wc -l <"$deviceTrace") - transfers))

Mouse plug
Check "plugged in again" WaitFor 10 TraceHas "$(Balloon Info "The system detect the gaming mouse." 100)"
sleep 2  # the Save button's busy time
transfers=$(wc -l <"$deviceTrace")
ClickPage 950 618
Check "a Save after the plug-in sends the profile" WaitFor 15 ApplyCountIs $((applies + 2))
WaitFor 10 TraceStill
whole=$(($(wc -l <"$deviceTrace") - transfers))
echo "  figure: save unplugged: the cut save went $cut trace lines far, the whole one $whole"
Check "the cut save stopped short of the whole one" test "$cut" -lt "$whole"
reference="$run/reference-mouse"
"$E2E_CLI" --virtual-mouse "$reference" apply "$program/config0.bin" >/dev/null
Check "the mouse holds the saved profile whole" cmp "$reference/mouse.bin" "$mouse/mouse.bin"
Check "the program lives on" ProgramRuns

EndSession
