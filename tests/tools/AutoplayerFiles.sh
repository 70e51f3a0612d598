#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orbo-autoplayer never reports a success it did not have: a replay or table it
# cannot write is named with the system's reason and exit status 1, a missing
# folder is made, a level that is not there is named (exit 2, and orbo-sim plays
# no pass of it), and the table comes out the same on every run.
#
# Usage: AutoplayerFiles.sh ORBO_AUTOPLAYER ORBO_SIM
set -euo pipefail
player=$1
sim=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -p "$work/bin/Этажи"
# The cops walled in at the top, a kettle beside the hero's start.
{
  printf '1010000000000000\r\n0100000000000000\r\n'
  for _ in $(seq 12); do printf '0000000000000000\r\n'; done
  printf '0050000000000000\r\n'
} > "$work/bin/Этажи/Orbo0.orb"
echo "0 a kettle beside the start" > "$work/ideas.txt"

failures=0
# expect STATUS MESSAGE COMMAND...: the exit status and the last line of stderr (if MESSAGE is given).
expect() {
  local status=$1 message=$2 got=0 err
  shift 2
  err=$("$@" 2>&1 >/dev/null) || got=$?
  if [ "$got" != "$status" ] || { [ -n "$message" ] && [ "$(tail -n 1 <<< "$err")" != "$message" ]; }; then
    echo "FAIL: $* exited $got, said: ${err##*$'\n'}" >&2
    echo "      expected $status, $message" >&2
    failures=$((failures + 1))
  fi
}
play() { "$player" --dir "$work/bin" --seeds 1 "$@"; }
# Writes fail as on a full disk: no file may grow past 0 bytes.
full() { (ulimit -f 0 && play "$@"); }
# Permissions do not stop root, so the read-only folder is tried as nobody.
asNobody() {
  if [ "$(id -u)" = 0 ]; then setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"; else "$@"; fi
}

expect 0 "" play --record "$work/made/for/it"
for replay in Orbo0.txt Orbo0.smart.txt; do
  [ -s "$work/made/for/it/$replay" ] || { echo "FAIL: no $replay in the folder made" >&2; failures=$((failures + 1)); }
done

touch "$work/file"
expect 1 "orbo-autoplayer: cannot write $work/file: Not a directory" play --record "$work/file"
mkdir -m 555 "$work/read-only"
expect 1 "orbo-autoplayer: cannot write $work/read-only: Permission denied" asNobody "$player" --dir "$work/bin" \
  --record "$work/read-only"
mkdir "$work/full"
expect 1 "orbo-autoplayer: cannot write $work/full/Orbo0.txt: File too large" full --record "$work/full"
expect 1 "orbo-autoplayer: cannot write $work/full/levels.md: File too large" full --table "$work/full/levels.md" \
  --ideas "$work/ideas.txt"
left=$(find "$work/full" "$work/read-only" -mindepth 1)
if [ -n "$left" ]; then
  echo "FAIL: failed writes left files behind: $left" >&2
  failures=$((failures + 1))
fi

expect 2 "orbo-autoplayer: there is no level 999: $work/bin/Этажи/Orbo999.orb does not exist" play --level 999
if ! printf 'new\n100 Left\n' | "$sim" --dir "$work/bin" --level 999 |
  grep -q '^{"session":1,"pass":0,.*"messages":\["Фаил не найден .*/Orbo999.orb"\]}$'; then
  echo "FAIL: orbo-sim --level 999 did not stop at once with the missing file's message" >&2
  failures=$((failures + 1))
fi

for run in 1 2; do
  play --table "$work/levels.md" --ideas "$work/ideas.txt" > /dev/null 2>&1
  mv "$work/levels.md" "$work/levels$run.md"
done
grep -q '^| 0 | a kettle beside the start | ' "$work/levels1.md" || { echo "FAIL: no row for level 0" >&2; failures=$((failures + 1)); }
cmp "$work/levels1.md" "$work/levels2.md" || failures=$((failures + 1))

[ "$failures" = 0 ] && echo "orbo-autoplayer: failed writes, missing levels and the table as expected"
exit $((failures > 0))
