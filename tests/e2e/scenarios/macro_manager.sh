#!/usr/bin/env bash
# The macro manager by clicks and keys: two macros recorded (the first with delays off,
# both stopped with Ctrl+Break), a recorded delay edited, a loop count, the left button
# inserted from the event list's menu, the first macro renamed in place, OK; a new macro
# dropped with Cancel; the third macro given to a button through the macro key dialog; then
# the first of three macros deleted. After each Save the virtual mouse's blocks, the profile
# file, the captions and record.ini hold what the macro rules compute.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

manager=""
readonly kManagerTitle='^Macro Manager$'
readonly kRecordingTitle='^Press Ctrl\+Break key to stop recording$'
# Offsets: mouse.bin keeps the button block at 784 and the macro blocks at 912; a profile
# file keeps the first-run flag, then the record, whose macro area starts at 422.
readonly kMouseButtons=784 kMouseMacros=912 kProfileMacros=423
readonly kActionType=62 kMacroNumber=385  # buttons' fields in the profile file (record + 1)

ManagerWindow() { xdotool search --onlyvisible --name "$kManagerTitle" 2>/dev/null | head -1; }
ManagerShown() { [ -n "$(ManagerWindow)" ]; }
ManagerGone() { [ -z "$(ManagerWindow)" ]; }
Recording() { xdotool search --onlyvisible --name "$kRecordingTitle" >/dev/null 2>&1; }
NotRecording() { ! Recording; }
ClickIn() { xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3; }
Manager() { ClickIn "$manager" "$@"; }

OpenManager() {
  ClickIn "$win" 140 150  # the "Macro Manager" strip
  WaitFor 10 ManagerShown || return 1
  manager=$(ManagerWindow)
}
Save() {
  local applies
  applies=$(ApplyCount)
  ClickIn "$win" 950 618
  WaitFor 15 ApplyCountIs $((applies + 1))
}

# The manager's areas (client pixels).
NewMacro() { Manager 46 379; }
DeleteMacro() { Manager 106 379; }
RecordButton() { Manager 340 99; }
DelayTick() { Manager 377 151; }
LoopTick() { Manager 303 321; }
Ok() { Manager 325 408; }
Cancel() { Manager 381 408; }
ListLine() { echo $((82 + 16 * $1 + 8)); }  # the middle of line N of either list
DoubleClick() { xdotool mousemove --window "$manager" "$1" "$2" sleep 0.2 click --repeat 2 --delay 80 1 sleep 0.8; }

Text() { iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r'; }
Bytes() { xxd -p -s "$2" -l "$3" "$1" | tr -d '\n'; }  # FILE OFFSET LENGTH, as hex
Zeros() { printf '%0*d' $(($1 * 2)) 0; }
Block() { local hex=$1; printf '%s%0*d' "$hex" $((256 - ${#hex})) 0; }  # a 128-byte block
MouseBytesAre() { [ "$(Bytes "$mouse/mouse.bin" "$1" "$2")" = "$3" ]; }  # OFFSET LENGTH HEX
ProfileBytesAre() { [ "$(Bytes "$program/config0.bin" "$1" "$2")" = "$3" ]; }
Caption() { Text "$program/str0.ini" | awk -v key="Item$1=" 'index($0, "[") == 1 {on = ($0 == "[Setting-EN]")} on && index($0, key) == 1 {print substr($0, length(key) + 1); exit}'; }

# Button 1 plays the first macro (a profile saved before, so that its captions stand);
# button 2 is given the third one below, through the macro key dialog.
SetByte "$program/config0.bin" 0 1
SetByte "$program/config0.bin" $kActionType 12
SetByte "$program/config0.bin" $kMacroNumber 0
Text "$program/str0.ini" | sed 's/^Item1=Click$/Item1=Macro Key-Macro_0/' |
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$run/str0.ini" && mv "$run/str0.ini" "$program/str0.ini"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
Check "\"Macro Manager\" opens the manager" OpenManager

# Macro_0 (renamed "Type AB" below): A, Backspace and B, delays off. Wine names Backspace
# "BackSpace", which the key table does not know: the system's key names give its code.
NewMacro
RecordButton
Check "recording: the title says how to stop" WaitFor 5 Recording
xdotool key --window "$manager" a BackSpace b
sleep 0.3
xdotool key --window "$manager" ctrl+Break
Check "Ctrl+Break stops the recording and the title comes back" WaitFor 5 NotRecording
Check "... and the dialog stays open" ManagerShown

# Macro_1: A held a while with delays on, then the delay set to 2500 ms, a loop count of
# 15 and the left button after the release.
NewMacro
DelayTick
RecordButton
Check "a second recording" WaitFor 5 Recording
xdotool keydown --window "$manager" a sleep 0.3 keyup --window "$manager" a
sleep 0.3
xdotool key --window "$manager" ctrl+Break
Check "Ctrl+Break stops it too (its key down now comes as a repeat)" WaitFor 5 NotRecording
DoubleClick 200 "$(ListLine 1)"
xdotool type --window "$manager" "2500 ms"
xdotool key --window "$manager" Return
sleep 0.3
LoopTick
Manager 370 339
xdotool key --window "$manager" Home shift+End
xdotool type --window "$manager" 15
Manager 200 "$(ListLine 2)"
before=$(VisibleWindows)
xdotool click 3
menu=$(NewWindow "$before" 5)
Shot macro-list-menu
read -r mx my _ mh < <(Geometry "$menu")
xdotool mousemove $((mx + 20)) $((my + mh * 3 / 10)) sleep 0.2 click 1  # the second of five commands
sleep 0.3

# Macro_0 renamed: the second double click on its name opens the editor; Enter commits.
Manager 75 "$(ListLine 0)"
DoubleClick 75 "$(ListLine 0)"
DoubleClick 75 "$(ListLine 0)"
xdotool key --window "$manager" ctrl+a
xdotool type --window "$manager" "Type AB"
xdotool key --window "$manager" Return
sleep 0.3
Shot manager
Check "Enter in the name editor leaves the manager open" ManagerShown
Ok
Check "OK ends the manager" WaitFor 5 ManagerGone

# Macro_1's loop option ticked off and Macro_2 made, then Cancel: the file keeps both
# changes, the macro area stays as OK left it (Macro_1 still loops 15 times).
OpenManager
Manager 75 "$(ListLine 1)"
LoopTick
NewMacro
Cancel
Check "Cancel ends the manager" WaitFor 5 ManagerGone

# Button 2 given Macro_2 in the macro key dialog, from its function list's "Macro Key".
MainListShown() { Helper rect "$kMainClass" "$1" >/dev/null; }
MacroKeyDialog() { xdotool search --onlyvisible --name '^Macro Key$' 2>/dev/null | head -1; }
MacroKeyShown() { [ -n "$(MacroKeyDialog)" ]; }
MacroKeyGone() { [ -z "$(MacroKeyDialog)" ]; }
MacroKeyText() { [ "$(Helper text '#32770' 592 | tr -d '\r')" = "$1" ]; }
ClickPage 30 110                                  # "Button Assignment" folds out
ClickPage 185 157                                 # row 2's drop-down
Check "row 2's function list opens" WaitFor 5 MainListShown 42
ClickIn "$win" 300 $((149 + 1 + 16 * 12 + 8))     # its 13th entry, "Macro Key"
Check "\"Macro Key\" opens the macro key dialog" WaitFor 10 MacroKeyShown
sleep 0.5
ClickIn "$(MacroKeyDialog)" 90 136                # the macro area opens the list of macros
ClickIn "$(MacroKeyDialog)" 90 $((146 + 1 + 16 * 2 + 8))
Check "... which offers the third macro" WaitFor 5 MacroKeyText Macro_2
ClickIn "$(MacroKeyDialog)" 279 262               # OK
Check "... and OK takes it" WaitFor 5 MacroKeyGone
ClickPage 30 110                                  # folded in again

expected=$(cat <<'END'
[Type AB]
DelayTimeSelStatus=0
LoopTimeSelStatus=0
MacroLoopTimes=1
ItemCount=6
Item0=A   Dn
Item1=A   Up
Item2=BackSpace   Dn
Item3=BackSpace   Up
Item4=B   Dn
Item5=B   Up
[Macro_1]
DelayTimeSelStatus=1
LoopTimeSelStatus=0
MacroLoopTimes=15
ItemCount=5
Item0=A   Dn
Item1=2500 ms
Item2=A   Up
Item3=L-Button   Dn
Item4=L-Button   Up
[Macro_2]
MacroLoopTimes=1
END
)
Check "record.ini holds the three macros, every line as edited" test "$(Text "$program/record.ini")" = "$expected"

Check "Save sends the profile" Save
# Type AB: 50 ms after each event (no delays recorded); Macro_1: loop 15, A down then a
# hundreds step of 25 (2500 ms), A up, the left button down and up; Macro_2: no block.
macros=$(Block 000105048504052a852a05058505)$(Block 000f00041903800400f080f0)$(Zeros $((17 * 128)))
Check "the mouse has the macro blocks the rules compute" WaitFor 10 MouseBytesAre $kMouseMacros 2432 "$macros"
Check "config0.bin has the same macro area" WaitFor 10 ProfileBytesAre $kProfileMacros 2432 "$macros"
Check "buttons 1 and 2 play macros 1 and 3" WaitFor 10 MouseBytesAre $kMouseButtons 8 0900010009000300

# Deleting Type AB, the first macro: button 1 is switched off, button 2 follows Macro_2 to
# place 2; OK encodes the file again, so Macro_1 now loops once.
sleep 2  # the Save button's busy time
OpenManager
DeleteMacro
Ok
Check "OK after Delete ends the manager" WaitFor 5 ManagerGone
Check "a second Save" Save
Check "record.ini lost the first macro only" test "$(Text "$program/record.ini")" = "$(echo "$expected" | sed '1,11d')"
macros=$(Block 000100041903800400f080f0)$(Zeros $((18 * 128)))
Check "the mouse's blocks moved up with their macros" WaitFor 10 MouseBytesAre $kMouseMacros 2432 "$macros"
Check "... and so did config0.bin's" WaitFor 10 ProfileBytesAre $kProfileMacros 2432 "$macros"
Check "button 1 is off, button 2 plays the second macro" WaitFor 10 MouseBytesAre $kMouseButtons 8 0000000009000200
Check "config0.bin: button 1 type 13, button 2 macro number 1" \
  test "$(Bytes "$program/config0.bin" $kActionType 2) $(Bytes "$program/config0.bin" $((kMacroNumber + 1)) 1)" = "0d0c 01"
Check "the captions say so" test "$(Caption 1)|$(Caption 2)" = "Button Off|Macro Key-Macro_2"

EndSession
