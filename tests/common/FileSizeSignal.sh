#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Both programs ignore SIGXFSZ from their first line, so a write over the
# file-size limit fails like one on a full disk instead of killing them.
# Each runs as a copy in a folder of its own, so that the game's start-up does
# not rewrite pictures beside the build that other tests read; it starts with
# the signal's default disposition, whatever the test run inherited.
# Usage: FileSizeSignal.sh PROGRAM...
set -u
xfsz_bit=$((1 << ($(kill -l XFSZ) - 1)))
for built in "$@"; do
  dir=$(mktemp -d)
  cp "$built" "$dir/program"
  QT_QPA_PLATFORM=offscreen env --default-signal=XFSZ "$dir/program" > /dev/null 2>&1 &
  pid=$!
  ignored=false
  # Looked at until it says so or ends, a few seconds at most.
  for ((look = 0; look < 600; ++look)); do
    mask=$(sed -n 's/^SigIgn:\s*//p' "/proc/$pid/status" 2>/dev/null)
    [ -n "$mask" ] || break
    if (((16#$mask & xfsz_bit) != 0)); then
      ignored=true
      break
    fi
    sleep 0.02
  done
  kill -KILL "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  rm -rf "$dir"
  if ! $ignored; then
    echo "FileSizeSignal: $built does not ignore SIGXFSZ" >&2
    exit 1
  fi
done
