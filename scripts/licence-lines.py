#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every source file of ours names its licence on its first line
(after a #! line, where there is one). With --fix, adds the line where it is
missing. Lists the files without it and fails otherwise."""
import subprocess
import sys

LICENCE = "SPDX-License-Identifier: GPL-3.0-or-later"
COMMENT_BY_SUFFIX = {".cpp": "//", ".h": "//", ".sh": "#", ".py": "#", ".cmake": "#", "CMakeLists.txt": "#"}
EXTRA_SCRIPTS = [".ci/run"]


def comment_of(path):
    for suffix, comment in COMMENT_BY_SUFFIX.items():
        if path.endswith(suffix):
            return comment
    return "#" if path in EXTRA_SCRIPTS else None


def licence_line_index(lines):
    return 1 if lines and lines[0].startswith("#!") else 0


def main():
    fix = "--fix" in sys.argv[1:]
    tracked = subprocess.run(["git", "ls-files"], check=True, capture_output=True, text=True).stdout.split("\n")
    missing = []
    for path in filter(None, tracked):
        comment = comment_of(path)
        if comment is None:
            continue
        with open(path, encoding="utf-8") as file:
            lines = file.read().split("\n")
        at = licence_line_index(lines)
        wanted = f"{comment} {LICENCE}"
        if at < len(lines) and lines[at] == wanted:
            continue
        if fix:
            lines.insert(at, wanted)
            with open(path, "w", encoding="utf-8") as file:
                file.write("\n".join(lines))
        else:
            missing.append(path)
    if missing:
        print("no licence line (" + LICENCE + ") at the top of:", *missing, sep="\n  ", file=sys.stderr)
        print("scripts/check-format.sh --fix adds it", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
