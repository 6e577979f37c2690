#!/usr/bin/env bash
# Every settings panel of the main page, set with real clicks at points computed from the
# window's rectangles and the skin's panel sizes, then "Save": the profile file and the
# mouse's config block and report rate must hold exactly what the panels' rules say. On
# the way: the stop of the right column with "DPI Setting" and "USB Report Rate" open, the
# thumb dragged to the bottom view and back, and two quick Saves that start one apply.
# Screenshots of every panel open stay among the artifacts.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
Shot main-closed
profile="$program/config0.bin"
expected="$run/expected.bin"
cp "$profile" "$expected"
# The data files as they are now, for zalvane-cli to make the same edits in.
cliFolder="$run/cli-folder"
rm -rf "$cliFolder" && mkdir -p "$cliFolder" && cp "$program"/*.bin "$program"/*.ini "$cliFolder"

# --- DPI: every stage's value, enable switch and colour ---------------------------------------
ClickRightItem $kDpi
Shot panel-dpi
# A stage value v (2..119) lies 204 - v px down the window; the slider's bottom four pixels
# give 1, its top five 120.
values=(1 2 45 64 100 119 120)
rows=(205 202 159 140 104 85 80)
for k in 0 1 2 3 4 5 6; do
  ClickPage $((745 + 35 * k + 3)) "${rows[$k]}"
  SetRecordByte "$expected" $((7 + k)) "${values[$k]}"
done
# Stages 2 and 6 off, stage 4 off and on again: 0 becomes 1, anything else 0.
for k in 1 3 5 3; do
  ClickPage $((742 + 35 * k + 5)) 249
  enabled=$(RecordByte "$expected" $((15 + k)))
  SetRecordByte "$expected" $((15 + k)) $((enabled == 0 ? 1 : 0))
done
Shot dpi-values

# The colour dialog opens from black, in its short form; a click on one of its basic colours
# and OK store that colour (read off the screen) and repaint the swatch.
PickColour() {  # STAGE CELL (CELL empty: cancel); sets `picked` to "R,G,B"
  local before box bx by x y
  before=$(VisibleWindows)
  ClickPage $((742 + 35 * $1 + 5)) 270 || return 1
  box=$(NewWindow "$before" 10) || return 1
  [ "$(xdotool getwindowname "$box" 2>/dev/null)" = Color ] || return 1
  # Buttons, not keys: a key whose window goes on its press leaves Wine believing it is
  # still held, and the next dialog would see it.
  read -r bx by _ _ < <(Geometry "$box")
  if [ -z "$2" ]; then
    xdotool mousemove $((bx + 124)) $((by + 304)) click 1  # Cancel
  else
    # The basic colours: 8 columns 26 px apart, 6 rows 23 px apart.
    x=$((bx + 19 + 26 * ($2 % 8))) y=$((by + 53 + 23 * ($2 / 8)))
    import -window root "$run/colour.png" && picked=$(Pixel "$run/colour.png" "$x" "$y")
    xdotool mousemove "$x" "$y" click 1 sleep 0.3 mousemove $((bx + 45)) $((by + 304)) click 1  # OK
  fi
  Gone() { ! xdotool getwindowname "$box" >/dev/null 2>&1; }
  WaitFor 5 Gone
}
swatchColours=()
for k in 0 1 2 3 4 5; do
  Check "stage $((k + 1))'s colour comes from the colour dialog" PickColour "$k" $((7 * k + 3))
  swatchColours+=("$picked")
  IFS=, read -r r g b <<<"$picked"
  SetRecordByte "$expected" $((23 + 3 * k)) "$r"
  SetRecordByte "$expected" $((24 + 3 * k)) "$g"
  SetRecordByte "$expected" $((25 + 3 * k)) "$b"
done
Check "stage 7's colour dialog cancelled changes nothing" PickColour 6 ""
swatchColours+=("$(RecordByte "$expected" 41),$(RecordByte "$expected" 42),$(RecordByte "$expected" 43)")
sleep 0.3
Shot dpi-colours
SwatchesShowColours() {
  local k
  for k in 0 1 2 3 4 5 6; do
    [ "$(ShotPixel dpi-colours $((742 + 35 * k + 5)) 270)" = "${swatchColours[$k]}" ] || return 1
  done
}
Check "the swatches show the stages' colours" SwatchesShowColours

# --- Lighting: each mode and each mode's parameter -------------------------------------------
ClickRightItem $kLighting
Shot panel-lighting
lt=$(StripBottom $kLighting)
for mode in 3 1 2; do ClickPage $((kRightLeft + 15)) $((lt + 24 + 29 * (mode - 1))); done
SetRecordByte "$expected" 47 2
# Slider S = L + 100: 1 left of S + 4, then one step per 30 px from 2; 6 on the last 4 px.
ClickPage $((kRightLeft + 100 + 124)) $((lt + 24))
SetRecordByte "$expected" 48 6
ClickPage $((kRightLeft + 100 + 2)) $((lt + 24 + 29))
SetRecordByte "$expected" 49 1
ClickPage $((kRightLeft + 100 + 64)) $((lt + 24 + 58))
SetRecordByte "$expected" 50 4
Shot lighting-values
ClickRightItem $kLighting

# --- USB Report Rate, and the stop of the column with DPI open --------------------------------
ClickRightItem $kReportRate
Shot panel-report-rate
read -r cx cy < <(DialCentre $kReportRate)
# Upper left 125 Hz, upper right 1000, lower left 250, lower right 500 (interval 2).
for corner in "-40 -40" "40 -40" "-40 40" "40 40"; do
  read -r dx dy <<<"$corner"
  ClickPage $((cx + dx)) $((cy + dy))
done
SetRecordByte "$expected" 5 2
Shot report-rate-values
# "Mouse Speed" would follow the open report-rate panel; the column stopped there.
speedTop=$(($(StripBottom $kReportRate) + panelHeight[kReportRate] + 5))
ClickPage $((kRightLeft + 40)) $((speedTop + 10))
Shot stopped-column
ColumnStopped() {
  # Nothing is drawn under the last panel, and the click where "Mouse Speed" would be
  # changed nothing.
  [ "$(ShotPixel stopped-column $((kRightLeft + 5)) $((speedTop + 10)))" = \
    "$(Pixel "$skin/BK_MainRight.png" 5 $((speedTop + 10 - 32)))" ] &&
    SameCrop report-rate-values stopped-column 734 32 242 563
}
Check "DPI and USB Report Rate open stop the column after USB Report Rate" ColumnStopped

# --- the bottom view: the five lower panels ----------------------------------------------------
DragThumb 32 330
bottomView=1
Shot bottom-view
BottomViewShown() {
  # "Mouse Speed" now takes the place of "DPI Setting".
  SameCrop bottom-view main-closed 734 32 242 20 && return 1
  [ "$(ShotPixel bottom-view $((kRightLeft + 5)) 42)" = "$(Pixel "$skin/ItemBK.png" 5 10)" ]
}
Check "dragging the thumb into the lower half shows the bottom view" BottomViewShown
for item in $kMouseSpeed $kDoubleClick $kScrollSpeed $kAngleSnap $kGesture; do ClickRightItem "$item"; done
Shot panel-lower

# Speed dials: straight up gives 7, the horizontal right of the pivot 12, left 2.
read -r px py < <(SpeedPivot $kMouseSpeed)
ClickPage "$px" $((py - 57))
ClickPage $((px + 57)) "$py"
SetRecordByte "$expected" 53 12
read -r px py < <(SpeedPivot $kDoubleClick)
ClickPage $((px - 50)) $((py - 30))  # 149 degrees: 12 - 149 / 18 gives 3
ClickPage $((px - 57)) "$py"
SetRecordByte "$expected" 55 2

# Scroll Speed: page mode disables the box, line mode enables it; arrows and typing.
sb=$(StripBottom $kScrollSpeed)
ScrollBoxText() { Helper text "$kMainClass" 121 | tr -d '\r'; }
ScrollBoxIs() { [ "$(ScrollBoxText)" = "$1" ]; }
ClickPage $((kRightLeft + 15)) $((sb + 55))
ClickPage $((kRightLeft + 15)) $((sb + 20))
SetRecordByte "$expected" 52 0
xdotool mousemove --window "$win" $((kRightLeft + 168)) $((sb + 22)) click 1 sleep 0.3
xdotool key --window "$win" End BackSpace BackSpace BackSpace
xdotool type --window "$win" 0
Check "typing 0 into the scroll-lines box turns it into 1" WaitFor 5 ScrollBoxIs 1
xdotool key --window "$win" End BackSpace
xdotool type --window "$win" 42
Check "typed lines stay as typed" WaitFor 5 ScrollBoxIs 42
ClickPage $((kRightLeft + 195)) $((sb + 18))
ClickPage $((kRightLeft + 195)) $((sb + 26))
ClickPage $((kRightLeft + 195)) $((sb + 26))
Check "up, down, down make 41" ScrollBoxIs 41
SetRecordByte "$expected" 54 41

at=$(StripBottom $kAngleSnap)
ClickPage $((kRightLeft + 150)) $((at + 20))
ClickPage $((kRightLeft + 30)) $((at + 20))
SetRecordByte "$expected" 56 1

# Gesture: S = L + 43; its last three pixels would compute 6 and store 5.
gb=$(StripBottom $kGesture)
ClickPage $((kRightLeft + 43 + 153)) $((gb + 35))
Shot gesture-end
ClickPage $((kRightLeft + 43 + 78)) $((gb + 35))
SetRecordByte "$expected" 57 4
Shot lower-values

DragThumb 330 32
bottomView=0
Shot top-view-again
Check "dragging the thumb back shows the top view as it was" SameCrop report-rate-values top-view-again 734 32 250 563

# --- X/Y sensitivity, and the button-assignment panel in both views ---------------------------
ClickPage 60 185
Shot panel-xy
# S = 37: 1 on the first 9 px, then one step per 21 px from 2; 11 on the last 10 px.
ClickPage $((37 + 205)) 240
SetRecordByte "$expected" 59 11
ClickPage $((37 + 30)) 300
SetRecordByte "$expected" 60 3
Shot xy-values
ClickPage 60 185
ClickPage 60 117
Shot panel-assignment-front
ClickPage 530 540
Shot panel-assignment-side
ClickPage 470 540
ClickPage 60 117

# --- Save twice quickly: one apply ------------------------------------------------------------
# The second click comes while the first Save still talks to the mouse (at least 1.2 s), and
# later than a double click would.
applies=$(ApplyCount)
cp -r "$mouse" "$run/twin"
xdotool mousemove --window "$win" 950 618 click 1 sleep 1 click 1
Check "Save sends the profile to the mouse" WaitFor 15 ApplyCountIs $((applies + 1))
sleep 2.5
Check "... and a second Save right after it starts no second apply" ApplyCountIs $((applies + 1))

# The saved profile: flag 1, record byte 0 as the apply leaves it, every setting above.
SetByte "$expected" 0 1
SetRecordByte "$expected" 0 0
Check "config0.bin holds every setting, byte for byte" cmp "$expected" "$profile"

# The config block, by the rules of the device apply, and the report rate.
ConfigFollowsTheRules() {
  local k bits=0 value enabled
  [ "$(MouseInterval)" = 2 ] || { echo "    report interval $(MouseInterval)"; return 1; }
  for k in 0 1 2 3 4 5 6; do
    value=$(RecordByte "$expected" $((7 + k)))
    [ "$(ConfigByte $((84 + k)))" = $((value - 1)) ] && [ "$(ConfigByte $((92 + k)))" = $((value - 1)) ] ||
      { echo "    stage $k DPI"; return 1; }
    enabled=$(RecordByte "$expected" $((15 + k)))
    [ "$enabled" = 1 ] && bits=$((bits | 1 << k))
    for c in 0 1 2; do
      [ "$(ConfigByte $((104 + 3 * k + c)))" = "$(RecordByte "$expected" $((23 + 3 * k + c)))" ] ||
        { echo "    stage $k colour"; return 1; }
    done
  done
  [ "$(ConfigByte 100)" = "$bits" ] || { echo "    enabled bits $(ConfigByte 100), not $bits"; return 1; }
  # Respiration with parameter 1; gesture step 4 is 0x0F; X 11 and Y 3 times 20.
  [ "$(ConfigByte 71)" = 2 ] && [ "$(ConfigByte 72)" = 1 ] && [ "$(ConfigByte 73)" = 3 ] ||
    { echo "    lighting"; return 1; }
  [ "$(ConfigByte 49)" = 15 ] && [ "$(ConfigByte 51)" = 1 ] || { echo "    gesture or angle snap"; return 1; }
  [ "$(ConfigByte 74)" = 220 ] && [ "$(ConfigByte 75)" = 60 ] || { echo "    sensitivity"; return 1; }
}
Check "the mouse's config block and report rate follow the panels" ConfigFollowsTheRules
# The same profile applied by zalvane-cli to the mouse as it was before the Save leaves the
# very same memory: nothing else was sent or left out.
"$E2E_CLI" --virtual-mouse "$run/twin" apply "$expected" >/dev/null
Check "the mouse holds what zalvane-cli's apply of that profile leaves" cmp "$run/twin/mouse.bin" "$mouse/mouse.bin"
# The double-click time is written to the user's profile: 900 - 70 x (2 - 1) ms. (Speed and
# wheel lines are set for the session only, which another process under Wine does not see.)
DoubleClickTimeIs() { [ "$(Helper pointer | tr -d '\r' | cut -d' ' -f3)" = "$1" ]; }
Check "the double-click time reaches the system" DoubleClickTimeIs 830
# zalvane-cli's set of the same values writes the very same profile files as the window's
# Save: one record, one set of captions, one first-run flag.
cliSettings=(dpi.1=100 dpi.2=200 dpi.3=4500 dpi.4=6400 dpi.5=10000 dpi.6=11900 dpi.7=12000
  dpi.2.enabled=off dpi.6.enabled=off lighting=respiration lighting.standard=6 lighting.respiration=1
  lighting.neon=4 report-rate=500 pointer-speed=12 double-click-speed=2 scroll=lines scroll-lines=41
  angle-snap=on gesture-correction=1 sensitivity.x=11 sensitivity.y=3)
for k in 0 1 2 3 4 5 6; do
  IFS=, read -r r g b <<<"${swatchColours[$k]}"
  cliSettings+=("dpi.$((k + 1)).colour=$(printf '#%02x%02x%02x' "$r" "$g" "$b")")
done
"$E2E_CLI" --folder "$cliFolder" set "${cliSettings[@]}" >/dev/null
Check "zalvane-cli's set of the same values writes the same config0.bin" cmp "$profile" "$cliFolder/config0.bin"
Check "... and the same str0.ini" cmp "$program/str0.ini" "$cliFolder/str0.ini"
ClickPage 950 618
Check "two seconds later Save works again" WaitFor 15 ApplyCountIs $((applies + 2))

EndSession
