#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orbo --replay on a real X display: the shipped winning script of level 3 is
# shown to its end, level 4 on the screen after the scroll, at the recorded
# pace and again with + pressed three times (the mark then says x8, the end is
# the same); Esc stops a replay and ends the program; a recording made on
# other levels says so before it is shown. Skipped (77) without a display, the
# X and picture tools or the game's pictures beside the program.
# Usage: ReplayOnScreenEndToEnd.sh BIN_DIR SOURCE_DIR
set -u
bin=$1
shipped=$2/assets/levels/replays/Orbo3.txt
[[ -n "${DISPLAY:-}" ]] || exit 77
for tool in xdotool xwininfo import convert; do command -v "$tool" >/dev/null || exit 77; done
[[ -x "$bin/orbo" && -d "$bin/графика" ]] || exit 77

work=$(mktemp -d)
# The shipped script ends on the pass that clears the level, whose own frame is
# the black one after the scroll: a second more shows level 4 in play.
script=$work/Orbo3.txt
{
    cat "$shipped"
    echo 60
} >"$script"
export SDL_AUDIODRIVER=dummy XDG_STATE_HOME=$work/state
pid=
# A message box left up would hold the display for the tests after this one. SDL
# shows its boxes from a child process, so the child goes first, then the game.
cleanup() {
    if [[ -n "$pid" ]]; then
        pkill -KILL -P "$pid" 2>/dev/null
        kill -KILL "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "ReplayOnScreenEndToEnd.sh: $*" >&2
    cat "$work/log" >&2
    exit 1
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"
orboWindows() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Orbo": .* \([0-9]*\)x[0-9]*+.*/\1 \2/p'; }
playScreen() { orboWindows | awk '$2 >= 1024 { print $1; exit }'; }
playScreenUp() { [[ -n "$(playScreen)" ]]; }
boxUp() { orboWindows | awk '$2 < 1024 { found = 1 } END { exit !found }'; }
programEnded() { ! kill -0 "$pid" 2>/dev/null; }
endStatus() {
    wait "$pid"
    status=$?
    pid=
}
tap() {
    xdotool keydown "$1"
    sleep 0.2
    xdotool keyup "$1"
    sleep 0.2
}

# The play screen's picture, from the root window: a grab of a window that
# closes meanwhile would wait for ever.
screenShot() {
    local window
    window=$(playScreen)
    [[ -n "$window" ]] || return 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "1024x768+$X+$Y" +repage "$1" 2>/dev/null
}
# The cells of a level file that are empty (0) or bricks (1), as "COLUMN ROW
# black|lit" lines; the top and bottom rows, where the hero, the cops and the
# mark are, are left out.
expectedCells() {
    awk '{ for (c = 1; c <= 16; ++c) { k = substr($0, c, 1); if ((k == "0" || k == "1") && NR > 1 && NR < 15)
             print c - 1, NR - 1, (k == "0" ? "black" : "lit") } }' "$1"
}
# Those cells on the screen: the centre pixel of each 64 x 50 cell.
screenCells() {
    convert "$1" -crop 1024x750+0+0 +repage -sample 16x15! -colorspace gray -threshold 5% txt:- |
        sed -n 's/^\([0-9]*\),\([0-9]*\):.*gray(\([0-9]*\)).*/\1 \2 \3/p' |
        awk 'NR == FNR { wanted[$1 " " $2] = 1; next } ($1 " " $2) in wanted { print $1, $2, ($3 == 0 ? "black" : "lit") }' \
            "$work/level4" -
}
expectedCells "$bin/Этажи/Orbo4.orb" >"$work/level4"
showsLevel4() { screenShot "$work/shot.png" && diff -q <(screenCells "$work/shot.png") "$work/level4" >/dev/null; }

# paceKeys: how many times + is pressed once the replay shows.
watchTheWin() {
    "$bin/orbo" --window --replay "$script" >"$work/log" 2>&1 &
    pid=$!
    waitFor 60 playScreenUp || fail "the replay brought up no play screen"
    for ((press = 0; press < $1; ++press)); do tap equal; done
    waitFor 60 showsLevel4 || fail "the replay did not end on level 4 after the scroll (x$2)"
    convert "$work/shot.png" -crop 144x30+880+10 +repage "$work/mark-x$2.png"
    waitFor 30 programEnded || fail "the program went on after the replay (x$2)"
    endStatus
    [[ $status -eq 0 ]] || fail "the replay at x$2 ended with status $status"
    grep -q 'every session ended as recorded (1)' "$work/log" || fail "the replay at x$2 did not end as recorded"
}
start=$SECONDS
watchTheWin 0 1
echo "x1: $((SECONDS - start)) s"
start=$SECONDS
watchTheWin 3 8
echo "x8: $((SECONDS - start)) s"
[[ "$(convert "$work/mark-x1.png" -format '%#' info:)" != "$(convert "$work/mark-x8.png" -format '%#' info:)" ]] ||
    fail "the mark did not change with the pace"

"$bin/orbo" --window --replay "$script" >"$work/log" 2>&1 &
pid=$!
waitFor 60 playScreenUp || fail "the replay brought up no play screen"
holdEscUntil programEnded || fail "Esc did not stop the replay"
endStatus
[[ $status -eq 0 ]] || fail "a replay stopped with Esc ended with status $status"
grep -q 'ended as recorded' "$work/log" && fail "Esc did not stop the replay before its end"

# A recording made where level 0 is another: said before the replay starts.
mkdir "$work/other"
cp -r "$bin/Этажи" "$bin/звуки" "$work/other/"
printf '0000000000000000\r\n%.0s' {1..14} >"$work/other/Этажи/Orbo0.orb"
printf '0000000500000000\r\n' >>"$work/other/Этажи/Orbo0.orb"
printf 'new\n30 Right\n1 Esc\n' | "$bin/orbo-sim" --dir "$work/other" --record "$work/other.orbrec" >/dev/null ||
    fail "orbo-sim could not record"
"$bin/orbo" --window --replay "$work/other.orbrec" >"$work/log" 2>&1 &
pid=$!
waitFor 60 boxUp || fail "no message said the recording was made on other levels"
playScreenUp && fail "the replay began before the message was answered"
grep -q 'recorded on other levels' "$work/log" || fail "standard error does not say the levels differ"
