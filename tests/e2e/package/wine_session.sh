# A Wine prefix and an X display of the test's own, and the Windows programs it starts.
# Sourced by install_test; needs $root and $work.
# shellcheck shell=bash disable=SC2154

# Starts Xvfb on a free display and points Wine at WORK/wineprefix (made on first use by
# scripts/wine-run, which also keeps Wine's server and system processes detached).
StartSession() {  # WORK
  export WINEPREFIX="$1/wineprefix"
  export WINEDEBUG=-all LC_ALL=C.UTF-8
  # No menu entries or desktop files for what the installer makes: nothing outside the prefix.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d"
  local number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number" </dev/null >/dev/null 2>&1 &
  xvfbPid=$!
  local _
  for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
  local display
  display=$(tr -dc '0-9' <"$number")
  rm -f "$number"
  if [ -z "$display" ]; then
    echo "install_test: Xvfb did not start" >&2
    kill "$xvfbPid" 2>/dev/null
    xvfbPid=""
    return 1
  fi
  export DISPLAY=":$display"
  # Unmanaged windows show at once; managed ones wait two seconds for a window manager.
  if [ ! -f "$WINEPREFIX/.zalvane-unmanaged" ]; then
    Wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null || return 1
    touch "$WINEPREFIX/.zalvane-unmanaged"
  fi
}

EndSession() {
  [ -n "${programPid:-}" ] && StopProgram
  WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  if [ -n "${xvfbPid:-}" ]; then
    kill "$xvfbPid" 2>/dev/null
    wait "$xvfbPid" 2>/dev/null
  fi
}

Wine() { "$root/scripts/wine-run" "$@" </dev/null 2>/dev/null; }

# True while a process of this prefix whose command line holds NAME runs.
WineProgramRuns() {  # NAME
  local p
  for p in /proc/[0-9]*; do
    tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -xF "WINEPREFIX=$WINEPREFIX" >/dev/null || continue
    tr '\0' ' ' 2>/dev/null <"$p/cmdline" | grep -F -- "$1" >/dev/null && return 0
  done
  return 1
}
NoWineProgram() { ! WineProgramRuns "$1"; }

WaitFor() {  # SECONDS COMMAND [ARGS...]
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# Starts Zalvane.exe (on the virtual mouse when the program knows that option) and waits
# until it shows a window. Sets programPid.
StartProgram() {  # EXE
  local exe=$1 args=()
  if { strings -a "$exe"; strings -a -el "$exe"; } | grep -F -- '--virtual-mouse' >/dev/null; then
    mkdir -p "$work/mouse"
    args=(--virtual-mouse "Z:${work//\//\\}\\mouse")
  fi
  "$root/scripts/wine-run" "$exe" "${args[@]}" </dev/null >"$work/program.log" 2>&1 &
  programPid=$!
  if ! WaitFor 30 ProgramWindowShown; then
    if kill -0 "$programPid" 2>/dev/null; then
      echo "$exe showed no window within 30 s"
      StopProgram
    else
      wait "$programPid"
      echo "$exe ended with status $? before it showed a window"
      programPid=""
    fi
    return 1
  fi
  echo "window $(xdotool search --onlyvisible --pid "$programPid" | head -1) of $(basename "$exe")"
}
ProgramWindowShown() {
  kill -0 "$programPid" 2>/dev/null || return 0  # ended: StartProgram tells
  [ -n "$(xdotool search --onlyvisible --pid "$programPid" 2>/dev/null)" ]
}
ProgramStillRuns() {
  kill -0 "$programPid" 2>/dev/null || { echo "the program ended by itself"; return 1; }
}

# Ends the program by its process id, asking first, then insisting.
StopProgram() {
  kill "$programPid" 2>/dev/null
  WaitFor 10 ProgramEnded || kill -KILL "$programPid" 2>/dev/null
  wait "$programPid" 2>/dev/null
  programPid=""
}
ProgramEnded() { ! kill -0 "$programPid" 2>/dev/null; }
