#!/usr/bin/env bash
# Makes the .deb as `cpack -G DEB` does and checks what it holds: every program
# and data folder, the links in bin/, and dependencies taken from the programs'
# own libraries. The desktop files come from the same install rules, which the
# install test checks.
# Usage: DebPackageTest.sh BUILD_DIR SHIPPED_LEVELS_DIR (the shipped levels are its *.orb files)
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
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$scratch/cpack.log")"
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
# Every data folder, file for file: the pictures and sounds as built, the shipped levels.
same_files() {
  diff <(grep "^\./usr/lib/orbo/$1/." <<<"$contents" | sed "s|^\./usr/lib/orbo/$1/||" | sort) <(cd "$2" && ls -- $3 | sort) >&2 ||
    fail "the package's $1 differs from $2"
}
same_files графика "$build/bin/графика" '*'
same_files звуки "$build/bin/звуки" '*'
same_files Этажи "$shipped" '*.orb'

for command in orbo=orbo orbo-editor=Редактор orbo-sim=orbo-sim levelcheck=levelcheck; do
  holds "./usr/bin/${command%%=*} -> ../lib/orbo/${command#*=}"
done

# Dependencies found in the programs themselves (the C library, SDL2, Qt6),
# besides the ones named by hand.
depends=$(dpkg-deb --field "$deb" Depends | sed 's/, */\n/g' | awk '{print $1}')
for package in libc6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libqt6widgets6 \
  qt6-qpa-plugins fonts-dejavu-core; do
  grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package:" $depends
done
