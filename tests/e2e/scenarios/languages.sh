#!/usr/bin/env bash
# The main window, the profile dialog and the help panel in each UI language ("Lan" of the
# current profile's text file): the dialog is titled in the language, and in Traditional
# Chinese a seventh profile is refused with the warning in that language. Screenshots of
# the three windows in each language are kept among the artifacts.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1
. "$(dirname "$0")/../pages_lib.sh"

text="$program/str0.ini"
SetLanguage() {  # CODE: "Lan" of the current profile's text file (UTF-16, CR LF)
  iconv -f UTF-16 -t UTF-8 "$text" | sed "s/^Lan=.*\r\$/Lan=$1\r/" | iconv -f UTF-8 -t UTF-16 >"$run/text.ini" &&
    mv "$run/text.ini" "$text"
}
kList=130
Shown() { Helper window "$1" >/dev/null; }
Gone() { ! Shown "$1"; }
Items() { Helper items "$1" "$kList" | tr -d '\r' | grep -c .; }
ItemCountIs() { [ "$(Items "$1")" = "$2" ]; }
ClickNew() { xdotool mousemove --window "$win" 50 588 click 1 sleep 0.3; }

for run_language in EN:Configuration CHS:配置 CHT:配置; do
  code=${run_language%%:*} title=${run_language#*:}
  echo " -- $code"
  SetLanguage "$([ "$code" = EN ] && echo "" || echo "$code")"
  StartProgram
  Check "the main page shows" WaitMainPage
  [ -n "${win:-}" ] || exit 1
  xdotool mousemove --window "$win" 500 660 sleep 0.3
  Shot "main-$code"
  ClickPage 50 619
  Check "the profile dialog is titled $title" WaitFor 5 Shown "$title"
  Shot "config-$code"
  if [ "$code" = CHT ]; then
    for _ in 1 2 3 4 5; do ClickNew; done
    Check "New adds names up to six" ItemCountIs "$title" 6
    ClickNew
    Check "the seventh is refused with the warning caption in the language" WaitFor 5 Shown 警告
    WarningSays() { Helper texts 警告 | tr -d '\r' | grep -qxF "$1"; }
    Check "... and its text" WarningSays 最多可以存儲6個配置。
    Shot "warning-$code"
    xdotool key Return
    Check "... leaving six names" WaitFor 5 ItemCountIs "$title" 6
  fi
  xdotool mousemove --window "$win" 247 15 click 1
  Check "the close button ends it" WaitFor 5 Gone "$title"
  ClickPage 944 12
  Check "Help opens the help panel" WaitFor 5 Shown Help
  Shot "help-$code"
  StopProgram
done

EndSession
