#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orbo-sim as a user runs it: bad input ends it with status 2 and a message
# naming the fault, its control characters escaped; --shot writes the last
# frame shown as a picture, and fails, writing nothing, when none was shown.
# Usage: SimCommandLine.sh ORBO_SIM BIN_DIR
set -u
sim=$1
bin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS TEXT SCRIPT ARGS...: plays SCRIPT (printf %b escapes) and checks
# the exit status and that standard error holds TEXT.
expect() {
  local status=$1 text=$2 script=$3
  shift 3
  said=$(printf '%b' "$script" | "$sim" "$@" 2>&1 >/dev/null)
  local got=$?
  if [ "$got" -ne "$status" ] || [[ "$said" != *"$text"* ]]; then
    echo "SimCommandLine: orbo-sim $* on '$script': status $got (expected $status), said: $said" >&2
    failures=$((failures + 1))
  fi
}

mkdir -p "$work/levels/Этажи" "$work/nothing"
printf '0000000000000000\r\n' > "$work/levels/Этажи/Orbo0.orb"
expect 2 "--dir DIR is required" '1'
expect 2 "--speed" '1' --dir "$work/levels" --speed 0
expect 2 "--shot needs a file name, not an empty path" '1' --dir "$work/levels" --shot ''
expect 2 "line 2: unknown key 'Fire'" 'new\n2 Fire' --dir "$work/levels"
expect 2 "line 3: speed must be 1 to 7, not '9'" '\n\noptions speed=9' --dir "$work/levels"
expect 2 "unknown key 'Ключ'" '2 Ключ' --dir "$work/levels"
expect 2 "unknown key '\\x1b[2J\\x07\\xc2\\x9b1m'" '2 \x1b[2J\x07\xc2\x9b1m Ключ' --dir "$work/levels"
if [[ "$said" == *[$'\x1b\x07']* || "$said" == *$'\xc2\x9b'* ]]; then
  echo "SimCommandLine: a raw control byte reached the terminal" >&2
  failures=$((failures + 1))
fi
expect 0 "" '3 Right' --dir "$work/levels"

expect 0 "" 'new\n3' --dir "$bin" --shot "$work/frame.bmp"
size=$(od -An -tu4 -j18 -N8 "$work/frame.bmp" 2>/dev/null | xargs)
if [ "$(head -c 2 "$work/frame.bmp" 2>/dev/null)" != BM ] || [ "$size" != "1024 768" ]; then
  echo "SimCommandLine: --shot wrote no 1024 x 768 picture (size '$size')" >&2
  failures=$((failures + 1))
fi
# No level folder, then levels without pictures: no frame was shown either way.
expect 1 "" '1' --dir "$work/nothing" --shot "$work/none.bmp"
expect 1 "" '1' --dir "$work/levels" --shot "$work/blank.bmp"
if [ -e "$work/none.bmp" ] || [ -e "$work/blank.bmp" ]; then
  echo "SimCommandLine: a picture was written though no frame was shown" >&2
  failures=$((failures + 1))
fi
exit $((failures > 0))
