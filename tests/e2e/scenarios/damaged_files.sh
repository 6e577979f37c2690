#!/usr/bin/env bash
# Damaged files in the program folder, one per row: the text files and the macro file cut
# short, filled with random bytes or holding 1 MB lines; the profile file of a wrong size;
# a main image that is no PNG. Each row starts the program on a fresh copy of a folder that
# was saved once (so no first-run captions are due) and prints what the user sees: the
# boxes, in order, and whether the main page shows. In every row the program keeps
# running, answers a message, and leaves every file of its folder as it was.
. "$(dirname "$0")/../lib.sh"
StartSession || exit 1

base="$run/base"
mv "$program" "$base"
printf '[Fire]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=2\r\nItem0=A Down\r\nItem1=A Up\r\n' |
  iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$base/record.ini"
"$E2E_CLI" --folder "$base" --virtual-mouse "$mouse" save >/dev/null || echo "  (the base folder was not saved)"

Truncated() { head -c $(($(stat -c %s "$1") / 2)) "$1" >"$1.cut" && mv "$1.cut" "$1"; }
RandomBytes() {  # the same bytes every run
  LC_ALL=C awk 'BEGIN { srand(14); for (i = 0; i < 4096; i++) printf "%c", int(rand() * 255) + 1 }' >"$1"
}
# The first key of every section grows by 1 MB of "x"; the text stays UTF-16LE.
LongLines() {
  iconv -f UTF-16 -t UTF-8 "$1" |
    awk 'BEGIN { long = "x"; while (length(long) < 1048576) long = long long }
         /^\[/ { print; grow = 1; next }
         grow && /=/ { sub(/\r$/, ""); print $0 long "\r"; grow = 0; next }
         { print }' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$1.long" && mv "$1.long" "$1"
}
Bytes() { head -c "$2" /dev/zero | tr '\0' '\125' >"$1"; }  # FILE COUNT
Empty() { : >"$1"; }
Sized100() { Bytes "$1" 100; }
Sized2856() { Bytes "$1" 2856; }
NotPng() { printf 'This is no picture.\n' >"$1"; }

FolderSums() { (cd "$program" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
BoxText() { Helper text '#32770' 65535 | head -1 | tr -d '\r'; }

# What the user sees within SECONDS: each box's first line (answered with OK), then
# "main page" once it shows; "ended N" when the program ends by itself.
Outcome() {  # SECONDS
  local deadline=$(($(Ticks) + $1 * 100)) seen="" box text
  while [ "$(Ticks)" -le "$deadline" ]; do
    box=$(xdotool search --onlyvisible --name '^Zalvane$' 2>/dev/null | head -1)
    if [ -n "$box" ]; then
      text=$(BoxText)
      seen+="box \"${text:-?}\", "
      # OK without a key: a Return sent by xdotool can stay down for Wine and answer the
      # next row's first box by itself.
      Helper command Zalvane 1
      WaitFor 5 test -z "$(xdotool search --onlyvisible --name '^Zalvane$' 2>/dev/null)"
      continue
    fi
    if MainSizeIs 1000 644; then
      echo "${seen}main page"
      return
    fi
    if ProgramEnded; then
      WaitProgramEnd 1
      echo "${seen}ended $programStatus"
      return
    fi
    sleep 0.2
  done
  echo "${seen}no window"
}

Row() {  # FILE DAMAGE EXPECTED
  local file=$1 damage=$2 expected=$3 before outcome answer told unchanged=yes
  rm -rf "$program"
  cp -r "$base" "$program"
  rm -f "$trace"
  "$damage" "$program/$file"
  before=$(FolderSums)
  StartProgram
  outcome=$(Outcome 20)
  [ "$outcome" = "$expected" ] || DescribeProgram
  answer=$(Helper answers "$kMainClass" 1000) || answer="no answer"
  ProgramRuns || outcome+=" (then ended)"
  [ -n "$programPid" ] && StopProgram
  [ "$before" = "$(FolderSums)" ] || unchanged=no
  told=$(grep '^message' "$trace" 2>/dev/null | cut -f2 | paste -sd, -)
  echo "  row   $file $damage: $outcome; told: ${told:-nothing}; answered in ${answer} ms; files unchanged: $unchanged"
  Check "$file $damage: $expected" test "$outcome" = "$expected"
  Check "$file $damage: answers within a second" test "$answer" != "no answer"
  Check "$file $damage: nothing written" test "$unchanged" = yes
}

defaultSkin='box "The skin in", main page'
missingMain='box "The skin image could not be loaded:", no window'
# Without its profile list str.ini names no text file, so no skin either.
Row str.ini Truncated "$defaultSkin"
Row str.ini RandomBytes "$defaultSkin"
Row str.ini LongLines "main page"  # a name of 1 MB matches no entry: profile 0 stays
Row str0.ini Truncated "main page"
Row str0.ini RandomBytes "$defaultSkin"
Row str0.ini LongLines "$defaultSkin"  # "Path" is read as its first 1023 characters
Row record.ini Truncated "main page"
Row record.ini RandomBytes "main page"
Row record.ini LongLines "main page"
Row config0.bin Empty "main page"
Row config0.bin Sized100 "main page"
Row config0.bin Sized2856 "main page"
Row Skins/Default/main.png NotPng "$missingMain"

EndSession
