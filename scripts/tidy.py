#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs clang-tidy over every translation unit of our own code in a build
folder and fails on any finding. A unit whose source, project headers and
flags are unchanged since it last passed is not checked again.

Usage: scripts/tidy.py BUILD
"""
import concurrent.futures
import hashlib
import json
import os
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
CACHE = os.path.join(os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "orbo-tidy")


def own_units(build):
    """Our sources, and the unity files that bundle our test sources."""
    for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
        source = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
        inside = source[len(ROOT):]
        if source.startswith(ROOT + "/") and (not inside.startswith("/build") or "/Unity/" in inside):
            yield source, entry


def header_deps(build):
    """Each object's headers inside the project, as ninja recorded them."""
    deps, current = {}, None
    listing = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True).stdout
    for line in listing.splitlines():
        if line and not line.startswith(" "):
            current = line.split(":")[0]
            deps[current] = []
        elif line.strip() and current:
            path = os.path.realpath(os.path.join(build, line.strip()))
            if path.startswith(ROOT + "/"):
                deps[current].append(path)
    return deps


def digest(paths, extra):
    h = hashlib.sha256(extra.encode())
    for path in sorted(set(paths)):
        h.update(os.path.relpath(path, ROOT).encode())  # the same in every clone
        with open(path, "rb") as f:
            h.update(f.read())
    return h.hexdigest()[:32]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    build = os.path.realpath(sys.argv[1])
    os.makedirs(CACHE, exist_ok=True)
    tidy = shutil.which("clang-tidy")
    config = open(os.path.join(ROOT, ".clang-tidy")).read() + os.path.realpath(tidy)
    deps = header_deps(build)

    pending = []
    units = list(own_units(build))
    for source, entry in units:
        headers = deps.get(entry.get("output", ""), [])
        key = digest([source] + headers, config + entry["command"].replace(ROOT, "ROOT"))
        if not os.path.exists(os.path.join(CACHE, key)):
            pending.append((source, key))
    print(f"tidy: {len(units)} units, {len(pending)} to check", flush=True)

    def check(item):
        source, key = item
        # Headers of our folders only: not those the build generates (Qt's moc files).
        own_headers = "^" + ROOT + "/(common|game|editor|qtcommon|tools|tests|bench)/"
        run = subprocess.run([tidy, "--quiet", f"--header-filter={own_headers}", "-p", build, source],
                             capture_output=True, text=True)
        findings = run.returncode != 0 or "warning:" in run.stdout or "error:" in run.stdout
        if not findings:
            open(os.path.join(CACHE, key), "w").close()
        return source, findings, run.stdout + run.stderr

    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
        for source, findings, output in pool.map(check, pending):
            if findings:
                failed += 1
                print(output)
    if failed:
        sys.exit(f"tidy: findings in {failed} units")
    print("tidy: clean")


if __name__ == "__main__":
    main()
