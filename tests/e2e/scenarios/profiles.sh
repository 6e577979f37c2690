#!/usr/bin/env bash
# The profile dialog and the help panel, clicked in the running program: the dialog opens
# over the main window's left edge with the listed names, a second click on a name renames
# it in place (a name another profile has is refused), closing on another profile makes it
# current, and the main window then works on that profile's own files: the mouse gets
# nothing until Save, and Save sends and writes that profile without touching the other's
# file. The help panel drops down under the Help button and goes at the next Help click or
# at a click elsewhere on the page. Hovering Save lights it up; moving away restores it.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

list="$program/str.ini"
# The list file as text (it is UTF-16 with a byte-order mark), with Unix line ends.
ListText() { iconv -f UTF-16 -t UTF-8 "$list" | tr -d '\r'; }
# Two listed profiles, the first current; the second's first DPI stage differs (5400 DPI).
{
  ListText | awk '/^\[/ { inside = ($0 == "[Profile]") } !inside'
  printf '%s\n' "[Profile]" "CurProfileName=PROFILE_0" "ItemCount=2" "Item0=PROFILE_0" "Item1=PROFILE_1"
} | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16 >"$run/str.ini" && mv "$run/str.ini" "$list"
SetRecordByte "$program/config1.bin" 7 54
cp "$program/config0.bin" "$run/config0-before.bin"
cp "$program/config1.bin" "$run/config1-before.bin"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
Shot main

# --- hover: Save lights up while the pointer rests on it, and goes back when it moves away ---
xdotool mousemove --window "$win" 950 618 sleep 0.5
Shot save-hovered
xdotool mousemove --window "$win" 500 620 sleep 0.5
Shot save-restored
CropDiffers() { ! SameCrop "$@"; }
Check "resting on Save shows its over look" CropDiffers main save-hovered 923 604 57 30
Check "... and moving away restores it" SameCrop main save-restored 923 604 57 30

# --- the profile dialog ------------------------------------------------------------------
kTitle=Configuration
kList=130
DialogShown() { Helper window "$kTitle" >/dev/null; }
DialogGone() { ! DialogShown; }
Items() { Helper items "$kTitle" "$kList" | tr -d '\r' | paste -sd '|'; }
ItemsAre() { [ "$(Items)" = "$1" ]; }
# Client point of list line I of the dialog, which lies at the main window's client origin.
ClickLine() { xdotool mousemove --window "$win" 100 $((31 + 16 * $1 + 8)) click 1 sleep 0.4; }
# A second click on the selected line opens the editor over it, its whole text selected.
Rename() {  # LINE TEXT
  ClickLine "$1"
  ClickLine "$1"
  xdotool type --delay 30 "$2"
  xdotool key Return sleep 0.4
}

ClickPage 50 619
Check "Config opens the profile dialog" WaitFor 5 DialogShown
read -r left top right bottom < <(Helper window "$kTitle" | tr -d "\r")
Check "... at the main window's client origin, the background's size" \
  test "$left $top $((right - left)) $((bottom - top))" = "$wx $wy 263 598"
Check "... listing the profiles, the current one selected" ItemsAre "*PROFILE_0|PROFILE_1"
Shot config
Rename 1 Game
Check "a second click on a name renames it in place" ItemsAre "PROFILE_0|*Game"
Rename 0 Game
Check "... and a name another profile has is refused" ItemsAre "*PROFILE_0|Game"
ClickLine 1
Check "a click selects the other profile" ItemsAre "PROFILE_0|*Game"
Shot config-renamed
applies=$(ApplyCount)
mouseBefore=$(od -An -tx1 -v "$mouse/mouse.bin" | tr -d ' \n')
xdotool mousemove --window "$win" 247 15 click 1
Check "the close button ends the dialog" WaitFor 5 DialogGone

IniValue() {  # KEY: a value of the list file's [Profile] section
  ListText | awk -F= -v key="$1" \
    '/^\[/ { inside = ($0 == "[Profile]") } inside && $1 == key { print substr($0, length(key) + 2) }'
}
ListIs() { [ "$(IniValue ItemCount) $(IniValue Item0) $(IniValue Item1) $(IniValue CurProfileName)" = "$1" ]; }
Check "... writes the names and the new current profile" WaitFor 5 ListIs "2 PROFILE_0 Game Game"
Check "... leaves each profile's file as it was" \
  bash -c "cmp -s '$run/config0-before.bin' '$program/config0.bin' && cmp -s '$run/config1-before.bin' '$program/config1.bin'"
sleep 1
Check "... and sends the mouse nothing" test "$(ApplyCount) $(od -An -tx1 -v "$mouse/mouse.bin" | tr -d ' \n')" = "$applies $mouseBefore"
Shot after-switch

ClickPage 950 618
Check "Save then sends the profile now current" WaitFor 15 ApplyCountIs $((applies + 1))
Check "... whose first stage the mouse holds" WaitFor 5 test "$(ConfigByte 84)" = 53
SavedSecond() { [ "$(ByteAt "$program/config1.bin" 0)" = 1 ] && [ "$(RecordByte "$program/config1.bin" 7)" = 54 ]; }
Check "... writes it into its own file" WaitFor 10 SavedSecond
Check "... and leaves the other profile's file alone" cmp -s "$run/config0-before.bin" "$program/config0.bin"

# --- Save into a new profile through the list's menu and the save-file dialog ---------------
sleep 2  # the Save button's busy time
ClickPage 50 619
Check "Config opens the dialog again" WaitFor 5 DialogShown
xdotool mousemove --window "$win" 50 588 click 1 sleep 0.4
Check "New adds a name after the last one's" ItemsAre "PROFILE_0|Game|*Game_2"
before=$(VisibleWindows)
# The menu opens at a right press on the list; its last command is Save.
xdotool mousemove --window "$win" 100 $((31 + 16 * 2 + 8)) click 3 sleep 0.5 key Up sleep 0.2 key Return
fileDialog=$(NewWindow "$before" 10)
Check "the menu's Save opens the save-file dialog" test -n "$fileDialog"
Shot save-dialog
# Its initial name is the new profile's file, which exists: the overwrite is confirmed.
before=$(VisibleWindows)
xdotool key --window "$fileDialog" Return
confirm=$(NewWindow "$before" 5) && xdotool key --window "$confirm" Return
SavedInto() { [ "$(RecordByte "$program/config2.bin" 7)" = 54 ] && [ -f "$program/str2.ini" ]; }
Check "... which writes the current settings into that profile's files" WaitFor 10 SavedInto
Check "... and no text file beside the profile file" test ! -e "$program/config2.ini"
Check "... the mouse still having only the saved profile" test "$(ConfigByte 84)" = 53
xdotool mousemove --window "$win" 247 15 click 1
Check "the close button ends the dialog" WaitFor 5 DialogGone
Check "... listing three names, the new one current" WaitFor 5 ListIs "3 PROFILE_0 Game Game_2"

# --- the help panel --------------------------------------------------------------------------
PanelShown() { Helper window Help >/dev/null; }
PanelGone() { ! PanelShown; }
ClickPage 944 12
Check "Help opens the help panel" WaitFor 5 PanelShown
read -r left top right bottom < <(Helper window Help | tr -d "\r")
Check "... under the Help button, the background's size" \
  test "$left $top $((right - left)) $((bottom - top))" = "$((wx + 786)) $((wy + 25)) 166 77"
Shot help
ClickPage 944 12
Check "a second Help click closes it" WaitFor 5 PanelGone
ClickPage 944 12
Check "the next one opens it again" WaitFor 5 PanelShown
ClickPage 500 620
Check "a click elsewhere on the page closes it" WaitFor 5 PanelGone
ClickPage 944 12
Check "... and Help opens it once more" WaitFor 5 PanelShown

EndSession
