#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of ours differs from what .clang-format makes of it, or
# a source file lacks its licence line. With --fix, formats them and adds the
# missing licence lines instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  scripts/licence-lines.py --fix
  clang-format -i "${files[@]}"
else
  scripts/licence-lines.py
  clang-format --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format lays them out, each with its licence line"
fi
