#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: the format and tidy checks, the normal
# build under a virtual X server, the whole suite again under AddressSanitizer
# and UBSan, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh default
echo "== format"
scripts/check-format.sh
echo "== tests (default)"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset default
echo "== tidy"
scripts/tidy.py build/default

scripts/setup.sh asan
echo "== tests (asan)"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset asan

echo "== fuzz"
tests/fuzz/run-fuzz.sh

echo "== test code"
scripts/test-ratio.sh
