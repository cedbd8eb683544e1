#!/usr/bin/python3
"""Runs `clang -fsyntax-only` over the units of a compilation database, the
work zum-scan's cost is compared with: the same units (each source once),
the same command lines without output files and warnings.

usage: syntax_only.py DATABASE CLANG [JOBS]
"""

import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

DROPPED_WITH_VALUE = {"-o", "-MF", "-MT", "-MQ"}
DROPPED_PREFIXES = ("-M", "-c")
LAUNCHERS = {"ccache", "sccache", "distcc", "icecc"}
CXX_EXTENSIONS = (".cc", ".cpp", ".cxx", ".c++", ".C", ".cp", ".CPP", ".ii")


def commands(database, clang):
    seen = set()
    for entry in json.load(open(database)):
        args = entry.get("arguments") or shlex.split(entry["command"])
        while len(args) > 1 and os.path.basename(args[0]) in LAUNCHERS:
            args = args[1:]
        directory = entry["directory"]
        source = os.path.normpath(os.path.join(directory, entry["file"]))
        if source in seen:
            continue
        seen.add(source)
        kept = [clang]
        skip = False
        for arg in args[1:]:
            if skip:
                skip = False
            elif arg in DROPPED_WITH_VALUE:
                skip = True
            elif not arg.startswith(DROPPED_PREFIXES):
                kept.append(arg)
        # As zum-scan does: a C++ unit without -std gets the compilers'
        # own default, not clang 14's older one.
        if source.endswith(CXX_EXTENSIONS) and not any(a.startswith("-std=") for a in kept):
            kept.insert(1, "-std=gnu++17")
        yield kept + ["-fsyntax-only", "-w"], directory


def run(job):
    args, directory = job
    return subprocess.run(args, cwd=directory).returncode


def main():
    database, clang = sys.argv[1], sys.argv[2]
    jobs = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        failed = sum(1 for code in pool.map(run, commands(database, clang)) if code != 0)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
