#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A level designer's first minutes on a real X display: the editor opens, three
# cells are painted with bricks, undone and redone, F5 shows them on the play
# screen, Esc comes back to the editor; a kettle beside the hero is taken and
# the play screen says the level is cleared; F5 pressed twice starts one game;
# nothing of the level handed to the game is on disk; the editor's open dialog
# speaks Russian; and the editor closed right after F5 leaves the game its level.
# Skipped (77) without a display, the X and picture tools or the game beside
# the editor.
# Usage: PlayFromEditorEndToEnd.sh EDITOR   (the editor program, or a link to it)
#        PlayFromEditorEndToEnd.sh --install BUILD_DIR   (installs BUILD_DIR into a
#        temporary prefix first and starts PREFIX/games/orbo-editor, as a new player would)
set -u
[[ -n "${DISPLAY:-}" ]] || exit 77
for tool in xdotool xwininfo import convert identify pgrep; do command -v "$tool" >/dev/null || exit 77; done

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
# Whatever the editor saves stays in here, and the levels it hands the game would go
# here; Qt's own run-time files go elsewhere.
export XDG_DATA_HOME=$work/data TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/run
mkdir "$TMPDIR" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# Silent but working sound, so that no "no sound" message comes before the play screen.
export SDL_AUDIODRIVER=dummy
"$editor" >"$work/editor.log" 2>&1 &
pid=$!
# The games started from this editor: those that run in its folder.
ourGames() { for game in $(pgrep -x orbo); do [[ $(readlink "/proc/$game/cwd") == "$bin" ]] && echo "$game"; done; }
gamesEnded() { [[ -z "$(ourGames)" ]]; }
cleanup() {
    kill $(ourGames) "$pid" 2>/dev/null
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
editorGone() { ! kill -0 "$pid" 2>/dev/null; }
# The play screen: the window titled "Orbo" that covers the screen.
playScreen() { xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) "Orbo": .* \([0-9]*\)x[0-9]*+.*/\1 \2/p' | awk '$2 >= 1024 { print $1; exit }'; }
playScreenUp() { [[ -n "$(playScreen)" ]]; }
playScreenGone() { ! playScreenUp; }
# Esc on the play screen, which has the keyboard, until it is gone.
leaveGame() {
    xdotool windowfocus "$(playScreen)" 2>/dev/null
    holdEscUntil playScreenGone
}
openDialogUp() { [[ -n "$(windowNamed 'Открыть')" ]]; }
openDialogGone() { ! openDialogUp; }

waitFor 60 editorUp || fail "the editor did not open"
window=$(windowNamed 'Редактор карт для ОРБО')
eval "$(xdotool getwindowgeometry --shell "$window")"
# The grid of 40 x 30 pixel cells fills the top of the 640 x 533 client area, under the menu bar.
gridTop=$((Y + HEIGHT - 533))
cellCentre() { echo $((X + ${1%:*} * 40 + 20)) $((gridTop + ${1#*:} * 30 + 15)); }

black=$(convert xc:black -format '%[pixel:p{0,0}]' info:)
# The editor's cells ("COLUMN:ROW"...) show a picture (painted), or are black (blank).
editorCells() {
    import -window root "$work/editor.png" 2>/dev/null || return 1
    local want=$1 format="" cell colour
    shift
    for cell in "$@"; do
        read -r x y < <(cellCentre "$cell")
        format+="%[pixel:p{$x,$y}] "
    done
    for colour in $(convert "$work/editor.png" -format "$format" info:); do
        [[ ($want == painted && $colour != "$black") || ($want == blank && $colour == "$black") ]] || return 1
    done
}
# Chooses the block with its digit key, rests the pointer on the first cell,
# then holds Space while it crosses the others. Space is read by the editor's
# key poll: the stroke is made again until a busy machine has let the poll see
# it before the pointer moved.
paint() {
    local key=$1 rest=$2 cell
    shift 2
    for ((attempt = 0; attempt < 5; ++attempt)); do
        xdotool windowfocus --sync "$window"
        xdotool mousemove $(cellCentre "$rest")
        xdotool key "$key"
        sleep 0.3
        xdotool keydown space
        sleep 0.5
        for cell in "$@"; do
            xdotool mousemove $(cellCentre "$cell")
            sleep 0.2
        done
        xdotool keyup space
        sleep 0.3
        editorCells painted "$@" && return 0
    done
    return 1
}
editorKey() { xdotool windowfocus --sync "$window" key "$1"; }
bricks=(5:10 6:10 7:10)
paint 2 4:10 "${bricks[@]}" || fail "Space and the pointer did not paint the three cells"
# A stroke made again took only the cells the one before had missed: as many
# Ctrl+Z as strokes, and as many Ctrl+Shift+Z.
strokes=0
until editorCells blank "${bricks[@]}"; do
    ((strokes < 5)) || fail "Ctrl+Z did not take the strokes back"
    editorKey ctrl+z
    ((++strokes))
    sleep 0.3
done
for ((redone = 0; redone < strokes; ++redone)); do editorKey ctrl+shift+z; done
waitFor 5 editorCells painted "${bricks[@]}" || fail "Ctrl+Shift+Z did not put the strokes back"
editorKey F5
waitFor 60 playScreenUp || fail "F5 brought up no play screen"

# The play screen shows the 1024 x 768 frame as large as the screen allows,
# centred: a screenshot, and where the frame lies on it.
shootFrame() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    local width height
    read -r width height < <(identify -format '%w %h\n' "$work/shot.png") || return 1
    scale=$((width * 1000 / 1024)) # thousandths
    ((height * 1000 / 768 < scale)) && scale=$((height * 1000 / 768))
    left=$(((width - 1024 * scale / 1000) / 2)) top=$(((height - 768 * scale / 1000) / 2))
}
onScreen() { echo $((left + $1 * scale / 1000)) $((top + $2 * scale / 1000)); }
# The colours of the frame's points ("X:Y"...).
framePixels() {
    shootFrame || return 1
    local format="" point x y
    for point in "$@"; do
        read -r x y < <(onScreen "${point%:*}" "${point#*:}")
        format+="%[pixel:p{$x,$y}] "
    done
    convert "$work/shot.png" -format "$format\n" info:
}
# The painted cells 5 to 7 of row 10 (64 x 50 pixel cells) show one and the same
# picture, the empty cells beside and above them are black.
cellsShown() {
    local colours cell points=()
    for cell in 5:10 6:10 7:10 9:10 11:10 13:10 5:8 6:8 7:8; do points+=("$((${cell%:*} * 64 + 32)):$((${cell#*:} * 50 + 25))"); done
    read -r -a colours < <(framePixels "${points[@]}") || return 1
    [[ ${colours[0]} != "$black" && ${colours[1]} == "${colours[0]}" && ${colours[2]} == "${colours[0]}" ]] || return 1
    for cell in 3 4 5 6 7 8; do [[ ${colours[cell]} == "$black" ]] || return 1; done
}
waitFor 30 cellsShown || fail "the play screen does not show the three painted cells"
leaveGame || fail "Esc did not end the play session"
waitFor 10 gamesEnded || fail "the game went on after Esc"
editorUp || fail "the editor is gone after the play session"

# Anything near white on the band across the middle of the field, where the end is written.
endWritten() {
    shootFrame || return 1
    local x y white
    read -r x y < <(onScreen 300 345)
    white=$(convert "$work/shot.png" -crop "$((400 * scale / 1000))x$((50 * scale / 1000))+$x+$y" -fuzz 15% \
        -fill black +opaque white -format '%[fx:mean>0]' info:) || return 1
    [[ $white == 1 ]]
}

# A kettle right of the hero: walking right takes it and clears the level. The
# end is written in white across the middle of the field, on a black band.
paint 6 3:14 2:14 || fail "the kettle was not painted beside the hero's start"
editorKey F5
waitFor 60 playScreenUp || fail "F5 brought up no play screen for the kettle"
# The title picture has gone once the level is in sight.
waitFor 30 cellsShown || fail "the play screen does not show the level with the kettle"
endWritten && fail "white on the band before the level was cleared"
xdotool keydown Right
waitFor 30 endWritten
seen=$?
xdotool keyup Right
((seen == 0)) || fail "the play screen said nothing when the level was cleared"
waitFor 10 playScreenGone && waitFor 10 gamesEnded || fail "the game went on after the level was cleared"

# F5 twice in a row: one game, and the editor says the game still runs.
editorKey F5
editorKey F5
waitFor 60 playScreenUp || fail "F5 brought up no play screen"
sleep 2
games=$(ourGames | wc -l)
((games == 1)) || fail "F5 twice started $games games"
# The game holds its level as an open file with no name: nothing on disk, even while both run.
leftovers=$(ls -A "$TMPDIR")
[[ -z "$leftovers" ]] || fail "the temporary folder holds $leftovers while the game runs"
note=$(xdotool search --all --pid "$pid" --name '^(orbo-editor|Редактор)$' 2>/dev/null | head -1)
[[ -n "$note" ]] || fail "the editor did not say that the game still runs"
xdotool windowfocus --sync "$note" key Return
leaveGame && waitFor 10 gamesEnded || fail "Esc did not end the game"

# "&Файл" from the keyboard (Alt+F on this Latin layout), then its first item,
# "Открыть Игру"; again if a busy machine let the keys arrive before the menu was open.
openFromMenu() {
    editorKey alt+f
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

# The editor closed right after F5 ("Выход", the menu's last item): the game
# still has the level to play.
editorKey F5
closed=false
for ((attempt = 0; attempt < 6; ++attempt)); do
    editorKey F10
    sleep 0.3
    xdotool key Up Return
    waitFor 2 editorGone && closed=true && break
done
$closed || fail "the editor did not close"
waitFor 60 playScreenUp || fail "F5 brought up no play screen before the editor closed"
waitFor 30 cellsShown || fail "the game lost its level when the editor closed"
leaveGame || fail "Esc did not end the play session"
