#!/usr/bin/env bash
# The main page's window buttons: Cancel throws the page's changes away, Reset brings the
# factory settings back (to the page, the mouse and the profile file) and folds the page
# in, Save without a mouse writes nothing but says so, Minimise hides the window and Close
# ends the program as the tray's "Exit" does.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

StartProgram
Check "the main page shows" WaitMainPage
[ -n "${win:-}" ] || exit 1
Shot main-closed
profile="$program/config0.bin"
factory="$program/config.bin"
cp "$profile" "$run/before.bin"

# --- Cancel after edits: the applied copy comes back ------------------------------------------
ClickRightItem $kDpi
Shot dpi-open
ClickPage $((745 + 3)) 150    # stage 1: 5400 DPI
ClickPage $((742 + 5)) 249    # stage 1 off
Shot cancel-edits
ClickPage 888 618
Check "Cancel hides the window" WaitFor 5 MainWindowHidden
ClickTray 1
Check "the tray icon shows it again" WaitFor 5 MainWindowShown
sleep 0.5
Shot after-cancel
Check "... with the page's changes gone" SameCrop dpi-open after-cancel 734 52 242 234
applies=$(ApplyCount)
ClickPage 950 618
Check "a Save after Cancel sends the profile" WaitFor 15 ApplyCountIs $((applies + 1))
SavedUnchanged() {
  # Byte for byte the profile as it was, saved once: flag 1 and record byte 0 set to 0.
  cp "$run/before.bin" "$run/expected.bin"
  SetByte "$run/expected.bin" 0 1
  SetRecordByte "$run/expected.bin" 0 0
  cmp -s "$run/expected.bin" "$profile"
}
Check "... which is the profile as it was before the edits" WaitFor 10 SavedUnchanged

# --- Reset: the factory settings, the macros kept, the page folded in --------------------------
ClickPage $((745 + 3)) 119    # stage 1: 8500 DPI
ClickRightItem $kLighting
sleep 2  # the Save button's busy time
ClickPage 950 618
Check "a Save with another stage value" WaitFor 15 ApplyCountIs $((applies + 2))
StageOneIs() { [ "$(RecordByte "$profile" 7)" = "$1" ]; }
Check "... writes it" WaitFor 10 StageOneIs 85
ClickPage 826 618
rightOpen=(0 0 0 0 0 0 0 0)
Check "Reset sends the factory profile to the mouse" WaitFor 15 ApplyCountIs $((applies + 3))
FactorySettings() {
  # The settings part (record bytes 1-421) is the factory's, the macros are the user's.
  cmp -s <(tail -c +3 "$factory" | head -c 421) <(tail -c +3 "$profile" | head -c 421) &&
    cmp -s <(tail -c +424 "$run/before.bin") <(tail -c +424 "$profile")
}
Check "... and writes the factory settings into the profile file" WaitFor 10 FactorySettings
Check "... which the mouse holds" test "$(ConfigByte 84)" = $(($(RecordByte "$factory" 7) - 1))
WaitFor 5 DrawCountAbove reset 0
sleep 0.3
Shot after-reset
Check "... and the page is folded in as at the start" SameCrop main-closed after-reset 0 0 1000 644

# --- Save without a mouse ----------------------------------------------------------------------
Mouse unplug
notFound=$(Balloon Warning "The system did not detect the gaming mouse!" 100)
Check "unplugged" WaitFor 10 TraceHas "$notFound"
warnings=$(grep -cxF "$notFound" "$trace")
sleep 2
transfers=$(wc -l <"$deviceTrace")
cp "$profile" "$run/unplugged.bin"
ClickPage 950 618
MoreWarnings() { [ "$(grep -cxF "$notFound" "$trace")" -gt "$warnings" ]; }
Check "Save without a mouse says the mouse was not found" WaitFor 5 MoreWarnings
Check "... sends nothing" test "$(wc -l <"$deviceTrace")" -eq "$transfers"
Check "... and writes nothing" cmp "$run/unplugged.bin" "$profile"
Mouse plug
Check "plugged in again" WaitFor 10 TraceHas "$(Balloon Info "The system detect the gaming mouse." 100)"

# --- Minimise and Close --------------------------------------------------------------------------
ClickPage 965 12
Check "Minimise hides the window" WaitFor 5 MainWindowHidden
Check "... and the program lives on" ProgramRuns
ClickTray 1
Check "the tray icon shows it again" WaitFor 5 MainWindowShown
win=$(MainWindow)
xdotool mousemove --window "$win" 986 12 click 1
Check "Close ends the program" WaitProgramEnd 10
Check "... with exit status 0" test "${programStatus:-1}" -eq 0
Check "... after deleting the tray icon" test "$(tail -2 "$trace" | head -1)" = "$(printf 'delete\t\t\t0')"

EndSession
