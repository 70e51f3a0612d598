#!/usr/bin/env bash
# Installs the build into a temporary prefix as a player would, moves the whole
# tree elsewhere, and checks it there: the program folder, the links in bin/,
# the desktop entries, icons and metainfo, and that the installed tools, started
# through bin/, find their data.
# Usage: InstallTest.sh BUILD_DIR SHIPPED_LEVELS_DIR FOLDER_PROBE
#   (the shipped levels are the *.orb files of SHIPPED_LEVELS_DIR)
set -euo pipefail
build=$1
shipped=$2
probe=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$scratch/installed" >/dev/null
# Links and data must not depend on where the tree was installed.
mv "$scratch/installed" "$scratch/moved"
prefix=$scratch/moved
programs=$prefix/lib/orbo

for program in orbo Редактор orbo-sim levelcheck; do
  [ -f "$programs/$program" ] && [ ! -L "$programs/$program" ] && [ -x "$programs/$program" ] ||
    fail "$programs/$program is not a program"
done
for folder in графика звуки Этажи; do
  [ -d "$programs/$folder" ] || fail "no data folder $programs/$folder"
done
for folder in графика звуки; do
  diff -r "$build/bin/$folder" "$programs/$folder" >&2 || fail "the installed $folder differs from the build's"
done
# The game counts every file in its level folder: exactly the shipped levels.
diff <(cd "$shipped" && ls -- *.orb) <(ls "$programs/Этажи") >&2 ||
  fail "the installed level folder differs from the shipped levels"

for command in orbo=orbo orbo-editor=Редактор orbo-sim=orbo-sim levelcheck=levelcheck; do
  link=$prefix/bin/${command%%=*}
  [ -L "$link" ] || fail "$link is not a link"
  [ "$(readlink -f "$link")" = "$(readlink -f "$programs/${command#*=}")" ] ||
    fail "$link leads to $(readlink -f "$link")"
done

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

# Desktop entries: valid, starting a command of bin/, with an icon at every size.
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 2 ] || fail "expected the game's and the editor's desktop entries, found ${entries[*]}"
for entry in "${entries[@]}"; do
  complaints=$(desktop-file-validate "$entry" | grep -v ': hint: ' || true)
  [ -z "$complaints" ] || fail "$complaints"
  command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$prefix/bin/$command" ] || fail "$entry starts '$command', which is not installed in bin/"
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
appstreamcli validate --no-net "${metainfo[0]}" >&2 || fail "${metainfo[0]} does not validate"
for desktopId in $(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "${metainfo[0]}"); do
  [ -f "$prefix/share/applications/$desktopId" ] || fail "the metainfo launches $desktopId, which is not installed"
done
