#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game: the benchmark programs of bench/, orbo-sim's pass rate and
# the real programs' processor time and memory under a virtual X server, three
# runs each, printed as one table of minimum / median / maximum.
#
# Usage: ./bench.sh [--before BIN_DIR] [--seconds N]
#   --before   a bin folder of another build (with orbo, Редактор, orbo-sim and
#              their pictures and levels) measured beside this one
#   --seconds  length of each processor-time measurement (10 by default)
# ORBO_BENCH_BUILD names the build folder (build/bench by default).
set -euo pipefail

root=$(cd "$(dirname "$0")" && pwd)
build=${ORBO_BENCH_BUILD:-$root/build/bench}
before=""
seconds=10
runs=3
while [ $# -gt 0 ]; do
  case $1 in
    --before) before=$(cd "$2" && pwd); shift ;;
    --seconds) seconds=$2; shift ;;
    *) echo "bench.sh: unknown option '$1'" >&2; exit 2 ;;
  esac
  shift
done

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBO_BENCHMARKS=ON > /dev/null
cmake --build "$build" -j2 --target orbo orbo_sim orbo_editor orbo_assets orbo_bench_presentation orbo_bench_rules \
  orbo_bench_pad > /dev/null
after="$build/bin"

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
results="$work/results.tsv"   # what, build, value, unit
: > "$results"
record() { printf '%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" >> "$results"; }

# --- the benchmark programs: three repetitions, each reported on its own, in processor time
for program in orbo_bench_presentation orbo_bench_rules; do
  "$after/$program" --benchmark_repetitions=$runs --benchmark_format=json --benchmark_out="$work/$program.json" \
    --benchmark_out_format=json > /dev/null
  python3 - "$work/$program.json" >> "$results" << 'PY'
import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type") != "iteration":
        continue
    name = b["run_name"]
    if "items_per_second" in b:
        print(f"bench {name}\tafter\t{b['items_per_second']:.0f}\tper s")
    else:
        # Processor time: the machine may be busy with other work.
        print(f"bench {name}\tafter\t{b['cpu_time']:.3f}\t{b['time_unit']}")
PY
done

# --- orbo-sim: passes a second over a long walk, traced at the end only and at every pass
python3 -c "print('new'); [print('200 Right\n200 Left') for _ in range(500)]" > "$work/walk.txt"
sim_rate() {  # bin trace [more orbo-sim options]
  local bin=$1 trace=$2 passes cpu
  shift 2
  passes=$("$bin/orbo-sim" --dir "$bin" --trace end < "$work/walk.txt" | python3 -c "import json,sys; print(sum(json.loads(l)['pass'] for l in sys.stdin))")
  # Processor time, not the wall clock: the machine may be busy with other work.
  cpu=$( { TIMEFORMAT='%U %S'; time "$bin/orbo-sim" --dir "$bin" --trace "$trace" "$@" < "$work/walk.txt" > /dev/null; } 2>&1 )
  python3 -c "u, s = map(float, '$cpu'.split()); print(round($passes / (u + s)))"
}

# --- the real programs under Xvfb
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Percent of one core the process used over the next $seconds seconds.
cpu_percent() {
  local pid=$1 first last
  first=$(cpu_ticks "$pid"); sleep "$seconds"; last=$(cpu_ticks "$pid")
  python3 -c "print(round(($last - $first) * 100 / $(getconf CLK_TCK) / $seconds, 1))"
}
peak_mb() { awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
# The play screen: xdotool's search by name does not see the title SDL gives it.
wait_play_screen() {
  for _ in $(seq 100); do
    xwininfo -root -children | grep -q '"Orbo": ' && return 0
    sleep 0.1
  done
  return 1
}
wait_window() {  # name
  for _ in $(seq 100); do
    xdotool search --name "$1" 2> /dev/null | head -n 1 && return 0
    sleep 0.1
  done
  return 1
}

measure_game() {  # bin label width height
  local bin=$1 label=$2 size="$3x$4" display=":$((90 + RANDOM % 100))" xvfb orbo menu
  Xvfb "$display" -screen 0 "${3}x${4}x24" -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!; pids+=("$xvfb")
  sleep 1
  export DISPLAY=$display
  # A dummy sound device: no "no sound card" message box stands in the way.
  (cd "$bin" && SDL_AUDIODRIVER=dummy exec ./orbo > /dev/null 2> "$work/orbo-$label-$size.log") &
  orbo=$!; pids+=("$orbo")
  menu=$(wait_window "DX Orbo")
  sleep 2
  record "menu idle $size, % of a core" "$label" "$(cpu_percent "$orbo")" "%"
  # "Новая игра", then the title and the sprites.
  xdotool mousemove --window "$menu" 275 83 click 1
  wait_play_screen
  sleep 3
  xdotool keydown Right
  record "playing $size, % of a core" "$label" "$(cpu_percent "$orbo")" "%"
  xdotool keyup Right
  xdotool key p
  sleep 1
  record "paused $size, % of a core" "$label" "$(cpu_percent "$orbo")" "%"
  record "orbo peak memory $size" "$label" "$(peak_mb "$orbo")" "MB"
  grep -h "play screen" "$work/orbo-$label-$size.log" > "$work/path-$label" || true
  kill "$orbo" "$xvfb"; wait "$orbo" "$xvfb" 2> /dev/null || true
}

measure_editor() {  # bin label
  local bin=$1 label=$2 display=":$((90 + RANDOM % 100))" xvfb editor
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!; pids+=("$xvfb")
  sleep 1
  export DISPLAY=$display
  (cd "$bin" && exec ./Редактор > /dev/null 2>&1) &
  editor=$!; pids+=("$editor")
  wait_window "." > /dev/null
  sleep 2
  record "editor idle, % of a core" "$label" "$(cpu_percent "$editor")" "%"
  kill "$editor" "$xvfb"; wait "$editor" "$xvfb" 2> /dev/null || true
}

# A pad plugged in (SDL's virtual one, inside the program: no hardware here) while
# the menu waits and while a session on the real window is paused.
measure_pad() {  # bin label
  local bin=$1 label=$2 display=":$((90 + RANDOM % 100))" xvfb
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!; pids+=("$xvfb")
  sleep 1
  DISPLAY=$display SDL_AUDIODRIVER=dummy "$bin/orbo_bench_pad" "$bin" "$seconds" 2> /dev/null |
    while IFS=$'\t' read -r what value; do record "$what" "$label" "$value" "%"; done
  kill "$xvfb"; wait "$xvfb" 2> /dev/null || true
}

# Every game is recorded: one level played with the hero held running, recorded
# and with --no-record, and the recording's size over that time.
measure_recording() {  # bin label
  local bin=$1 label=$2 display=":$((90 + RANDOM % 100))" xvfb orbo mode state started
  "$bin/orbo" --help | grep -q -- --no-record || return 0
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!; pids+=("$xvfb")
  sleep 1
  for mode in recorded --no-record; do
    state="$work/state-$label-$mode"
    rm -rf "$state"
    started=$(date +%s.%N)
    (cd "$bin" && DISPLAY=$display SDL_AUDIODRIVER=dummy XDG_STATE_HOME=$state \
      exec ./orbo --level Этажи/Orbo0.orb $([ $mode = recorded ] || echo --no-record) > /dev/null 2>&1) &
    orbo=$!; pids+=("$orbo")
    DISPLAY=$display wait_play_screen
    sleep 3
    DISPLAY=$display xdotool keydown Right
    record "playing a level, $mode, % of a core" "$label" "$(cpu_percent "$orbo")" "%"
    DISPLAY=$display xdotool keyup Right
    if [ $mode = recorded ]; then
      sleep 1  # the last second's block
      python3 -c "import os, sys, time; print(round(os.path.getsize(sys.argv[1]) * 60 / (time.time() - $started) / 1024, 1))" \
        "$(ls "$state"/orbo/recordings/*.orbrec)" > "$work/size"
      record "recording size, KB a minute of play" "$label" "$(cat "$work/size")" "KB"
    fi
    kill "$orbo"; wait "$orbo" 2> /dev/null || true
  done
  kill "$xvfb"; wait "$xvfb" 2> /dev/null || true
}

builds=("after:$after")
[ -n "$before" ] && builds=("before:$before" "${builds[@]}")
for entry in "${builds[@]}"; do
  label=${entry%%:*}; bin=${entry#*:}
  for _ in $(seq $runs); do
    record "orbo-sim --trace end, passes a second" "$label" "$(sim_rate "$bin" end)" "per s"
    record "orbo-sim --trace all, passes a second" "$label" "$(sim_rate "$bin" all)" "per s"
    # What recording a game costs a pass: a game plays 60 passes a second.
    "$bin/orbo-sim" --help | grep -q -- --record &&
      record "orbo-sim --trace end --record, passes a second" "$label" "$(sim_rate "$bin" end --record "$work/walk.orbrec")" "per s"
    measure_game "$bin" "$label" 1024 768
    measure_game "$bin" "$label" 1920 1080
    measure_editor "$bin" "$label"
    measure_recording "$bin" "$label"
    [ -x "$bin/orbo_bench_pad" ] && measure_pad "$bin" "$label"
  done
done

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), Xvfb"
[ -f "$work/path-after" ] && echo "Play screen: $(sed 's/^orbo: //' "$work/path-after")"
python3 - "$results" << 'PY'
import statistics, sys
from collections import OrderedDict
rows = OrderedDict()
for line in open(sys.argv[1]):
    what, label, value, unit = line.rstrip("\n").split("\t")
    rows.setdefault(what, {}).setdefault(label, []).append(float(value))
labels = [l for l in ("before", "after") if any(l in r for r in rows.values())]
def cell(values):
    if not values:
        return ""
    values = sorted(values)
    fmt = (lambda v: f"{v:.0f}") if max(values) >= 1000 else (lambda v: f"{v:.3g}")
    return " / ".join(fmt(v) for v in (values[0], statistics.median(values), values[-1]))
print("| what (min / median / max of 3) | " + " | ".join(labels) + " |")
print("|---|" + "---|" * len(labels))
for what, by_label in rows.items():
    print(f"| {what} | " + " | ".join(cell(by_label.get(l, [])) for l in labels) + " |")
PY
