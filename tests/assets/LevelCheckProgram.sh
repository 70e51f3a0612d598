#!/usr/bin/env bash
# levelcheck as a designer runs it: its exit status and what it says of each
# file. Faulty levels and what is no level file at all (a folder, a pipe, an
# unreadable or huge file) exit 1 and are named, while every other file is
# still checked; usage errors exit 2 with the usage text.
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
