#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orbo-assetgen writes the same bytes on every run; without a folder to write
# into it has nowhere to write, which is a failure, not a success.
# Usage: Determinism.sh ORBO_ASSETGEN
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/first" "$work/second"
if ! "$1" "$work/first" 2> /dev/null || ! "$1" "$work/second" 2> /dev/null; then
  echo "Determinism: orbo-assetgen failed" >&2
  exit 1
fi
if [ -z "$(ls -A "$work/first")" ] || ! diff -r "$work/first" "$work/second" >&2; then
  echo "Determinism: two runs wrote nothing or different files" >&2
  exit 1
fi
if "$1" 2> /dev/null; then
  echo "Determinism: orbo-assetgen without a folder exited 0" >&2
  exit 1
fi
