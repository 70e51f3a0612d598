#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the .deb as `cpack -G DEB` does and checks it as a Debian packager
# would: the same layout as an install, dependencies taken from the programs'
# own libraries, every program hardened (hardening-check), and lintian --pedantic
# with no error or warning. The desktop files and manual pages come from the
# same install rules, which the install test checks.
# Usage: DebPackageTest.sh BUILD_DIR SHIPPED_LEVELS_DIR HARDENED
#   (the shipped levels are the *.orb files of SHIPPED_LEVELS_DIR; HARDENED is 1
#   when the build has the hardening flags and the optimisation they need)
set -euo pipefail
build=$1
shipped=$2
hardened=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source "$(dirname "$0")/InstalledTree.sh"

# gzip, the quickest, whatever the build chose: only the contents count here.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$scratch/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$scratch/cpack.log")"
packages=("$scratch"/*.deb)
[ ${#packages[@]} -eq 1 ] || fail "expected one .deb, found ${packages[*]}"
deb=${packages[0]}

dpkg-deb -x "$deb" "$scratch/root"
checkLayout "$scratch/root/usr" "$build/bin" "$shipped"

# Dependencies found in the programs themselves (the C library, SDL2, Qt6),
# besides the ones named by hand.
depends=$(dpkg-deb --field "$deb" Depends | sed 's/, */\n/g' | awk '{print $1}')
for package in libc6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libqt6widgets6 \
  qt6-qpa-plugins fonts-dejavu-core; do
  grep -qxF "$package" <<<"$depends" || fail "Depends lacks $package:" $depends
done

# Debian 12's own C start files carry no control-flow marks, so no program
# linked there can show them. A program whose every fortifiable call is proven
# safe when compiled has no fortified call for hardening-check to find (its own
# documented false alarm); all are built with the same flags, so the programs
# that have such calls stand for them.
if [ "$hardened" = 1 ]; then
  fortified=0
  for program in "${programs[@]}"; do
    file=$scratch/root/usr/lib/games/orbo/$program
    hardening-check --nocfprotection --nofortify "$file" >&2 || fail "$program is not hardened"
    if hardening-check --quiet --nocfprotection "$file" >/dev/null; then fortified=$((fortified + 1)); fi
  done
  [ "$fortified" -gt 0 ] || fail "no program has fortified calls"
fi

if command -v lintian >/dev/null; then
  lintian --pedantic --display-info --fail-on error,warning "$deb" >&2 || fail "lintian reports errors or warnings"
fi
