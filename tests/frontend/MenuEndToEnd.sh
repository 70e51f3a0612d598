#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game program on a real X display: the menu opens, "Новая игра" runs a
# session that Esc ends, a click made on the menu during play is dropped rather
# than acted on afterwards, and "Выход" ends the program. Skipped (77) without a
# display, the X tools or the game's pictures beside the program.
set -u
bin=$1
[[ -n "${DISPLAY:-}" ]] && command -v xdotool >/dev/null && command -v xwininfo >/dev/null || exit 77
[[ -x "$bin/orbo" && -d "$bin/графика" ]] || exit 77

log=$(mktemp)
# Silent but working sound: a machine without a sound card would put the "no
# sound" message box before every play screen.
SDL_AUDIODRIVER=dummy "$bin/orbo" >"$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -f "$log"' EXIT
fail() {
    echo "MenuEndToEnd.sh: $*" >&2
    cat "$log" >&2
    exit 1
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"
menuWindow() { xdotool search --name '^DX Orbo$' 2>/dev/null | head -1; }
menuUp() { [[ -n "$(menuWindow)" ]]; }
playScreenUp() { xwininfo -root -children | grep -q '"Orbo"'; }
playScreenGone() { ! playScreenUp; }
programEnded() { ! kill -0 "$pid" 2>/dev/null; }

waitFor 60 menuUp || fail "the menu did not open"
menu=$(menuWindow)
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 275)) $((Y + 83)) click 1 # "Новая игра"
waitFor 60 playScreenUp || fail "\"Новая игра\" brought up no play screen"

# Straight to the menu's window, past the play screen that covers it.
xdotool click --window "$menu" 1
holdEscUntil playScreenGone || fail "Esc did not end the session"
sleep 3
playScreenUp && fail "a click made during play started another session once play was over"

xdotool mousemove $((X + 275)) $((Y + 303)) click 1 # "Выход"
waitFor 60 programEnded || fail "\"Выход\" did not end the program"
wait "$pid"
status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
