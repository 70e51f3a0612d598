#!/usr/bin/env bash
# Builds everything and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default
exec build/default/bin/orbo "$@"
