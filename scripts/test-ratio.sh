#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints how much C++ test code there is for the C++ code it tests: a figure
# to watch, not a gate. A line counts when it is neither blank nor a //
# comment; test code is everything under tests/ and bench/ (test-only helpers
# live there too), code is every other C++ file git tracks.
set -euo pipefail
cd "$(dirname "$0")/.."

count() { git ls-files -- "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -c -v -E '^\s*($|//)' || true; }

tests=$(count tests bench)
code=$(count . ':!tests' ':!bench')
scripts=$(git ls-files -- tests | grep -E '\.(sh|py|cmake)$' | xargs -r cat | grep -c -v -E '^\s*($|#)' || true)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')
echo "test code: $tests C++ lines in tests/ and bench/ against $code lines of code: $ratio"
echo "           (and $scripts lines of shell, Python and CMake test scripts besides)"
