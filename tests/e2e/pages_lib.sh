# The main page as the e2e scenarios click it: where its strips, panels and controls lie
# (from the window's fixed rectangles and the skin's panel sizes, computed here on their
# own rather than asked of the program), clicks that wait until the page has handled them,
# and the bytes of the profile and mouse files. Sourced after lib.sh, once StartSession ran.
# shellcheck shell=bash

# The program also writes its drawing times; each handled click adds a "click" line.
timing="$run/timing.txt"
deviceTrace="$run/device-trace.txt"
ProgramArguments() {
  echo --virtual-mouse "$(WinPath "$mouse")" --shell-trace "$(WinPath "$trace")" \
    --device-trace "$(WinPath "$deviceTrace")" --draw-timing "$(WinPath "$timing")"
}

skin="$program/Skins/Default"
ImageHeight() { identify -format %h "$skin/$1"; }
ImageWidth() { identify -format %w "$skin/$1"; }

# The right column's panels in item order: DPI, Lighting, USB Report Rate, Mouse Speed,
# Double Click Speed, Scroll Speed, Angle Snap, Gesture Correction.
kRightPanels=(DPISetting/BK_DPISetting.png Lighting/BK_Lighting.png USBReportRate/BK_USBReportRate.png
  MouseAttribute/BK_MouseAttribute.png MouseAttribute/BK_MouseAttribute.png MouseAttribute/BK_ScrollSpeed.png
  AngleSnap/BK_AngleSnap.png GestureCorrection/BK-GestureCorrection.png)
panelHeight=() panelWidth=()
for panel in "${kRightPanels[@]}"; do
  panelHeight+=("$(ImageHeight "$panel")")
  panelWidth+=("$(ImageWidth "$panel")")
done
readonly kDpi=0 kLighting=1 kReportRate=2 kMouseSpeed=3 kDoubleClick=4 kScrollSpeed=5 kAngleSnap=6 kGesture=7

# What the scenario has folded out, and which view of the right column shows.
rightOpen=(0 0 0 0 0 0 0 0)
bottomView=0

# Top edge of right item I's strip as the layout draws it: from "DPI Setting" (or, in the
# bottom view, "Mouse Speed" in its place) downwards, each strip 20 px high and 5 px below
# the one above or its open panel.
StripTop() {  # I
  local i=$1 top=32 j=0
  [ "$bottomView" -eq 1 ] && j=3
  for (( ; j < i; j++)); do
    top=$((top + 20 + 5))
    [ "${rightOpen[$j]}" -eq 1 ] && top=$((top + panelHeight[j]))
  done
  echo "$top"
}
StripBottom() { echo $(($(StripTop "$1") + 20)); }
readonly kRightLeft=734

DrawCount() { awk -F'\t' -v kind="$1" '$1 == kind { n++ } END { print n + 0 }' "$timing" 2>/dev/null || echo 0; }
DrawCountAbove() { [ "$(DrawCount "$1")" -gt "$2" ]; }

# A click at client point (X, Y) of the main window; returns once the page has handled it.
ClickPage() {  # X Y
  local before
  before=$(DrawCount click)
  xdotool mousemove --window "$win" "$1" "$2" click 1
  WaitFor 5 DrawCountAbove click "$before"
}

ClickRightItem() {  # I: folds the item out or in
  ClickPage $((kRightLeft + 40)) $(($(StripTop "$1") + 10)) || return 1
  rightOpen[$1]=$((1 - rightOpen[$1]))
}

# Drags the scroll thumb from top TOP to top TO in small steps, as a hand would; the thumb
# follows only while the pointer stays on it.
DragThumb() {  # FROM TO
  local y=$(($1 + 50)) to=$(($2 + 50)) step=8
  [ "$2" -lt "$1" ] && step=-8
  xdotool mousemove --window "$win" 987 "$y" sleep 0.2 mousedown 1 sleep 0.2
  while [ $(((to - y) * step)) -gt 0 ]; do
    y=$((y + step))
    [ $(((to - y) * step)) -lt 0 ] && y=$to
    xdotool mousemove --window "$win" 987 "$y" sleep 0.04
  done
  xdotool sleep 0.2 mouseup 1 sleep 0.3
}

# Client point of the report-rate dial's centre, and of the speed dials' pivot.
DialCentre() {  # I (kReportRate)
  echo $((kRightLeft + panelWidth[$1] / 2)) $(($(StripBottom "$1") + 5 + 64))
}
SpeedPivot() {  # I (kMouseSpeed or kDoubleClick)
  echo $((kRightLeft + panelWidth[$1] / 2)) $(($(StripBottom "$1") + 20 + 71))
}

# --- files ------------------------------------------------------------------------------

ByteAt() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' \n'; }  # FILE OFFSET
SetByte() {  # FILE OFFSET VALUE
  printf "\\x$(printf %02x "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}
# Profile files hold the saved flag, then the record: record offset N is file offset N + 1.
RecordByte() { ByteAt "$1" $(($2 + 1)); }
SetRecordByte() { SetByte "$1" $(($2 + 1)) "$3"; }
# The virtual mouse's state file: the report interval at 10, profile 0's config block at 16.
MouseInterval() { ByteAt "$mouse/mouse.bin" 10; }
ConfigByte() { ByteAt "$mouse/mouse.bin" $((16 + $1)); }

# Applies of the profile to the mouse so far: each begins by selecting profile 0.
ApplyCount() { grep -c '^set-feature 00 02 00' "$deviceTrace" 2>/dev/null || true; }
ApplyCountIs() { [ "$(ApplyCount)" -eq "$1" ]; }

# Screen pixel of client point (X, Y) in a screenshot taken with Shot.
ShotPixel() { Pixel "$E2E_ARTIFACTS/$1.png" $((wx + $2)) $((wy + $3)); }  # SHOT X Y
# A client area of a screenshot, for comparing two of them.
ShotCrop() {  # SHOT X Y WIDTH HEIGHT OUT
  convert "$E2E_ARTIFACTS/$1.png" -crop "$4x$5+$((wx + $2))+$((wy + $3))" +repage "$6"
}
SameCrop() {  # SHOT1 SHOT2 X Y WIDTH HEIGHT
  ShotCrop "$1" "$3" "$4" "$5" "$6" "$run/crop1.png" && ShotCrop "$2" "$3" "$4" "$5" "$6" "$run/crop2.png" &&
    [ "$(compare -metric AE "$run/crop1.png" "$run/crop2.png" null: 2>&1)" = 0 ]
}

# Waits for the main window after the splash; sets `win`, `wx` and `wy`.
WaitMainPage() {
  Described WaitFor 40 MainSizeIs 1000 644 || return 1
  Described WaitFor 5 DrawCountAbove first 0 || return 1
  win=$(MainWindow)
  read -r wx wy _ _ < <(Geometry "$win")
}
