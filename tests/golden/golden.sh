#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays every case of the golden corpus through orbo-sim and compares its
# trace (and its last frame, where the case asks for one) with the recorded
# one in expected/ (xz-compressed). Any difference fails and is named: the
# first differing line, pass and field of a trace, or the first differing
# pixel of a frame. A change to a trace or a frame must be a deliberate one,
# recorded by running this again with --update.
#
# Usage: golden.sh ORBO_SIM BIN_DIR [--update] [--keep DIR] [--recorded]
#   BIN_DIR     the built program folder, for its pictures and sounds
#   --update    record the present results as the new expected ones
#   --keep      leave every trace and frame in DIR, to compare by eye
#   --recorded  record every game as it is played (which must change nothing),
#               and replay each recording, which must end as the game did
#
# A case is a script in cases/ whose first lines may say:
#   #! levels NAME   the level folder: levels/NAME, "none" (no folder) or "empty"
#   #! args ...      orbo-sim options besides --dir and --trace all
#   #! shot          also compose the frames and keep the last one
set -euo pipefail
shopt -s nullglob

here=$(cd "$(dirname "$0")" && pwd)
sim=$1
bin=$2
shift 2
update=false
keep=""
recorded=false
while [ $# -gt 0 ]; do
  case $1 in
    --update) update=true ;;
    --keep) keep=$2; shift ;;
    --recorded) recorded=true ;;
    *) echo "golden.sh: unknown option '$1'" >&2; exit 2 ;;
  esac
  shift
done

expected="$here/expected"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
checked=0
differing=0

header() { sed -n "s/^#! $2 *//p" "$1" | head -n 1; }

# compare CASE KIND RESULT: checks one result against its recorded one, or
# records it with --update (rewriting only what changed, so unchanged
# results keep their bytes in git).
compare() {
  local recorded="$expected/$1.$2.xz" previous="$work/$1.previous.$2"
  checked=$((checked + 1))
  if [ -f "$recorded" ]; then
    xz -dc "$recorded" > "$previous"
    cmp -s "$previous" "$3" && return 0
  fi
  if $update; then
    mkdir -p "$expected"
    xz -9e -T1 -c "$3" > "$recorded"
    echo "golden: $1: recorded its $2"
  elif [ -f "$recorded" ]; then
    echo "golden: $1: $2 differs: $(python3 "$here/first_difference.py" "$previous" "$3")" >&2
    differing=$((differing + 1))
  else
    echo "golden: $1: no recorded $2 (record it with --update)" >&2
    differing=$((differing + 1))
  fi
}

for case_file in "$here"/cases/*.txt; do
  name=$(basename "$case_file" .txt)
  dir="$work/$name"
  mkdir -p "$dir"
  cp -r "$bin/графика" "$bin/звуки" "$dir/"
  levels=$(header "$case_file" levels)
  case ${levels:-classic} in
    none) ;;
    empty) mkdir "$dir/Этажи" ;;
    *) cp -r "$here/levels/${levels:-classic}" "$dir/Этажи" ;;
  esac

  read -r -a args <<< "$(header "$case_file" args)"
  shot=()
  grep -q '^#! shot' "$case_file" && shot=(--shot "$dir/shot.bmp")
  record=()
  $recorded && record=(--record "$work/$name.orbrec")

  status=0
  "$sim" --dir "$dir" --trace all "${args[@]}" "${shot[@]}" "${record[@]}" < "$case_file" > "$dir/raw.jsonl" || status=$?
  # Messages name files by their full path: the temporary folder must not count.
  sed "s#$work#WORK#g" "$dir/raw.jsonl" > "$dir/trace.jsonl"
  if [ "$status" -ne 0 ]; then
    echo "golden: $name: orbo-sim exited with status $status" >&2
    exit 1
  fi
  compare "$name" trace.jsonl "$dir/trace.jsonl"
  [ ${#shot[@]} -eq 0 ] || compare "$name" frame.bmp "$dir/shot.bmp"
  if $recorded && ! "$sim" --replay "$work/$name.orbrec" --dir "$dir" --trace end > /dev/null 2> "$work/replay.log"; then
    echo "golden: $name: the replay of its recording: $(cat "$work/replay.log")" >&2
    differing=$((differing + 1))
  fi

  if [ -n "$keep" ]; then
    mkdir -p "$keep"
    cp "$dir/trace.jsonl" "$keep/$name.jsonl"
    [ ${#shot[@]} -eq 0 ] || cp "$dir/shot.bmp" "$keep/$name.bmp"
  fi
  rm -rf "$dir"
done

for stale in "$expected"/*.xz; do
  name=$(basename "$stale" .xz)
  [ -f "$here/cases/${name%%.*}.txt" ] && continue
  if $update; then
    rm "$stale"
  else
    echo "golden: ${name%%.*}: recorded, but there is no such case" >&2
    differing=$((differing + 1))
  fi
done

if $update; then
  echo "golden: $checked traces and frames recorded"
  exit 0
fi
if [ "$differing" -gt 0 ]; then
  echo "golden: $differing of $checked traces and frames differ from the recorded corpus" >&2
  exit 1
fi
echo "golden: $checked traces and frames as recorded"
