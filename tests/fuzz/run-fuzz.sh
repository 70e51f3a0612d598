#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz preset, then for every fuzz target replays its seed inputs and
# every crash found so far, and fuzzes for a bounded time (15 s by default, or
# ORBO_FUZZ_SECONDS). A new crash is kept in crashes/TARGET/ and fails the run:
# commit it with the mend, so that it is replayed for ever after.
#
# Usage: tests/fuzz/run-fuzz.sh [TARGET...]   (default: all six)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${ORBO_FUZZ_SECONDS:-15}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(level_reader script_parser simulation tune_check picture_header recording_reader)

cd "$root"
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz
build="$root/build/fuzz/tests/fuzz"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Fuzzes one target; its verdict is the exit status.
fuzz_one() {
  local target=$1 failed=0
  program="$build/fuzz_$target"
  corpus="$here/corpus/$target"
  crashes="$here/crashes/$target"
  log="$work/$target.log"
  mkdir -p "$crashes" "$work/$target"

  # Every crash ever found, one by one: each must now pass.
  for crash in "$crashes"/*; do
    [ -f "$crash" ] && [ "$(basename "$crash")" != .gitkeep ] || continue
    if ! "$program" "$crash" > "$log" 2>&1; then
      echo "fuzz: $target: kept input $(basename "$crash") still fails" >&2
      tail -n 30 "$log" >&2
      failed=1
    fi
  done

  # New inputs go to a scratch folder; the committed seeds stay few and small.
  if "$program" "$work/$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len=16384 -artifact_prefix="$crashes/" -print_final_stats=1 > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    echo "fuzz: $target: ${runs:-?} runs in ${seconds} s (${rate:-?}/s), cov ${cov:-?}, no crash"
  else
    echo "fuzz: $target: found a crash, kept in $crashes" >&2
    grep -A 30 'ERROR\|==ABORTING\|deadly signal\|Timeout\|out-of-memory' "$log" | head -n 40 >&2 || tail -n 40 "$log" >&2
    failed=1
  fi
  return "$failed"
}

# As many targets at a time as there are cores; each prints its lines when done.
failed=0
running=()
for target in "${targets[@]}"; do
  fuzz_one "$target" > "$work/$target.out" 2>&1 &
  running+=("$!:$target")
  if [ ${#running[@]} -ge "$(nproc)" ]; then
    wait "${running[0]%%:*}" || failed=1
    cat "$work/${running[0]#*:}.out"
    running=("${running[@]:1}")
  fi
done
for job in "${running[@]}"; do
  wait "${job%%:*}" || failed=1
  cat "$work/${job#*:}.out"
done
exit "$failed"
