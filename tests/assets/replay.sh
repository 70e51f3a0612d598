#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a level's recorded winning script through orbo-sim from the program
# folder and checks that the level was cleared with the recorded score and lives.
#
# Usage: replay.sh ORBO_SIM BIN_DIR REPLAY
#   REPLAY starts with "# orbo-sim ARGS" (the options it was recorded with) and
#   "# expect level=N score=S lives=L" (how the game stood after its last pass).
set -euo pipefail
sim=$1
bin=$2
replay=$3

[ -f "$replay" ] || { echo "replay: no recorded script $replay" >&2; exit 1; }
args=$(sed -n '1s/^# orbo-sim //p' "$replay")
expect=$(sed -n 's/^# expect //p' "$replay" | head -n 1)
if [ -z "$args" ] || [ -z "$expect" ]; then
  echo "replay: $replay lacks its '# orbo-sim' or '# expect' line" >&2
  exit 1
fi
read -r -a argv <<< "$args"
from=$(sed -n 's/.*--level \([0-9]*\).*/\1/p' <<< "$args")

last=$("$sim" --dir "$bin" "${argv[@]}" --trace end < "$replay" | tail -n 1)
field() { grep -o "\"$1\":[0-9.]*" <<< "$last" | head -n 1 | cut -d: -f2; }
level=$(field level)
lives=$(field lives)
got="level=$level score=$(field score) lives=$lives"

if [ "$got" != "$expect" ]; then
  echo "replay: $replay ended with $got, recorded $expect" >&2
  echo "$last" >&2
  exit 1
fi
if [ "$level" = "${from:-0}" ] || [ "${lives%%.*}" -le 0 ]; then
  echo "replay: $replay does not clear level ${from:-0} with lives left ($got)" >&2
  exit 1
fi
echo "replay: $(basename "$replay") cleared, $got"
