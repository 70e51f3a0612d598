#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# levelcheck as a designer runs it: its exit status and what it says of each
# file. Each layout fault is named where it is, and every kettle the game's own
# moves cannot reach; faulty levels and what is no level file at all (a folder,
# a pipe, an unreadable or huge file) exit 1 and are named, while every other
# file is still checked; usage errors exit 2 with the usage text.
# Usage: LevelCheckProgram.sh LEVELCHECK
set -u
levelcheck=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# level FILE [ROW=DIGITS...]: a level with a kettle on the ground beside the
# hero and a ladder up to the cops' ledge, the rows given replaced.
level() {
  local file=$1 row
  shift
  local -a rows=(0000000000000000 1111111111111110)
  for ((row = 2; row < 14; ++row)); do rows[row]=0003000000000000; done
  rows[14]=0503000000000000
  for replacement in "$@"; do rows[${replacement%%=*}]=${replacement#*=}; done
  printf '%s\r\n' "${rows[@]}" > "$file"
}

# expect STATUS TEXT ARGUMENTS...: runs levelcheck in the work folder; a run
# that hangs is stopped, and its status then tells so.
expect() {
  local status=$1 text=$2
  shift 2
  said=$(cd "$work" && timeout -k 5 60 "$levelcheck" "$@" 2>&1)
  local got=$?
  if [ "$got" -ne "$status" ] || [[ "$said" != *"$text"* ]]; then
    echo "LevelCheckProgram: levelcheck $* exited $got (expected $status), said: $said" >&2
    failures=$((failures + 1))
  fi
}

good=$work/Orbo0.orb
level "$good"
level "$work/Orbo1.orb" 2=0003070000000000
level "$work/Orbo2.orb" 7=0003000111000000 8=0003000151000000 9=0003000111000000
# faulty NAME TEXT [ROW=DIGITS...]: a level with those rows is reported with TEXT.
faulty() {
  local name=$1 text=$2
  shift 2
  level "$work/$name.orb" "$@"
  expect 1 "$work/$name.orb$text" "$work/$name.orb"
}
faulty hero-in-bricks ":15:2: the hero's start cell (column 1, row 14) is bricks" 14=0103000000000050
faulty cops-in-turf ":1:2: the cops' start cell (column 1, row 0) is turf" 0=0200000000050000
faulty no-kettle ": no kettle" 14=0003000000000000
faulty cop-rush ":15:2: the cops can reach the hero's start cell" 1=1113111111111111
faulty long-line ":7: 17 characters, expected 16" 6=00030000000000000
level "$work/lines.orb"
tr -d '\r' < "$work/lines.orb" > "$work/lf.orb"
head -c -2 "$work/lines.orb" > "$work/unended.orb"
head -c $((14 * 18)) "$work/lines.orb" > "$work/fourteen.orb"
{ cat "$work/lines.orb"; printf '0000000000000000\r\n'; } > "$work/sixteen.orb"
expect 1 "$work/lf.orb:1:17: line feed without carriage return" "$work/lf.orb"
expect 1 "$work/unended.orb:15:17: no carriage return and line feed" "$work/unended.orb"
expect 1 "$work/fourteen.orb: 14 lines, expected 15" "$work/fourteen.orb"
expect 1 "$work/sixteen.orb:16: text after line 15" "$work/sixteen.orb"
# Each way to a kettle, on a level that opens it and on the same level with it
# closed: the hero shoots the turf beside his feet and falls through it under a
# brick roof; he drops from a bar to a kettle in the air; he climbs a ladder only
# from its foot. reach NAME WHERE OPEN CLOSED ROW=DIGITS...
roof=(7=0003111112100000 8=0003100005100000 9=0003111111100000)
reach() {
  local name=$1 where=$2 open=$3 closed=$4
  shift 4
  level "$work/$name-open.orb" "$@" $open
  expect 0 "sound" "$work/$name-open.orb"
  faulty "$name-closed" "$where is out of the hero's reach" "$@" $closed
}
reach dig ":9:10: kettle at column 9, row 8" 6=0003222222200000 6=0003111111100000 "${roof[@]}"
reach bar ":8:9: kettle at column 8, row 7" 4=0003444444440000 0=0000000000000000 7=0003000050000000
reach ladder ":6:9: kettle at column 8, row 5" 14=0503000000000000 14=0000000000000000 5=0003000050000000 6=0003111111111111
# Any bytes at all: forty faults and a count of the rest.
python3 -c 'import sys; sys.stdout.buffer.write(bytes(i * 7919 % 256 for i in range(5000)))' > "$work/noise.orb"
expect 1 "further faults not shown" "$work/noise.orb"
if [ "$(grep -c "^$work/noise.orb:[0-9]*:[0-9]*:" <<< "$said")" -ne 40 ]; then
  echo "LevelCheckProgram: noise does not give a report of forty faults: $said" >&2
  failures=$((failures + 1))
fi

mkdir "$work/Orbo3.orb"
mkfifo "$work/Orbo4.orb"
head -c 65537 /dev/zero | tr '\0' 0 > "$work/Orbo5.orb"
cp "$good" "$work/-dash.orb"

expect 0 "$good: sound, 1 kettle" "$good"
expect 1 "$work/Orbo1.orb:3:6: '7' is not a tile code" "$work/Orbo1.orb" "$good"
expect 1 "$work/Orbo2.orb:9:9: kettle at column 8, row 8 is out of the hero's reach" "$work/Orbo2.orb" "$good"
expect 1 "$work/Orbo9.orb: cannot be read: No such file or directory" "$work/Orbo9.orb" "$good"
for name in Orbo3 Orbo4; do
  expect 1 "$work/$name.orb: not a regular file" "$good" "$work/$name.orb" "$good"
done
expect 1 "/proc/self/mem: cannot be read: Input/output error" "$good" /proc/self/mem "$good"
expect 1 "$work/Orbo5.orb: larger than" "$good" "$work/Orbo5.orb" "$good"
if [ "$(grep -c "$good: sound, 1 kettle" <<< "$said")" -ne 2 ]; then
  echo "LevelCheckProgram: the files before and after a bad one are not both checked: $said" >&2
  failures=$((failures + 1))
fi
expect 2 "usage: levelcheck"
expect 2 "usage: levelcheck" --map
expect 2 "usage: levelcheck" --bogus "$good"
expect 2 "usage: levelcheck" "$good" -x
# After --, a name that starts with a dash is a file.
expect 0 "sound" -- -dash.orb
exit $((failures > 0))
