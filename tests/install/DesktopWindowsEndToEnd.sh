#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed game and editor on a real X display: the menu, the play window
# and the editor's window carry the window class their desktop entry names as
# StartupWMClass, so that a desktop groups them with their launcher, and the
# installed icon. Skipped (77) without a display or the X tools.
# Usage: DesktopWindowsEndToEnd.sh BUILD_DIR
set -u
build=$1
[[ -n "${DISPLAY:-}" ]] && command -v xdotool >/dev/null && command -v xprop >/dev/null || exit 77

scratch=$(mktemp -d)
started=()
trap 'kill "${started[@]}" 2>/dev/null; wait; rm -rf "$scratch"' EXIT
here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
source "$here/InstalledTree.sh"
source "$here/../common/EndToEnd.sh"

prefix=$(installMoved "$build")
applications=$prefix/share/applications

# Usage: checkWindow TITLE DESKTOP_ENTRY WHAT
# xdotool finds the Qt windows by name, xwininfo the play window.
windowOf() { [ "$1" = Orbo ] && xwininfo -root -children | awk '/ "Orbo": / { print $1; exit }' || windowNamed "$1"; }
windowUp() { [ -n "$(windowOf "$1")" ]; }
windowGone() { ! windowUp "$1"; }
hasIcon() { xprop -id "$1" _NET_WM_ICON | grep -q 'Icon (64 x 64)'; }
checkWindow() {
  waitFor 60 windowUp "$1" || fail "$3 did not open"
  local window class expected
  window=$(windowOf "$1")
  class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
  expected=$(sed -n 's/^StartupWMClass=//p' "$applications/$2")
  [ "$class" = "$expected" ] || fail "$3 has the window class '$class'; its desktop entry $2 names '$expected'"
  # The icon may follow the window by a moment.
  waitFor 10 hasIcon "$window" || fail "$3 shows no icon of its own"
}

# Silent but working sound: no "no sound" message box before the play screen.
SDL_AUDIODRIVER=dummy "$prefix/games/orbo" >"$scratch/game.log" 2>&1 &
started+=($!)
checkWindow "DX Orbo" io.github.orbo.orbo.desktop "the menu"
eval "$(xdotool getwindowgeometry --shell "$(windowNamed "DX Orbo")")"
xdotool mousemove $((X + 275)) $((Y + 83)) click 1 # "Новая игра"
checkWindow "Orbo" io.github.orbo.orbo.desktop "the play window"
# The play window reads keys only while it has the focus, and no window manager gives it.
xdotool windowfocus "$(windowOf Orbo)" 2>/dev/null
holdEscUntil windowGone Orbo || fail "Esc did not end the session; the game said: $(cat "$scratch/game.log")"

"$prefix/games/orbo-editor" >"$scratch/editor.log" 2>&1 &
started+=($!)
checkWindow "Редактор карт для ОРБО" io.github.orbo.orbo.editor.desktop "the editor"
