#!/usr/bin/env bash
# Starts a windowed program with no display named anywhere: it must print one
# clear line and exit 1, not abort inside Qt.
# Usage: NoDisplay.sh PROGRAM NAME
set -u
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
expected="$2: needs a graphical display: set DISPLAY or WAYLAND_DISPLAY"
if [ "$status" -eq 1 ] && [ "$output" = "$expected" ]; then exit 0; fi
echo "NoDisplay: $2 exited with status $status and said: $output" >&2
exit 1
