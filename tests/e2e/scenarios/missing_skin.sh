#!/usr/bin/env bash
# A program folder without its skin: the window has nothing to be drawn from, so the
# program names the missing image once, with where it looked, and lives on in the
# notification area.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

rm -rf "$program/Skins"
StartProgram
MessageBox() { xdotool search --onlyvisible --name '^Zalvane$' 2>/dev/null | head -1; }
BoxShown() { [ -n "$(MessageBox)" ]; }
Check "a message box tells that the skin is missing" WaitFor 20 BoxShown
Check "... naming start.png where it was looked for" WaitFor 5 \
  TraceHas "$(printf 'message\tmissing skin image\t%s\\/Skins/Default/start.png\t0' "$(WinPath "$program")")"
Shot missing-skin
box=$(MessageBox)
[ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null
BoxGone() { [ -z "$(MessageBox)" ]; }
WaitFor 5 BoxGone || { read -r bx by bw bh < <(Geometry "$box"); xdotool mousemove $((bx + bw / 2)) $((by + bh - 20)) click 1; }
Check "the box goes with OK" WaitFor 5 BoxGone
Check "the tray icon is there to reach the program" WaitFor 10 TraceHas "$(printf 'add\t\tZalvane Gaming Mouse\t0')"
# The splash ends after 3 s and main.png is missing too: it is not told a second time.
sleep 4
Check "the missing main image is not told again" test "$(grep -c '^message' "$trace")" -eq 1
Check "the program lives on" ProgramRuns

EndSession
