#!/usr/bin/env bash
# Makes the .deb as `cpack -G DEB` does and checks what it holds: every program
# and data folder, the links, the desktop files and icons, and dependencies
# taken from the programs' own libraries.
# Usage: DebPackageTest.sh BUILD_DIR SHIPPED_LEVELS_DIR
set -euo pipefail
build=$1
shipped=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# gzip, the quickest, whatever the build chose: only the contents count here.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >/dev/null
packages=("$scratch"/*.deb)
[ ${#packages[@]} -eq 1 ] || fail "expected one .deb, found ${packages[*]}"
deb=${packages[0]}

# Paths as ./usr/..., with a link's target after " -> ".
contents=$(dpkg-deb --contents "$deb" | sed 's/^\([^ ]* *\)\{5\}//')
holds() {
  grep -qxF -- "$1" <<<"$contents" || fail "the package lacks $1"
}
for program in orbo Редактор orbo-sim levelcheck; do
  holds "./usr/lib/orbo/$program"
done
for folder in графика звуки Этажи; do
  holds "./usr/lib/orbo/$folder/"
done
for level in $(ls "$shipped"); do
  holds "./usr/lib/orbo/Этажи/$level"
done
[ "$(grep -c '^\./usr/lib/orbo/Этажи/.' <<<"$contents")" -eq "$(ls "$shipped" | wc -l)" ] ||
  fail "the package's level folder holds more than the shipped levels"
for command in orbo=orbo orbo-editor=Редактор orbo-sim=orbo-sim levelcheck=levelcheck; do
  holds "./usr/bin/${command%%=*} -> ../lib/orbo/${command#*=}"
done
holds ./usr/share/applications/io.github.orbo.Orbo.desktop
holds ./usr/share/applications/io.github.orbo.Orbo.Editor.desktop
holds ./usr/share/metainfo/io.github.orbo.Orbo.metainfo.xml
for size in 16 32 48 64 128 256; do
  holds "./usr/share/icons/hicolor/${size}x${size}/apps/orbo.png"
  holds "./usr/share/icons/hicolor/${size}x${size}/apps/orbo-editor.png"
done

# Dependencies found in the programs themselves (the C library, SDL2, Qt6),
# besides the ones named by hand.
depends=$(dpkg-deb --field "$deb" Depends | sed 's/, */\n/g' | awk '{print $1}')
for package in libc6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libqt6widgets6 \
  qt6-qpa-plugins fonts-dejavu-core; do
  grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package:" $depends
done
