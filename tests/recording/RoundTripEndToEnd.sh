#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Games played on a real X display, driven by xdotool, then replayed headless
# by orbo-sim --replay, which must end each session on the line the live game
# ended it with: a walk and a dig on one level file (written with --record, as
# the state folder cannot be written: that is said once and play goes on); a
# game from the menu with a level skipped, a life lost, Esc and "Продолжить
# Игру"; and a game started from the editor's "Играть".
# Skipped (77) without a display, the X tools or the game's pictures.
# Usage: RoundTripEndToEnd.sh BIN_DIR
set -u
bin=$1
[[ -n "${DISPLAY:-}" ]] || exit 77
for tool in xdotool xwininfo python3; do command -v "$tool" >/dev/null || exit 77; done
[[ -x "$bin/orbo" && -x "$bin/Редактор" && -d "$bin/графика" ]] || exit 77

work=$(mktemp -d)
export SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "RoundTripEndToEnd.sh: $*" >&2
    cat "$work/log" >&2
    exit 1
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"
playScreen() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Orbo": .* \([0-9]*\)x[0-9]*+.*/\1 \2/p' | awk '$2 >= 1024 { print $1; exit }'; }
playScreenUp() { [[ -n "$(playScreen)" ]]; }
playScreenGone() { ! playScreenUp; }
ended() { ! kill -0 "$1" 2>/dev/null; }
hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep 0.3
}
# Play starts once the title has gone: the hero is held to the right until he runs.
waitForPlay() {
    waitFor 60 playScreenUp || fail "no play screen for $1"
    sleep 3
}
# The replay of a recording must end as the live game did; its last trace line is kept in $work/end.
replayEnds() {
    "$bin/orbo-sim" --replay "$1" --trace end >"$work/ends" 2>"$work/replay.log" ||
        fail "the replay of $2 did not end as the game did: $(cat "$work/replay.log")"
    grep -q "every session ended as recorded ($3)" "$work/replay.log" ||
        fail "the replay of $2 did not replay $3 sessions: $(cat "$work/replay.log")"
    echo "$2: $(cat "$work/replay.log")"
}
# A field of the end line of a session: endField SESSION EXPRESSION.
endField() { python3 -c "import json, sys; ends = [json.loads(l) for l in open(sys.argv[1])]; e = ends[$1 - 1]; print($2)" "$work/ends"; }

# 1. A walk and a dig on one level file: up the ladder onto the turf, right, a
# hole to the right. The state folder is a file.
level=$work/dig.orb
{
    printf '1010000000000000\r\n0100000000000000\r\n'
    for ((row = 2; row < 12; ++row)); do printf '0000000000000000\r\n'; done
    printf '2322222222222222\r\n0300000000000000\r\n0300000000005000\r\n'
} >"$level"
touch "$work/state-file"
XDG_STATE_HOME=$work/state-file "$bin/orbo" --window --level "$level" --record "$work/dig.orbrec" \
    >"$work/log" 2>&1 &
pids+=($!)
waitForPlay "the level file"
hold Up 1.8
hold Right 0.35
hold w 0.3
holdEscUntil ended "${pids[-1]}" || fail "Esc did not end the level file's game"
[[ $(grep -c 'cannot record into' "$work/log") -eq 1 ]] || fail "the unwritable state folder was not named once"
replayEnds "$work/dig.orbrec" "a walk and a dig" 1
[[ $(endField 1 "1 in e['effects'] and e['units'][0]['x'] > 64 and e['units'][0]['row'] == 11") == True ]] ||
    fail "the hero did not walk and dig: $(cat "$work/ends")"

# 2. From the menu: = skips a level, r costs a life, Esc, "Продолжить Игру", Esc, "Выход".
export XDG_STATE_HOME=$work/state
"$bin/orbo" --window >"$work/log" 2>&1 &
pids+=($!)
menuUp() { [[ -n "$(windowNamed 'DX Orbo')" ]]; }
waitFor 60 menuUp || fail "the menu did not open"
eval "$(xdotool getwindowgeometry --shell "$(windowNamed 'DX Orbo')")"
xdotool mousemove $((X + 275)) $((Y + 83)) click 1 # "Новая игра"
waitForPlay "a new game"
hold equal 0.2
sleep 2
hold r 0.2
sleep 2
holdEscUntil playScreenGone || fail "Esc did not leave the game"
sleep 1
xdotool mousemove $((X + 275)) $((Y + 129)) click 1 # "Продолжить Игру"
waitForPlay "the game continued"
hold Right 0.5
holdEscUntil playScreenGone || fail "Esc did not leave the continued game"
sleep 1
xdotool mousemove $((X + 275)) $((Y + 303)) click 1 # "Выход"
waitFor 30 ended "${pids[-1]}" || fail "\"Выход\" did not end the program"
recorded=("$XDG_STATE_HOME"/orbo/recordings/*_Orbo0.orbrec)
[[ -f "${recorded[0]}" ]] || fail "the menu's game was not recorded in the state folder"
replayEnds "${recorded[0]}" "the menu's game" 2
[[ $(endField 1 "e['level'] == 1 and e['lives'] < 10 and e['quit']") == True ]] ||
    fail "the first session did not skip a level and lose a life: $(head -n 1 "$work/ends")"
[[ $(endField 2 "e['level'] == 1 and e['session'] == 2") == True ]] ||
    fail "the second session did not continue the game: $(tail -n 1 "$work/ends")"

# 3. The editor's "Играть" (F5) on its new grid.
rm -f "$XDG_STATE_HOME"/orbo/recordings/*
"$bin/Редактор" >"$work/log" 2>&1 &
pids+=($!)
editorUp() { [[ -n "$(windowNamed 'Редактор карт для ОРБО')" ]]; }
waitFor 60 editorUp || fail "the editor did not open"
xdotool windowfocus --sync "$(windowNamed 'Редактор карт для ОРБО')" key F5
waitForPlay "the editor's level"
hold Right 0.5
holdEscUntil playScreenGone || fail "Esc did not end the editor's game"
recorded=()
waitFor 10 eval 'recorded=("$XDG_STATE_HOME"/orbo/recordings/*_unsaved-level.orbrec); [[ -f "${recorded[0]}" ]]' ||
    fail "the editor's game was not recorded"
sleep 1
replayEnds "${recorded[0]}" "the editor's game" 1
