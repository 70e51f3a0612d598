# SPDX-License-Identifier: GPL-3.0-or-later
# What the install and package tests share; sourced. Each test sets `scratch`
# (a temporary folder of its own) before calling these.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The players' commands in games/, the level makers' tools in bin/, each with
# the program it starts.
gameCommands=(orbo=orbo orbo-editor=Редактор)
toolCommands=(orbo-sim=orbo-sim levelcheck=levelcheck orbo-autoplayer=orbo-autoplayer)
programs=(orbo orbo-glprobe Редактор orbo-sim levelcheck orbo-autoplayer)
dataFolders=(графика звуки Этажи)

# Installs BUILD into a prefix below $scratch and moves the whole tree, so that
# nothing in it may depend on where it was installed. Prints the new prefix.
installMoved() {
  cmake --install "$1" --prefix "$scratch/installed" >/dev/null || fail "cmake --install failed"
  mv "$scratch/installed" "$scratch/moved"
  echo "$scratch/moved"
}

# Checks Debian's layout for games below PREFIX: the commands, the programs and
# the data, every link relative and leading where it should.
# Usage: checkLayout PREFIX BUILT_PROGRAM_FOLDER SHIPPED_LEVELS_DIR
checkLayout() {
  local prefix=$1 built=$2 shipped=$3
  local lib=$prefix/lib/games/orbo share=$prefix/share/games/orbo
  local program folder command link
  for program in "${programs[@]}"; do
    [ -f "$lib/$program" ] && [ ! -L "$lib/$program" ] && [ -x "$lib/$program" ] || fail "$lib/$program is not a program"
  done
  relativeLink() {
    [ -L "$1" ] || fail "$1 is not a link"
    [[ "$(readlink "$1")" != /* ]] || fail "$1 leads to the absolute $(readlink "$1")"
    [ "$(readlink -f "$1")" = "$(readlink -f "$2")" ] || fail "$1 leads to $(readlink -f "$1"), not $2"
  }
  for folder in "${dataFolders[@]}"; do
    [ -d "$share/$folder" ] && [ ! -L "$share/$folder" ] || fail "no data folder $share/$folder"
    relativeLink "$lib/$folder" "$share/$folder"
  done
  relativeLink "$lib/icons" "$prefix/share/icons"
  for folder in графика звуки; do
    diff -r "$built/$folder" "$share/$folder" >&2 || fail "the installed $folder differs from the build's"
  done
  # The game counts every file in its level folder: exactly the shipped levels.
  diff <(cd "$shipped" && ls -- *.orb) <(ls "$share/Этажи") >&2 ||
    fail "the installed level folder differs from the shipped levels"
  for command in "${gameCommands[@]}"; do
    relativeLink "$prefix/games/${command%%=*}" "$lib/${command#*=}"
  done
  for command in "${toolCommands[@]}"; do
    relativeLink "$prefix/bin/${command%%=*}" "$lib/${command#*=}"
  done
  [ -s "$prefix/share/doc/orbo/copyright" ] || fail "no copyright file"
  gzip -t "$prefix/share/doc/orbo/changelog.gz" || fail "no changelog"
}
