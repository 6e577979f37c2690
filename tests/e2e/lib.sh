# Shared steps of the e2e scenarios: a display and a Wine prefix of the scenario's own,
# Zalvane.exe on a virtual mouse in a fresh copy of the program folder, and checks that
# poll for what the screen, the windows and the shell trace show. Sourced by a scenario;
# scripts/e2e sets E2E_ROOT, E2E_PROGRAM (the program folder to copy), E2E_HELPER
# (e2e_helper.exe), E2E_CLI (zalvane-cli), E2E_WORK (kept between runs: the prefix) and
# E2E_ARTIFACTS (screenshots and the trace).
# shellcheck shell=bash

set -u
export WINEDEBUG=-all LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
passed=0
failed=0
programPid=""
xvfbPid=""
run=""
trace=""

readonly kMainTitle='^Zalvane Gaming Mouse$'
# shellcheck disable=SC2034  # the scenarios post messages to the window of this class
readonly kMainClass=RZ904NewVerGMClass

# What the program and the screen show, after a check that waited for the program in vain:
# whether it still runs, the end of what Wine printed, the trace's first lines and the
# visible windows, so that a start that went wrong elsewhere tells why.
DescribeProgram() {
  local id
  if ProgramRuns; then echo "  note  the program runs"; else echo "  note  the program has ended"; fi
  [ -s "$run/program.log" ] && tail -n 8 "$run/program.log" | sed 's/^/  note  wine: /'
  if [ -f "$trace" ]; then head -n 5 "$trace" | sed 's/^/  note  trace: /'; else echo "  note  no trace"; fi
  for id in $(VisibleWindows); do
    echo "  note  window \"$(xdotool getwindowname "$id" 2>/dev/null)\" at $(Geometry "$id")"
  done
  Shot described
}
# Runs a check's command and describes the program when it fails.
Described() {  # COMMAND [ARGS...]
  "$@" && return 0
  DescribeProgram
  return 1
}

Check() {  # NAME COMMAND [ARGS...]
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "  ok    $name"
  else
    failed=$((failed + 1))
    echo "  FAIL  $name"
  fi
}

# Hundredths of a second since the machine started: waits measured on it do not end early
# (or late) when the wall clock is set while a scenario runs.
Ticks() {
  local up
  read -r up _ </proc/uptime
  echo $((10#${up/./}))
}

WaitFor() {  # SECONDS COMMAND [ARGS...]: polls every 0.1 s
  local deadline=$(($(Ticks) + $1 * 100))
  shift
  until "$@"; do
    [ "$(Ticks)" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

WinPath() { local path=$1; echo "Z:${path//\//\\}"; }

# A session that cannot start counts as a failed check: the scenario ends with it.
StartSession() {
  OpenSession && return 0
  failed=$((failed + 1))
  echo "  FAIL  the display and the Wine prefix are ready"
  return 1
}

OpenSession() {
  mkdir -p "$E2E_WORK" "$E2E_ARTIFACTS"
  # A scenario that stops early (a failed start, an unset variable) still ends what it
  # started: a program left running would hold the prefix's single-instance mutex.
  trap EndSession EXIT
  rm -f "$E2E_ARTIFACTS"/*.png "$E2E_ARTIFACTS"/trace.txt
  export WINEPREFIX="$E2E_WORK/wineprefix"
  local number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number" </dev/null >/dev/null 2>&1 &
  xvfbPid=$!
  WaitFor 10 test -s "$number"
  DISPLAY=":$(tr -dc '0-9' <"$number")"
  export DISPLAY
  rm -f "$number"
  [ "$DISPLAY" != ":" ] || { echo "  Xvfb did not start"; return 1; }
  # Unmanaged windows show at once (no window manager runs here).
  if [ ! -f "$WINEPREFIX/.e2e-unmanaged" ]; then
    Wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null || return 1
    touch "$WINEPREFIX/.e2e-unmanaged"
  fi
  run="$E2E_WORK/run"
  rm -rf "$run"
  mkdir -p "$run"
  cp -r "$E2E_PROGRAM" "$run/Zalvane"
  program="$run/Zalvane"
  mouse="$run/mouse"
  trace="$run/trace.txt"
}

EndSession() {
  [ -n "$programPid" ] && StopProgram
  [ -f "$trace" ] && cp "$trace" "$E2E_ARTIFACTS/trace.txt"
  wineserver -k 2>/dev/null
  if [ -n "$xvfbPid" ]; then
    kill "$xvfbPid" 2>/dev/null
    wait "$xvfbPid" 2>/dev/null
    xvfbPid=""
  fi
  echo "$passed $failed" >"$E2E_WORK/result"
  trap - EXIT
}

Wine() { "$E2E_ROOT/scripts/wine-run" "$@" </dev/null 2>/dev/null; }
Helper() { Wine "$E2E_HELPER" "$@"; }
Mouse() { "$E2E_CLI" --virtual-mouse "$mouse" "$@" >/dev/null; }

ProgramArguments() { echo --virtual-mouse "$(WinPath "$mouse")" --shell-trace "$(WinPath "$trace")"; }

StartProgram() {
  # Wine's errors (a crash among them) go to program.log, for DescribeProgram.
  # shellcheck disable=SC2046
  WINEDEBUG=fixme-all "$E2E_ROOT/scripts/wine-run" "$program/Zalvane.exe" $(ProgramArguments) \
    </dev/null >"$run/program.log" 2>&1 &
  programPid=$!
}

ProgramRuns() { [ -n "$programPid" ] && kill -0 "$programPid" 2>/dev/null; }
ProgramEnded() { ! ProgramRuns; }

StopProgram() {
  kill "$programPid" 2>/dev/null
  WaitFor 10 ProgramEnded || kill -KILL "$programPid" 2>/dev/null
  wait "$programPid" 2>/dev/null
  programPid=""
}

# Waits for the program to end by itself; its exit status in `programStatus`.
WaitProgramEnd() {  # SECONDS
  WaitFor "$1" ProgramEnded || return 1
  wait "$programPid"
  # shellcheck disable=SC2034  # read by the scenarios
  programStatus=$?
  programPid=""
}

MainWindow() { xdotool search --onlyvisible --name "$kMainTitle" 2>/dev/null | head -1; }
MainWindowShown() { [ -n "$(MainWindow)" ]; }
MainWindowHidden() { [ -z "$(MainWindow)" ]; }

# "X Y WIDTH HEIGHT" of a window.
Geometry() {  # WINDOW
  xdotool getwindowgeometry --shell "$1" 2>/dev/null |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}
MainGeometryIs() {  # "X Y WIDTH HEIGHT" (X and Y may be "*")
  local id want got
  id=$(MainWindow)
  [ -n "$id" ] || return 1
  got=$(Geometry "$id")
  want=$1
  # shellcheck disable=SC2053  # "*" in WANT matches any value
  [[ "$got" == $want ]]
}
MainSizeIs() { MainGeometryIs "* * $1 $2"; }

Shot() {  # NAME: a screenshot of the whole screen among the artifacts
  import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
}

# "R,G,B" of a pixel of an image.
Pixel() {  # FILE X Y
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info: 2>/dev/null
}

TraceHas() { [ -f "$trace" ] && grep -qxF -- "$1" "$trace"; }
TraceLineCount() { [ -f "$trace" ] && wc -l <"$trace" || echo 0; }
# Whether the trace has LATER right after EARLIER, with nothing in between.
TraceOrder() {  # EARLIER LATER
  [ -f "$trace" ] && awk -v earlier="$1" -v later="$2" \
    '$0 == later { found = (previous == earlier); exit } { previous = $0 } END { exit !found }' "$trace"
}
Balloon() {  # TITLE TEXT TIMEOUT: the trace line of that balloon
  printf 'balloon\t%s\t%s\t%s' "$1" "$2" "$3"
}

Tray() { xdotool search --name '^Wine System Tray$' 2>/dev/null | head -1; }
# The tray icon in the frameless tray window of a bare X display.
ClickTray() {  # BUTTON
  local tray
  tray=$(Tray)
  [ -n "$tray" ] || return 1
  xdotool mousemove --window "$tray" 12 31 sleep 0.1 click "$1"
}

VisibleWindows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# Waits for a window that was not in BEFORE (a list of ids) and prints its id.
NewWindow() {  # BEFORE SECONDS
  local before=$1 deadline=$(($(Ticks) + $2 * 100)) id
  while [ "$(Ticks)" -le "$deadline" ]; do
    id=$(comm -13 <(echo "$before") <(VisibleWindows) | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# A program folder as scripts/e2e makes one: the program, the default skin and the shipped
# data files. For the scripts that run the program outside the e2e tier.
MakeProgramFolder() {  # EXE SKIN-FOLDER ZALVANE-CLI DEST
  rm -rf "$4"
  mkdir -p "$4/Skins"
  cp "$1" "$4/Zalvane.exe" && cp -r "$2" "$4/Skins/Default" && "$3" init-folder "$4" >/dev/null
}
