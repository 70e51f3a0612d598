# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests that drive real windows under Xvfb; sourced.

# Polls a condition for at most the given seconds.
waitFor() {
    local end=$((SECONDS + $1))
    shift
    while ((SECONDS < end)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# The first window whose whole title is the given one; empty when there is none.
windowNamed() { xdotool search --name "^$1\$" 2>/dev/null | head -1; }

# The play screen reads the keyboard only once the title picture has gone, so
# Esc is held again and again until the condition says the session noticed it.
holdEscUntil() {
    for ((attempt = 0; attempt < 20; ++attempt)); do
        xdotool keydown Escape
        sleep 0.3
        xdotool keyup Escape
        waitFor 2 "$@" && return 0
    done
    return 1
}
