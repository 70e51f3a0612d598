#!/usr/bin/env bash
# Builds everything and runs every test: the normal build under a virtual X
# server, then the whole suite again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"

for preset in default asan; do
  scripts/setup.sh "$preset"
  echo "== tests ($preset)"
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "$preset"
done
