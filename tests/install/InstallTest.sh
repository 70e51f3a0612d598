#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix as a player would, moves the whole
# tree elsewhere, and checks it there: Debian's layout for games, the installed
# tools at work, every command's manual page against its --help, the desktop
# entries, icons and metainfo, and the licence and changelog.
# Usage: InstallTest.sh BUILD_DIR SHIPPED_LEVELS_DIR FOLDER_PROBE
#   (the shipped levels are the *.orb files of SHIPPED_LEVELS_DIR)
set -euo pipefail
build=$1
shipped=$2
probe=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/InstalledTree.sh"

prefix=$(installMoved "$build")
checkLayout "$prefix" "$build/bin" "$shipped"
programs=$prefix/lib/games/orbo

# The programs name their folder after the real file behind any chain of links.
mkdir "$scratch/links"
ln -s "$(readlink -f "$probe")" "$scratch/links/first"
ln -s first "$scratch/links/second"
[ "$("$scratch/links/second")" = "$(dirname "$(readlink -f "$probe")")" ] ||
  fail "started through links, a program names its folder as $("$scratch/links/second")"

levels=$(ls "$programs/Этажи" | wc -l)
"$prefix/bin/levelcheck" "$programs"/Этажи/*.orb >&2 || fail "levelcheck rejects the installed levels"
trace=$(printf 'new\n30 Right\n1 Q\n' |
  "$prefix/bin/orbo-sim" --dir "$programs" --shot "$scratch/shot.bmp") || fail "orbo-sim failed"
grep -q "\"levelCount\":$levels," <<<"$trace" || fail "orbo-sim did not find the $levels installed levels: $trace"
grep -q '"messages":\[\]' <<<"$trace" || fail "orbo-sim reported a problem: $trace"
[ -s "$scratch/shot.bmp" ] || fail "orbo-sim drew no frame"

# Every command: a wrong option is a usage error, and its manual page renders
# without a warning and lists exactly the options its --help names.
optionsIn() { grep -o -- '--[a-z][a-z0-9-]*' | sort -u; }
pageOptions() { gzip -dc "$1" | awk '/^\.SH/ { options = ($2 == "OPTIONS") } options && tag { print } { tag = /^\.TP/ }' |
  sed 's/\\-/-/g' | optionsIn; }
commands=()
for command in "${gameCommands[@]}"; do commands+=("$prefix/games/${command%%=*}"); done
for command in "${toolCommands[@]}"; do commands+=("$prefix/bin/${command%%=*}"); done
for command in "${commands[@]}"; do
  name=$(basename "$command")
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY "$command" --no-such-option >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "$name --no-such-option ended with status $status, not 2"
  page=$prefix/share/man/man6/$name.6.gz
  [ -f "$page" ] || fail "no manual page for $name"
  warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page: $warnings"
  help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$command" --help) || fail "$name --help failed"
  diff <(optionsIn <<<"$help") <(pageOptions "$page") >&2 ||
    fail "the options of $name --help (<) and of its manual page (>) differ"
done
[ "$(ls "$prefix/share/man/man6" | wc -l)" -eq ${#commands[@]} ] ||
  fail "manual pages for commands that are not installed: $(ls "$prefix/share/man/man6")"

# Desktop entries: valid, starting a game command, with an icon at every size,
# and naming the window class their program's windows carry (their own id).
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 2 ] || fail "expected the game's and the editor's desktop entries, found ${entries[*]}"
for entry in "${entries[@]}"; do
  complaints=$(desktop-file-validate "$entry" | grep -v ': hint: ' || true)
  [ -z "$complaints" ] || fail "$complaints"
  command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$prefix/games/$command" ] || fail "$entry starts '$command', which is not installed in games/"
  [ "$(sed -n 's/^StartupWMClass=//p' "$entry")" = "$(basename "$entry" .desktop)" ] ||
    fail "$entry: StartupWMClass is not the entry's own id"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  for size in 16 32 48 64 128 256; do
    picture=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    details=$(identify -format '%m %wx%h %[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a] %k' "$picture" 2>&1) ||
      fail "no icon $picture: $details"
    read -r format dimensions corner centre colours <<<"$details"
    [ "$format $dimensions" = "PNG ${size}x${size}" ] || fail "$picture is a $format of $dimensions"
    # A rounded tile on a clear ground, with a picture on it, not a flat fill.
    [ "$corner $centre" = "0 1" ] && [ "$colours" -ge 16 ] ||
      fail "$picture: corner alpha $corner, centre alpha $centre, $colours colours"
  done
done

metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] || fail "expected one metainfo file, found ${metainfo[*]}"
complaints=$(appstreamcli validate --pedantic --no-net "${metainfo[0]}" 2>&1) || fail "$complaints"
! grep -q '^[EWIP]: ' <<<"$complaints" || fail "${metainfo[0]}: $complaints"
for desktopId in $(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "${metainfo[0]}"); do
  [ -f "$prefix/share/applications/$desktopId" ] || fail "the metainfo launches $desktopId, which is not installed"
done

# This version in the changelog and among the metainfo's releases.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
gzip -dc "$prefix/share/doc/orbo/changelog.gz" | head -1 | grep -qF "orbo ($version)" ||
  fail "the changelog does not begin with version $version"
grep -qF "<release version=\"$version\"" "${metainfo[0]}" || fail "the metainfo has no release $version"
