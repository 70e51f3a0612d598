#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default
exec build/default/bin/orbo "$@"
