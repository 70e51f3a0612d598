#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a windowed program with no display named anywhere, then with displays
# named that do not answer: it must print one clear line and exit 1, not abort
# inside Qt.
# Usage: NoDisplay.sh PROGRAM NAME
set -u
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
expected="$2: needs a graphical display: set DISPLAY or WAYLAND_DISPLAY"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "NoDisplay: $2 exited with status $status and said: $output" >&2
    exit 1
fi
# Display numbers and sockets nobody serves.
output=$(env -u QT_QPA_PLATFORM DISPLAY=:4093 WAYLAND_DISPLAY=orbo-no-such-compositor "$1" 2>&1)
status=$?
expected="$expected (no answer from DISPLAY :4093 or WAYLAND_DISPLAY orbo-no-such-compositor)"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "NoDisplay: $2 on silent displays exited with status $status and said: $output" >&2
    exit 1
fi
