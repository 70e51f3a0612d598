#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game program on one level file, on a real X display: --help names the
# option, a level file that is not there is named in a message box and ends the
# program with status 1, a machine without sound says so in a message box
# before the play screen opens, and Esc ends the session and the program.
# Skipped (77) without a display, the X tools or the game's pictures beside the
# program.
set -u
bin=$1
[[ -n "${DISPLAY:-}" ]] && command -v xdotool >/dev/null && command -v xwininfo >/dev/null || exit 77
[[ -x "$bin/orbo" && -d "$bin/графика" ]] || exit 77

work=$(mktemp -d)
pid=
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "LevelEndToEnd.sh: $*" >&2
    [[ -f "$work/log" ]] && cat "$work/log" >&2
    exit 1
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"

"$bin/orbo" --help >"$work/help" 2>&1 || fail "--help ended with status $?"
grep -q -- '--level' "$work/help" || fail "--help does not name --level: $(cat "$work/help")"

level="$work/мой этаж.orb"
{
    printf '1010000000000000\r\n0100000000000000\r\n'
    for ((row = 2; row < 14; ++row)); do printf '0000000000000000\r\n'; done
    printf '0000000050000000\r\n'
} >"$level"

# The program's windows titled exactly "Orbo", as "ID WIDTH" lines: the message
# boxes are small, the play screen covers the screen.
orboWindows() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Orbo": .* \([0-9]*\)x[0-9]*+.*/\1 \2/p'; }
boxUp() { orboWindows | awk '$2 < 1024 { found = 1 } END { exit !found }'; }
screenUp() { orboWindows | awk '$2 >= 1024 { found = 1 } END { exit !found }'; }
programEnded() { ! kill -0 "$pid" 2>/dev/null; }
# Return answers the box once it has the keyboard, and the condition follows.
answerBoxUntil() {
    local box
    box=$(orboWindows | awk '{ print $1; exit }')
    for ((attempt = 0; attempt < 20; ++attempt)); do
        xdotool windowfocus --sync "$box" key Return 2>/dev/null
        waitFor 2 "$@" && return 0
    done
    return 1
}
# The status of the program once it has ended.
endStatus() {
    wait "$pid"
    status=$?
    pid=
}

"$bin/orbo" --level "$work/нет такого.orb" >"$work/log" 2>&1 &
pid=$!
waitFor 60 boxUp || fail "no message box named the missing level file"
answerBoxUntil programEnded || fail "the program went on after the missing level file"
endStatus
[[ $status -eq 1 ]] || fail "a missing level file ended the program with status $status"

# No sound driver by that name: the sound device cannot open.
SDL_AUDIODRIVER=orbo-no-such-driver "$bin/orbo" --level "$level" >"$work/log" 2>&1 &
pid=$!
waitFor 60 boxUp || fail "no message box told that there is no sound"
screenUp && fail "the play screen opened before the message was answered"
answerBoxUntil screenUp || fail "the play screen did not open after the message"

holdEscUntil programEnded || fail "Esc did not end the program"
endStatus
[[ $status -eq 0 ]] || fail "the program ended with status $status"
