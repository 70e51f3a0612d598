#!/usr/bin/env bash
# A level designer's first minutes on a real X display: the editor opens, three
# cells are painted with bricks, F5 shows them on the play screen, Esc comes back
# to the editor, and the editor's open dialog speaks Russian. Skipped (77)
# without a display, the X and picture tools or the game beside the editor.
# Usage: PlayFromEditorEndToEnd.sh EDITOR   (the editor program, or a link to it)
#        PlayFromEditorEndToEnd.sh --install BUILD_DIR   (installs BUILD_DIR into a
#        temporary prefix first and starts PREFIX/games/orbo-editor, as a new player would)
set -u
[[ -n "${DISPLAY:-}" ]] || exit 77
for tool in xdotool xwininfo import convert identify; do command -v "$tool" >/dev/null || exit 77; done

work=$(mktemp -d)
if [[ $1 == --install ]]; then
    cmake --install "$2" --prefix "$work/prefix" >"$work/install.log" 2>&1 || {
        cat "$work/install.log" >&2
        rm -rf "$work"
        exit 1
    }
    editor=$work/prefix/games/orbo-editor
else
    editor=$1
fi
bin=$(dirname "$(readlink -f "$editor")")
[[ -x "$editor" && -x "$bin/orbo" && -d "$bin/графика" ]] || {
    rm -rf "$work"
    exit 77
}
# Whatever the editor saves stays in here.
export XDG_DATA_HOME=$work/data
# Silent but working sound, so that no "no sound" message comes before the play screen.
export SDL_AUDIODRIVER=dummy
"$editor" >"$work/editor.log" 2>&1 &
pid=$!
game=
cleanup() {
    [[ -n "$game" ]] && kill "$game" 2>/dev/null
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "PlayFromEditorEndToEnd.sh: $*" >&2
    cat "$work/editor.log" >&2
    exit 1
}

source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/../common/EndToEnd.sh"
editorUp() { [[ -n "$(windowNamed 'Редактор карт для ОРБО')" ]]; }
playScreenUp() { xwininfo -root -children | grep -q '"Orbo"'; }
playScreenGone() { ! playScreenUp; }
openDialogUp() { [[ -n "$(windowNamed 'Открыть')" ]]; }
openDialogGone() { ! openDialogUp; }

waitFor 60 editorUp || fail "the editor did not open"
window=$(windowNamed 'Редактор карт для ОРБО')
eval "$(xdotool getwindowgeometry --shell "$window")"
# The grid of 40 x 30 pixel cells fills the top of the 640 x 533 client area, under the menu bar.
gridTop=$((Y + HEIGHT - 533))
cellCentre() { echo $((X + $1 * 40 + 20)) $((gridTop + $2 * 30 + 15)); }

black=$(convert xc:black -format '%[pixel:p{0,0}]' info:)
# The three cells of the editor's grid show a picture, no longer black.
editorPainted() {
    import -window root "$work/editor.png" 2>/dev/null || return 1
    local format="" col colour
    for col in 5 6 7; do
        read -r x y < <(cellCentre "$col" 10)
        format+="%[pixel:p{$x,$y}] "
    done
    for colour in $(convert "$work/editor.png" -format "$format" info:); do [[ $colour != "$black" ]] || return 1; done
}
# Space is read by the editor's key poll: the strokes are made again until a
# busy machine has let the poll see it before the pointer moved.
paint() {
    xdotool windowfocus --sync "$window"
    xdotool mousemove $(cellCentre 4 10)
    xdotool key 2 # bricks
    sleep 0.3
    xdotool keydown space
    sleep 0.5
    for col in 5 6 7; do
        xdotool mousemove $(cellCentre "$col" 10)
        sleep 0.2
    done
    xdotool keyup space
    sleep 0.3
    editorPainted
}
painted=false
for ((attempt = 0; attempt < 5; ++attempt)); do
    paint && painted=true && break
done
$painted || fail "Space and the pointer did not paint the three cells"
xdotool key F5
waitFor 60 playScreenUp || fail "F5 brought up no play screen"
game=$(xdotool search --name '^Orbo$' getwindowpid 2>/dev/null | head -1)

# The play screen shows the 1024 x 768 frame of 64 x 50 pixel cells as large as
# the screen allows, centred. The painted cells 5 to 7 of row 10 show one and the
# same picture, the empty cells beside and above them are black.
cellsShown() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    local width height
    read -r width height < <(identify -format '%w %h\n' "$work/shot.png") || return 1
    local scale=$((width * 1000 / 1024)) # thousandths
    ((height * 1000 / 768 < scale)) && scale=$((height * 1000 / 768))
    local left=$(((width - 1024 * scale / 1000) / 2)) top=$(((height - 768 * scale / 1000) / 2))
    local format="" cell
    for cell in 5:10 6:10 7:10 9:10 11:10 13:10 5:8 6:8 7:8; do
        format+="%[pixel:p{$((left + (${cell%:*} * 64 + 32) * scale / 1000)),$((top + (${cell#*:} * 50 + 25) * scale / 1000))}] "
    done
    local colours
    read -r -a colours < <(convert "$work/shot.png" -format "$format\n" info:) || return 1
    [[ ${colours[0]} != "$black" && ${colours[1]} == "${colours[0]}" && ${colours[2]} == "${colours[0]}" ]] || return 1
    for cell in 3 4 5 6 7 8; do [[ ${colours[cell]} == "$black" ]] || return 1; done
}
waitFor 30 cellsShown || fail "the play screen does not show the three painted cells"

holdEscUntil playScreenGone || fail "Esc did not end the play session"
gameEnded() { ! kill -0 "$game" 2>/dev/null; }
[[ -z "$game" ]] || waitFor 10 gameEnded || fail "the game went on after Esc"
kill -0 "$pid" 2>/dev/null && editorUp || fail "the editor is gone after the play session"

# "&Файл" on the menu bar, then its first item, "Открыть Игру"; again if a busy
# machine let the keys arrive before the menu was open.
openFromMenu() {
    xdotool windowfocus --sync "$window"
    xdotool mousemove $((X + 20)) $((Y + (HEIGHT - 533) / 2)) click 1
    sleep 1
    xdotool key Down Return
    waitFor 5 openDialogUp && return 0
    xdotool key Escape Escape
    return 1
}
opened=false
for ((attempt = 0; attempt < 6; ++attempt)); do
    openFromMenu && opened=true && break
done
$opened || fail "the open dialog is not titled \"Открыть\""
xdotool windowfocus --sync "$(windowNamed 'Открыть')" key Escape
waitFor 10 openDialogGone || fail "Esc did not close the open dialog"
