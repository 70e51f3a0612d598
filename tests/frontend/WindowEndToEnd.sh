#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The play screen as a desktop window, on an X display of its own with a window
# manager (openbox): `orbo --window` opens 1024 x 768, Alt+Enter switches to full
# screen and back, a resized window shows the whole picture between black bars
# (through either screen path), a lost focus pauses (the pause text shows, the
# hero stands still) until the focus is back and a key is pressed, and the
# window's close box leaves the session as Esc does: "Продолжить Игру" goes on.
# Skipped (77) without the X tools or the game's pictures beside the program.
# Usage: WindowEndToEnd.sh BIN_DIR [FOLDER_FOR_SCREENSHOTS]
set -u
bin=$1
shots=${2:-}
for tool in Xvfb openbox wmctrl xdotool xwininfo convert import; do command -v "$tool" >/dev/null || exit 77; done
[[ -x "$bin/orbo" && -d "$bin/графика" ]] || exit 77

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; --i)); do kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "WindowEndToEnd.sh: $*" >&2
    cat "$work/log" >&2 2>/dev/null
    exit 1
}
source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
waitFor 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
waitFor 20 eval 'wmctrl -m >/dev/null 2>&1' || fail "openbox did not start"

# The id of the program's window with exactly this title, once it is shown.
windowTitled() {
    local id
    id=$(xwininfo -root -tree | grep -F "\"$1\":" | awk '{print $1}' | head -1)
    [[ -n "$id" ]] && echo "$id"
}
size() { xwininfo -id "${1:?}" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
hasSize() { [[ "$(size "$1")" == "$2" ]]; }
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# Two colours alike, but for the smoothing of the texture path's scaling.
near() {
    local a b
    IFS=, read -r -a a <<<"$1"
    IFS=, read -r -a b <<<"$2"
    local sum=0 i d
    for i in 0 1 2; do
        ((d = a[i] - b[i], sum += d < 0 ? -d : d))
    done
    ((sum <= 64))
}
# Near-white pixels where the pause text stands (frame x 300..900, y 330..346).
pauseTextPixels() {
    convert "$1" -crop 600x17+300+330 +repage -fx '(r > 0.9 && g > 0.9 && b > 0.9)' -format '%[fx:int(mean * w * h)]' info:
}

startGame() { # ORBO_SCREEN_PATH value
    ORBO_SCREEN_PATH=$1 SDL_AUDIODRIVER=dummy "$bin/orbo" --window >"$work/log" 2>&1 &
    orbo=$!
    pids+=($orbo)
    waitFor 60 windowTitled "DX Orbo" >/dev/null || fail "the menu did not open"
    menu=$(windowTitled "DX Orbo")
    for ((attempt = 0; attempt < 20; ++attempt)); do
        xdotool mousemove --window "$menu" 275 83 click 1 # "Новая игра"
        waitFor 3 windowTitled "Orbo" >/dev/null && break
    done
    sleep 2 # the title picture; the texture path may make the window anew meanwhile
    play=$(windowTitled "Orbo") || fail "no play screen"
}

# The frame's field corners and the bars beside it in a window of W x H.
checkWholePicture() { # W H label
    local w=$1 h=$2 x0 y0 pw ph
    xdotool windowsize "$play" "$w" "$h"
    waitFor 10 hasSize "$play" "${w}x$h" || fail "$3: the window did not take ${w}x$h"
    sleep 1
    if ((w * 768 > h * 1024)); then ((ph = h, pw = h * 1024 / 768)); else ((pw = w, ph = w * 768 / 1024)); fi
    ((x0 = (w - pw) / 2, y0 = (h - ph) / 2))
    import -window "$play" "$work/shot.png"
    local at=() # frame x, y, expected colour
    at+=("2 750 255,0,0" "1021 750 255,0,0")  # the red line's two ends
    at+=("2 60 90,36,24" "1012 60 164,113,57") # bricks at the left, the ladder at the right
    for probe in "${at[@]}"; do
        read -r fx fy colour <<<"$probe"
        local sx=$((x0 + (2 * fx + 1) * pw / 2048)) sy=$((y0 + (2 * fy + 1) * ph / 1536))
        near "$(pixel "$work/shot.png" "$sx" "$sy")" "$colour" ||
            fail "$3 at ${w}x$h: frame ($fx, $fy) at ($sx, $sy) is $(pixel "$work/shot.png" "$sx" "$sy"), not $colour"
    done
    if ((x0 > 1)); then
        [[ "$(pixel "$work/shot.png" $((x0 - 2)) $((y0 + ph * 750 / 768)))" == 0,0,0 ]] || fail "$3: no bar left of the picture"
    fi
    if ((y0 > 1)); then
        [[ "$(pixel "$work/shot.png" $((x0 + 2)) $((y0 - 2)))" == 0,0,0 ]] || fail "$3: no bar above the picture"
    fi
    [[ -n "$shots" ]] && cp "$work/shot.png" "$shots/play-window-$3-${w}x$h.png"
    return 0
}

for path in surface texture; do
    startGame "$path"
    [[ "$(size "$play")" == 1024x768 ]] || fail "--window opened $(size "$play"), not 1024x768"
    xdotool windowactivate --sync "$play"
    xdotool key alt+Return
    waitFor 10 hasSize "$play" 1280x1024 || fail "Alt+Enter left the window at $(size "$play")"
    xdotool key F11
    waitFor 10 hasSize "$play" 1024x768 || fail "F11 came back at $(size "$play")"
    checkWholePicture 1260 800 "$path"
    checkWholePicture 1100 1000 "$path"
    kill "$orbo"
    wait "$orbo" 2>/dev/null
done

startGame surface
# The menu below the play window, so that taking the focus does not cover it.
xdotool windowmove "$menu" 0 930
import -window "$play" "$work/playing.png"
xdotool windowactivate --sync "$menu"
sleep 1
import -window "$play" "$work/paused.png"
sleep 1
import -window "$play" "$work/still.png"
((before = $(pauseTextPixels "$work/playing.png"), after = $(pauseTextPixels "$work/paused.png")))
((after > before + 300)) || fail "no pause text after the focus went: $before white pixels before, $after after"
# The kettles turn on while paused; the hero's cell and the cops' row stay as they were.
for area in 128x50+0+700 1024x50+0+0; do
    [[ "$(compare -metric AE "$work/paused.png[$area]" "$work/still.png[$area]" null: 2>&1)" == 0 ]] ||
        fail "the game ran on while paused ($area)"
done

xdotool windowactivate --sync "$play"
sleep 1
import -window "$play" "$work/back.png"
(($(pauseTextPixels "$work/back.png") == after)) || fail "the focus alone lifted the pause"
xdotool key Right
sleep 1
(($(pauseTextPixels "$(import -window "$play" "$work/resumed.png" && echo "$work/resumed.png")") < after)) ||
    fail "a key after the focus came back did not resume the game"

wmctrl -i -c "$play"
waitFor 20 eval '! windowTitled Orbo >/dev/null' || fail "the close box did not end the session"
kill -0 "$orbo" 2>/dev/null || fail "the close box ended the program"
xdotool windowmove "$menu" 100 100
for ((attempt = 0; attempt < 10; ++attempt)); do
    xdotool mousemove --window "$menu" 275 129 click 1 # "Продолжить Игру"
    waitFor 3 windowTitled "Orbo" >/dev/null && exit 0
done
fail "\"Продолжить Игру\" was not enabled after the close box"
