#!/usr/bin/env bash
# The mouse's own events and its plugging while the program runs: DPI-stage and macro
# balloons through the real listener thread, the warning when the mouse goes, and the
# found balloon with a fresh profile load when it comes back.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

StartProgram
Check "the main window shows" Described WaitFor 20 MainSizeIs 1000 644

# The factory config block of the virtual mouse holds 3, 7, 11, 15, 23, 31, 49 for the
# seven stages: stage 3 is (11 + 1) x 100 DPI.
dpi3=$(Balloon Info "Switch DPI into the third stage 1200" 5000)
Mouse event 1 3
Check "a DPI-stage event with value 3 shows the third stage and its DPI" WaitFor 10 TraceHas "$dpi3"
sleep 2.5  # Wine shows balloons 1.5-2.5 s after they are asked for
Shot dpi-balloon

Mouse event 1 8
Mouse event 9 3
macro3=$(Balloon Info "Switch to macro key3" 5000)
Check "a macro event 3 shows \"Switch to macro key3\"" WaitFor 10 TraceHas "$macro3"
Check "a DPI-stage event with value 8 shows nothing" TraceOrder "$dpi3" "$macro3"

Mouse event 9 0
Mouse event 3 2
dpi2=$(Balloon Info "Switch DPI into the second stage 800" 5000)
Check "a macro event 0 shows nothing" WaitFor 10 TraceOrder "$macro3" "$dpi2"

Mouse unplug
Check "unplugging shows the warning" WaitFor 10 TraceHas "$(Balloon Warning "The system did not detect the gaming mouse!" 100)"
Shot unplugged

# Without its profile file, the reload that a plug-in starts says so in a message box:
# proof that the profile is loaded again.
mv "$program/config0.bin" "$run/config0.bin.kept"
before=$(VisibleWindows)
Mouse plug
Check "plugging in shows the mouse found" WaitFor 10 TraceHas "$(Balloon Info "The system detect the gaming mouse." 100)"
box=$(NewWindow "$before" 10)
Check "... and loads the profile again (its missing file is reported)" test "$(xdotool getwindowname "$box" 2>/dev/null)" = Zalvane
Shot profile-reload
mv "$run/config0.bin.kept" "$program/config0.bin"
BoxGone() { ! xdotool search --onlyvisible --name '^Zalvane$' >/dev/null 2>&1; }
[ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null  # the box is gone before the key's release
WaitFor 5 BoxGone || { read -r bx by bw bh < <(Geometry "$box"); xdotool mousemove $((bx + bw / 2)) $((by + bh - 20)) click 1; }
Check "the message box goes with OK" WaitFor 5 BoxGone

Mouse event 2 5
Check "the listener reads the mouse again after it came back" WaitFor 10 \
  TraceHas "$(Balloon Info "Switch DPI into the fifth stage 2400" 5000)"

EndSession
