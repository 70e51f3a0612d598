#!/usr/bin/env bash
# The game program on one level file, on a real X display: --help names the
# option, a machine without sound says so in a message box before the play
# screen opens, and Esc ends the session and the program. Skipped (77) without
# a display, the X tools or the game's pictures beside the program.
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

# No sound driver by that name: the sound device cannot open.
SDL_AUDIODRIVER=orbo-no-such-driver "$bin/orbo" --level "$level" >"$work/log" 2>&1 &
pid=$!
# The program's windows titled exactly "Orbo", as "ID WIDTH" lines: the message
# boxes are small, the play screen covers the screen.
orboWindows() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Orbo": .* \([0-9]*\)x[0-9]*+.*/\1 \2/p'; }
boxUp() { orboWindows | awk '$2 < 1024 { found = 1 } END { exit !found }'; }
screenUp() { orboWindows | awk '$2 >= 1024 { found = 1 } END { exit !found }'; }
waitFor 60 boxUp || fail "no message box told that there is no sound"
screenUp && fail "the play screen opened before the message was answered"
box=$(orboWindows | awk '{ print $1; exit }')
# Return answers the box once it has the keyboard, and the play screen follows.
answerBox() {
    xdotool windowfocus --sync "$box" key Return 2>/dev/null
    waitFor 2 screenUp
}
answered=false
for ((attempt = 0; attempt < 20; ++attempt)); do
    answerBox && answered=true && break
done
$answered || fail "the play screen did not open after the message"

programEnded() { ! kill -0 "$pid" 2>/dev/null; }
holdEscUntil programEnded || fail "Esc did not end the program"
wait "$pid"
status=$?
pid=
[[ $status -eq 0 ]] || fail "the program ended with status $status"
