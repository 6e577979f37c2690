#!/usr/bin/env bash
# Button assignment by real clicks and keys: a row's function list opens at its place,
# resting on "Multimedia", "CPI Cycle" and "Windows" opens their lists beside it, the single
# and combo key dialogs take keys typed on the keyboard, the last left click cannot be given
# away, and Save writes the choices into the mouse's button block, the profile file and the
# captions of the text file.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
profile="$program/config0.bin"
captions="$program/str0.ini"

# --- where the rows and lists are -------------------------------------------------------------
RowCentre() { echo 185 $((137 + 20 * ($1 - 1))); }  # ROW: the middle of its drop-down box
ListTop() { echo $((129 + 20 * ($1 - 1))); }        # ROW: top of its function list
# Client y of entry E's middle in a bordered list box whose top is TOP; items are 16 px.
EntryY() { echo $(($1 + 1 + 16 * $2 + 8)); }        # TOP E
ListRect() {  # ID: "LEFT TOP RIGHT BOTTOM"; fails while the list is not shown
  local rect
  rect=$(Helper rect "$kMainClass" "$1") || return 1
  echo "${rect//$'\r'/}"
}
ListShown() { ListRect "$1" >/dev/null; }
ListGone() { ! ListShown "$1"; }
ListAt() { [ "$(ListRect "$1")" = "$2" ]; }  # ID "LEFT TOP RIGHT BOTTOM"

OpenRow() {  # ROW LIST-ID
  # shellcheck disable=SC2046
  ClickPage $(RowCentre "$1") && WaitFor 5 ListShown "$2"
}
# Rests on entry E of the function list of ROW; the list follows the pointer.
RestOn() {  # ROW E
  xdotool mousemove --window "$win" 300 "$(EntryY "$(ListTop "$1")" "$2")" sleep 0.3
}
PickEntry() {  # ROW E
  RestOn "$1" "$2" && xdotool click 1
}
# Clicks entry E of the second list ID, found where it opened.
PickSecond() {  # ID E
  local left top right
  read -r left top right _ < <(ListRect "$1") || return 1
  xdotool mousemove --window "$win" $(((left + right) / 2)) "$(EntryY "$top" "$2")" sleep 0.3 click 1
}

Dialog() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
DialogShown() { [ -n "$(Dialog "$1")" ]; }
DialogGone() { [ -z "$(Dialog "$1")" ]; }
DialogClick() {  # TITLE X Y: a click at a client point of the dialog
  xdotool mousemove --window "$(Dialog "$1")" "$2" "$3" sleep 0.2 click 1
}
DialogText() { Helper text '#32770' "$1" | tr -d '\r'; }  # ID: the text of a key dialog's control
DialogTextIs() { [ "$(DialogText "$1")" = "$2" ]; }
DialogTextSet() { [ -n "$(DialogText "$1")" ]; }
kDialogOk=(279 262)

ClickPage 30 110  # "Button Assignment" folds out

# --- Button 3: Volume Up, by resting on "Multimedia" -------------------------------------------
OpenRow 3 43
Check "row 3's function list opens at its place" ListAt 43 "262 169 365 429"
RestOn 3 7
Check "resting on Multimedia opens its list" WaitFor 5 ListShown 7
entryBottom=$(($(ListTop 3) + 1 + 16 * 8))
Check "... beside the function list, its bottom level with the entry's" \
  ListAt 7 "365 $((entryBottom - 130)) 455 $entryBottom"
Shot multimedia-list
RestOn 3 4
Check "resting on another entry takes it away" WaitFor 5 ListGone 7
RestOn 3 7
WaitFor 5 ListShown 7
PickSecond 7 6
Check "a choice closes both lists" WaitFor 5 ListGone 43

# --- Button 4: IE Forward, in the function list itself -----------------------------------------
OpenRow 4 44
PickEntry 4 3
Check "IE Forward closes the list" WaitFor 5 ListGone 44

# --- Button 5: DPI -, by resting on "CPI Cycle" ------------------------------------------------
OpenRow 5 45
RestOn 5 6
Check "resting on CPI Cycle opens the DPI list" WaitFor 5 ListShown 10
entryTop=$(($(ListTop 5) + 1 + 16 * 6))
Check "... its top level with the entry's" ListAt 10 "365 $entryTop 425 $((entryTop + 60))"
PickSecond 10 1
WaitFor 5 ListGone 45

# --- Button 6: a single key; the last key pressed wins, Enter included -------------------------
OpenRow 6 46
PickEntry 6 10
Check "Single Key opens its dialog" WaitFor 10 DialogShown "Single Key"
sleep 0.5
xdotool key a
WaitFor 5 DialogTextIs 502 A
xdotool key Return
sleep 0.5
Check "Enter is taken as a key and does not close the dialog" DialogShown "Single Key"
Check "... and is shown" WaitFor 5 DialogTextSet 502
single=$(DialogText 502)
Check "... in place of the key before" test "$single" != A
Shot single-key-dialog
DialogClick "Single Key" "${kDialogOk[@]}"
Check "OK closes it" WaitFor 5 DialogGone "Single Key"

# --- Button 7: the combo Right Alt+Z ------------------------------------------------------------
OpenRow 7 47
PickEntry 7 11
Check "Combo Key opens its dialog" WaitFor 10 DialogShown "Combo Key"
sleep 0.5
DialogClick "Combo Key" 80 77
ModifierListShown() { Helper rect '#32770' 515 >/dev/null; }
Check "the modifier area opens the modifier list" WaitFor 5 ModifierListShown
DialogClick "Combo Key" 90 "$(EntryY 87 6)"  # "Right Alt"
Check "... and a choice there shows the modifier" WaitFor 5 DialogTextIs 512 "Right Alt"
xdotool key z
Check "key 1 takes Z" WaitFor 5 DialogTextIs 516 Z
Shot combo-key-dialog
DialogClick "Combo Key" "${kDialogOk[@]}"
Check "OK closes it" WaitFor 5 DialogGone "Combo Key"

# --- The last left click stays ------------------------------------------------------------------
leftClicks=0
for button in $(seq 0 18); do
  [ "$(RecordByte "$profile" $((61 + button)))" = 0 ] && leftClicks=$((leftClicks + 1))
done
if [ "$leftClicks" -eq 1 ] && [ "$(RecordByte "$profile" 61)" = 0 ]; then
  # shellcheck disable=SC2046
  ClickPage $(RowCentre 1)
  Check "button 1, the only left click, shows the warning" WaitFor 5 DialogShown Warning
  Check "... and no list" ListGone 41
  box=$(Dialog Warning)
  [ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null
  WaitFor 5 DialogGone Warning
else
  Check "the profile has button 1 as its only left click" false
fi

# --- Button S2: Show desktop, in the side view ---------------------------------------------------
ClickPage 510 530
OpenRow 2 49
RestOn 2 9
Check "resting on Windows opens its list" WaitFor 5 ListShown 9
PickSecond 9 5
WaitFor 5 ListGone 49

# --- Save -----------------------------------------------------------------------------------------
applies=$(ApplyCount)
ClickPage 950 618
Check "Save sends the profile" WaitFor 15 ApplyCountIs $((applies + 1))
Slot() { od -An -tx1 -j $((784 + 4 * $1)) -N4 "$mouse/mouse.bin" | tr -d '\n' | sed 's/^ //'; }
SlotIs() { [ "$(Slot "$1")" = "$2" ]; }
Check "the mouse holds Volume Up for button 3" WaitFor 10 SlotIs 6 "03 00 e9 00"
Check "... IE Forward for button 4" SlotIs 5 "01 00 f4 00"
Check "... DPI - for button 5" SlotIs 2 "07 00 02 00"
Check "... Enter for button 6" SlotIs 3 "00 00 28 00"
Check "... Right Alt+Z for button 7" SlotIs 4 "00 40 1d 00"
Check "... Show desktop for button S2" SlotIs 9 "00 00 e3 07"
Check "... a left click for button 1" SlotIs 0 "01 00 f0 00"
Check "... and its fixed slots 14 and 15" test "$(Slot 14) $(Slot 15)" = "01 00 f7 00 01 00 f8 00"

RecordIs() {  # OFFSET VALUE...: record bytes from OFFSET on
  local offset=$1 value
  shift
  for value in "$@"; do
    [ "$(RecordByte "$profile" "$offset")" = "$value" ] || return 1
    offset=$((offset + 1))
  done
}
Check "the profile file holds the action types" WaitFor 10 RecordIs $((61 + 2)) 7 3 6 10 11
Check "... and S2's" RecordIs $((61 + 8)) 9
ParametersStored() { RecordIs $((118 + 2)) 233 && RecordIs $((80 + 4)) 2 && RecordIs $((137 + 8)) 5; }
ComboStored() { RecordIs $((251 + 6)) 64 && RecordIs $((270 + 6)) 29 && RecordIs $((289 + 6)) 0; }
Check "... the consumer code, DPI function and Windows command" ParametersStored
Check "... the single key" RecordIs $((232 + 5)) 40
Check "... and the combo" ComboStored

Caption() {  # BUTTON (1-19): its caption in the English section of the text file
  iconv -f UTF-16 -t UTF-8 "$captions" 2>/dev/null | tr -d '\r' |
    awk -v key="Item$1" '/^\[/ { section = $0 } section == "[Setting-EN]" && index($0, key "=") == 1 {
      print substr($0, length(key) + 2) }'
}
CaptionIs() { [ "$(Caption "$1")" = "$2" ]; }
ListCaptionsStored() { CaptionIs 3 "Volume Up" && CaptionIs 4 "IE Forward" && CaptionIs 5 "DPI -" && CaptionIs 9 "Show desktop"; }
Check "the text file holds the captions" ListCaptionsStored
Check "... Single Key with the key's name" CaptionIs 6 "Single Key-$single"
Check "... and the combo's" CaptionIs 7 "Combo Key-Right Alt+Z"

# --- After a restart the rows show the same captions --------------------------------------------
sleep 0.5
Shot side-rows-saved
ClickPage 440 530
sleep 0.3
Shot front-rows-saved
StopProgram
StartProgram
Check "the program starts again" WaitMainPage
ClickPage 30 110
sleep 0.3
Shot front-rows-restarted
ClickPage 510 530
sleep 0.3
Shot side-rows-restarted
Check "after a restart the front rows show the saved captions" \
  SameCrop front-rows-saved front-rows-restarted 120 129 130 136
Check "... and so do the side rows" SameCrop side-rows-saved side-rows-restarted 120 129 130 236

EndSession
