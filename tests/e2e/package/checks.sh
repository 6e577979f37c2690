# Steps and the checks they are made of. Sourced by install_test; needs $work.
# A check prints why it failed and returns 1; a step passes when its function returns 0.
# Under pipefail, `grep -q` at the end of a pipe can fail a pipe whose writer it cut short,
# so these greps read their whole input.
# shellcheck shell=bash disable=SC2154

stepsPassed=0
stepsFailed=0

Step() {  # NAME FUNCTION
  local name=$1 started=$EPOCHREALTIME
  "$2" >"$work/step.log" 2>&1
  local status=$?
  local took
  took=$(awk -v a="$started" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
  if [ "$status" -eq 0 ]; then
    stepsPassed=$((stepsPassed + 1))
    printf '  ok    %-36s %5s s\n' "$name" "$took"
  else
    stepsFailed=$((stepsFailed + 1))
    printf '  FAIL  %-36s %5s s\n' "$name" "$took"
    sed 's/^/        /' "$work/step.log"
  fi
}

Summary() {  # RESULT_FILE
  echo "package e2e: $stepsPassed passed, $stepsFailed failed"
  echo "$stepsPassed $stepsFailed" >"$1"
  [ "$stepsFailed" -eq 0 ]
}

Exists() { [ -e "$1" ] || { echo "missing: $1"; return 1; }; }
Missing() { [ ! -e "$1" ] || { echo "still there: $1"; return 1; }; }

SameFiles() {  # FROM TO FILE...
  local from=$1 to=$2 f
  shift 2
  for f in "$@"; do
    [ -f "$to/$f" ] || { echo "missing: $to/$f"; return 1; }
    cmp -s "$from/$f" "$to/$f" || { echo "differs from the package: $to/$f"; return 1; }
  done
}

# Whether a UTF-16 text file (as the program's .ini files are) holds TEXT.
Contains() {  # FILE TEXT
  iconv -f UTF-16 -t UTF-8 <"$1" 2>/dev/null | grep -F -- "$2" >/dev/null || { echo "$1 does not hold '$2'"; return 1; }
}

# TEXT with printf escapes, as UTF-16LE with a byte order mark.
Utf16() { printf '\xff\xfe'; printf '%b' "$1" | iconv -f UTF-8 -t UTF-16LE; }

# One value of `reg query` output: "    NAME    TYPE    VALUE".
RegValue() {  # QUERY_OUTPUT NAME TYPE EXPECTED
  local line
  line=$(grep -E "^ +$2 +$3 " <<<"$1" | head -1)
  [ -n "$line" ] || { echo "no $3 value $2"; return 1; }
  local value
  value=$(sed -E "s/^ +$2 +$3 +//" <<<"$line")
  [ "$value" = "$4" ] || { echo "$2 is '$value', expected '$4'"; return 1; }
}
