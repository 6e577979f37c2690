#!/usr/bin/env bash
# Start without the mouse, then plug it in: no balloon at start-up, the warning when the
# window is opened from the tray, and the event listener starting at the first arrival.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

Mouse unplug
StartProgram
Check "the main window shows without a mouse" Described WaitFor 20 MainSizeIs 1000 644
Check "start-up shows no balloon" test "$(TraceLineCount)" -eq 1

warning=$(Balloon Warning "The system did not detect the gaming mouse!" 100)
ClickTray 1
Check "opening the window from the tray warns that there is no mouse" WaitFor 10 TraceHas "$warning"
sleep 2.5  # Wine shows balloons 1.5-2.5 s after they are asked for
Shot no-mouse-warning

Mouse event 9 2  # an unplugged mouse sends nothing
found=$(Balloon Info "The system detect the gaming mouse." 100)
Mouse plug
Check "plugging in shows the mouse found" WaitFor 10 TraceHas "$found"
Mouse event 9 4
macro4=$(Balloon Info "Switch to macro key4" 5000)
Check "the listener runs from the first arrival on" WaitFor 10 TraceHas "$macro4"
Check "... and only the event sent after the plug-in is shown" TraceOrder "$found" "$macro4"

EndSession
