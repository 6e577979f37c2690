#!/usr/bin/env bash
# Start-up and the window's life: the splash (start.png with its white as holes), the main
# window centred in the work area, a click that drags it, a second copy that ends at once,
# the close command that only hides, the tray icon that shows the window again, the
# firmware updater of the right architecture, and "Exit" from the tray menu.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

skin="$program/Skins/Default"
StartProgram
Check "the splash is shown in start.png's size" Described WaitFor 20 MainSizeIs "$(identify -format %w "$skin/start.png")" \
  "$(identify -format %h "$skin/start.png")"
Shot splash
read -r sx sy _ _ < <(Geometry "$(MainWindow)")
SplashShowsStart() {
  local inside outside
  inside=$(Pixel "$skin/start.png" 240 150)
  outside=$(Pixel "$skin/start.png" 0 0)
  [ "$outside" = "255,255,255" ] || return 1  # the corner of start.png is white
  # The image where it is not white; the desktop behind it where it is.
  [ "$(Pixel "$E2E_ARTIFACTS/splash.png" $((sx + 240)) $((sy + 150)))" = "$inside" ] &&
    [ "$(Pixel "$E2E_ARTIFACTS/splash.png" "$sx" "$sy")" != "255,255,255" ]
}
Check "the splash shows start.png, its white pixels transparent" SplashShowsStart

Check "the main window follows in main.png's size" WaitFor 10 MainSizeIs 1000 644
read -r left top right bottom < <(Helper workarea | tr -d '\r')
x=$(((right - left - 1000) / 2 + left))
y=$(((bottom - top - 644) / 2 + top))
Check "the main window is centred in the work area ($left,$top)-($right,$bottom)" MainGeometryIs "$x $y 1000 644"
Shot main
MainShowsMain() {
  [ "$(Pixel "$E2E_ARTIFACTS/main.png" $((x + 500)) $((y + 600)))" = "$(Pixel "$skin/main.png" 500 600)" ]
}
Check "the main window shows main.png" MainShowsMain
Check "the tray icon was added with its tip" TraceHas "$(printf 'add\t\tZalvane Gaming Mouse\t0')"

DragMainWindow() {
  xdotool mousemove $((x + 600)) $((y + 300)) sleep 0.2 mousedown 1 sleep 0.4 \
    mousemove $((x + 610)) $((y + 305)) sleep 0.2 mousemove $((x + 630)) $((y + 320)) sleep 0.2 \
    mousemove $((x + 640)) $((y + 330)) sleep 0.3 mouseup 1
  WaitFor 5 MainGeometryIs "$((x + 40)) $((y + 30)) 1000 644"
}
Check "a click on the window drags it" DragMainWindow
read -r x y _ _ < <(Geometry "$(MainWindow)")

lines=$(TraceLineCount)
# shellcheck disable=SC2046
"$E2E_ROOT/scripts/wine-run" "$program/Zalvane.exe" $(ProgramArguments) </dev/null >/dev/null 2>&1 &
secondPid=$!
SecondEnded() { ! kill -0 "$secondPid" 2>/dev/null; }
Check "a second copy ends at once" WaitFor 15 SecondEnded
wait "$secondPid"
Check "... with exit status 0" test $? -eq 0
Check "... and leaves the first as it was" MainGeometryIs "$x $y 1000 644"
Check "... without touching the tray" test "$(TraceLineCount)" -eq "$lines"

Helper post "$kMainClass" 0x10 0 0  # WM_CLOSE
Check "the close command hides the window" WaitFor 5 MainWindowHidden
Check "... and the program lives on" ProgramRuns

ClickTray 1
Check "a left click on the tray icon shows the window again" WaitFor 5 MainWindowShown
Check "... with the mouse there, no balloon" test "$(TraceLineCount)" -eq "$lines"

IconAddedTwice() { [ "$(grep -c "^add	" "$trace")" -eq 2 ]; }
Helper post "$kMainClass" TaskbarCreated 0 0
Check "a restarted shell gets the tray icon again" WaitFor 5 IconAddedTwice
lines=$(TraceLineCount)

mkdir -p "$program/Update/X64" "$program/Update/X86"
cp "$E2E_HELPER" "$program/Update/X64/FwUpdate.exe"
cp "$E2E_HELPER" "$program/Update/X86/FwUpdate.exe"
Helper post "$kMainClass" 0xB13 0 0
Check "message 0xB13 starts the x64 firmware updater" WaitFor 15 test -f "$program/Update/X64/FwUpdate.exe.ran"
Check "... not the x86 one" test ! -e "$program/Update/X86/FwUpdate.exe.ran"
rm -f "$program/Update/X64/FwUpdate.exe.ran"
Helper post "$kMainClass" 0xB13 1 0
sleep 2
Check "message 0xB13 with wParam 1 starts nothing" test ! -e "$program/Update/X64/FwUpdate.exe.ran"

before=$(VisibleWindows)
ClickTray 3
menu=$(NewWindow "$before" 5)
Check "a right click on the tray icon opens its menu" test -n "$menu"
Shot tray-menu
if [ -n "$menu" ]; then
  read -r mx my mw mh < <(Geometry "$menu")
  xdotool mousemove $((mx + mw / 2)) $((my + mh / 2)) sleep 0.2 click 1
fi
Check "\"Exit\" ends the program" WaitProgramEnd 10
Check "... with exit status 0" test "${programStatus:-1}" -eq 0
Check "... after deleting the tray icon" test "$(tail -2 "$trace" | head -1)" = "$(printf 'delete\t\t\t0')"
Check "... and telling its peak working set" grep -qE '^exit	peak-working-set	[1-9][0-9]*	0$' "$trace"

EndSession
