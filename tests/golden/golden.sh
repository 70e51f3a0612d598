#!/usr/bin/env bash
# Plays every case of the golden corpus through orbo-sim and compares its
# trace (and its last frame, where the case asks for one) with the recorded
# digests. Any difference fails: a change to a trace or a frame must be a
# deliberate one, recorded by running this again with --update.
#
# Usage: golden.sh ORBO_SIM BIN_DIR [--update] [--keep DIR]
#   BIN_DIR   the built program folder, for its pictures and sounds
#   --update  record the present results as the new digests
#   --keep    leave every trace and frame in DIR, to compare by eye
#
# A case is a script in cases/ whose first lines may say:
#   #! levels NAME   the level folder: levels/NAME, "none" (no folder) or "empty"
#   #! args ...      orbo-sim options besides --dir and --trace all
#   #! shot          also compose the frames and keep the last one
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sim=$1
bin=$2
shift 2
update=false
keep=""
while [ $# -gt 0 ]; do
  case $1 in
    --update) update=true ;;
    --keep) keep=$2; shift ;;
    *) echo "golden.sh: unknown option '$1'" >&2; exit 2 ;;
  esac
  shift
done

digests="$here/digests.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
results="$work/results.txt"
: > "$results"

header() { sed -n "s/^#! $2 *//p" "$1" | head -n 1; }

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

  status=0
  "$sim" --dir "$dir" --trace all "${args[@]}" "${shot[@]}" < "$case_file" > "$dir/raw.jsonl" || status=$?
  # Messages name files by their full path: the temporary folder must not count.
  sed "s#$work#WORK#g" "$dir/raw.jsonl" > "$dir/trace.jsonl"
  if [ "$status" -ne 0 ]; then
    echo "golden: $name: orbo-sim exited with status $status" >&2
    exit 1
  fi
  echo "$name trace $(sha256sum < "$dir/trace.jsonl" | cut -d' ' -f1)" >> "$results"
  [ ${#shot[@]} -eq 0 ] || echo "$name shot $(sha256sum < "$dir/shot.bmp" | cut -d' ' -f1)" >> "$results"

  if [ -n "$keep" ]; then
    mkdir -p "$keep"
    cp "$dir/trace.jsonl" "$keep/$name.jsonl"
    [ ${#shot[@]} -eq 0 ] || cp "$dir/shot.bmp" "$keep/$name.bmp"
  fi
done

if $update; then
  cp "$results" "$digests"
  echo "golden: recorded $(wc -l < "$digests") digests"
  exit 0
fi

if ! diff -u "$digests" "$results"; then
  echo "golden: the traces or frames above differ from the recorded corpus" >&2
  exit 1
fi
echo "golden: $(wc -l < "$results") traces and frames as recorded"
