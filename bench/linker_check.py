#!/usr/bin/python3
"""Checks zum's findings about external functions and objects against the
linker's view of the same project.

Each unit of the compilation database is compiled again with -O0 -fPIE
-fno-inline (no inlining, nothing optimised away, and unlike -fPIC a
function's call to itself keeps its relocation), and the relocations of
the object files (readelf -r) tell, for every global function and object,
which object files refer to it. Three classes are compared with zum's:

  unused      nothing refers to it               zum 1502, 1503
  own file    only its own object file does      zum 1504, 1505, 1514
  other file  exactly one other object file does zum 1531, 1532, 1533

For each class the agreement is given both ways (how many of zum's are the
linker's, how many of the linker's are zum's) with every difference.

usage: linker_check.py DATABASE OBJECT_DIR ZUM_FINDINGS [JOBS]
ZUM_FINDINGS is zum's text output (-debug simpleoutput).
"""

import json
import os
import re
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

CLASSES = [
    ("unused", {1502, 1503}),
    ("own file", {1504, 1505, 1514}),
    ("other file", {1531, 1532, 1533}),
]

# Flags that change what is compiled or where the output goes.
DROPPED_WITH_VALUE = {"-o", "-MF", "-MT", "-MQ"}
DROPPED_PREFIXES = ("-O", "-g", "-flto", "-fPIC", "-fpic", "-fPIE", "-fpie", "-M", "-finline", "-c")


def units(database):
    """Each source once, with the command line to compile it for the check."""
    seen = set()
    for entry in json.load(open(database)):
        args = entry.get("arguments") or shlex.split(entry["command"])
        directory = entry["directory"]
        source = os.path.normpath(os.path.join(directory, entry["file"]))
        if source in seen:
            continue
        seen.add(source)
        kept = [args[0]]
        skip = False
        for arg in args[1:]:
            if skip:
                skip = False
                continue
            if arg in DROPPED_WITH_VALUE:
                skip = True
                continue
            if arg.startswith(DROPPED_PREFIXES) or os.path.normpath(os.path.join(directory, arg)) == source:
                continue
            kept.append(arg)
        yield source, directory, kept


def compile_unit(job):
    index, (source, directory, args), objdir = job
    obj = os.path.join(objdir, "%03d_%s.o" % (index, os.path.basename(source)))
    command = args + ["-O0", "-fPIE", "-fno-inline", "-w", "-c", source, "-o", obj]
    result = subprocess.run(command, cwd=directory, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("cannot compile %s:\n%s" % (source, result.stderr))
    return source, obj


def readelf(option, obj):
    return subprocess.run(["readelf", option, "-W", obj], capture_output=True, text=True, check=True).stdout


def linker_view(objects):
    """Global functions and objects: where each is defined and which
    object files refer to it."""
    defined = {}   # name -> list of sources defining it
    users = {}     # name -> set of sources referring to it
    for source, obj in objects:
        for line in readelf("-s", obj).splitlines():
            fields = line.split()
            if len(fields) < 8 or not fields[0].endswith(":"):
                continue
            kind, bind, index, name = fields[3], fields[4], fields[6], fields[7]
            if kind in ("FUNC", "OBJECT") and bind in ("GLOBAL", "WEAK") and index != "UND":
                defined.setdefault(name, []).append(source)
        for line in readelf("-r", obj).splitlines():
            fields = line.split()
            if len(fields) >= 5 and re.fullmatch(r"[0-9a-f]{8,}", fields[0]) and fields[2].startswith("R_"):
                name = fields[4].split("@")[0]
                users.setdefault(name, set()).add(source)
    return defined, users


def linker_classes(defined, users):
    classes = {name: {} for name, _ in CLASSES}
    skipped = []
    for name, sources in defined.items():
        if name == "main":
            continue  # called from the C library's start files, which are not compiled here
        if len(sources) > 1:
            skipped.append(name)
            continue
        home = sources[0]
        referring = users.get(name, set())
        if not referring:
            classes["unused"][name] = "no object file refers to it"
        elif referring == {home}:
            classes["own file"][name] = "only %s refers to it" % os.path.basename(home)
        elif len(referring) == 1 and home not in referring:
            classes["other file"][name] = "only %s refers to it" % os.path.basename(next(iter(referring)))
    return classes, skipped


def zum_classes(findings):
    classes = {name: {} for name, _ in CLASSES}
    pattern = re.compile(r"^.*?:\d+: Msg=(\d+) #params=\d+ \{([^,}]+)")
    for line in open(findings, errors="replace"):
        match = pattern.match(line)
        if not match:
            continue
        number, name = int(match.group(1)), match.group(2)
        for cls, numbers in CLASSES:
            if number in numbers:
                classes[cls][name] = number
    return classes


def linker_says(name, defined, users):
    if name not in defined:
        return "not a global the objects define"
    referring = sorted(os.path.basename(s) for s in users.get(name, set()))
    return "referred to from " + (", ".join(referring) if referring else "nowhere")


def main():
    database, objdir = sys.argv[1], os.path.abspath(sys.argv[2])
    findings = sys.argv[3]
    jobs = int(sys.argv[4]) if len(sys.argv) > 4 else os.cpu_count()
    os.makedirs(objdir, exist_ok=True)
    work = [(i, unit, objdir) for i, unit in enumerate(units(database))]
    with ThreadPoolExecutor(max_workers=jobs) as pool:
        objects = list(pool.map(compile_unit, work))
    defined, users = linker_view(objects)
    linker, skipped = linker_classes(defined, users)
    zum = zum_classes(findings)
    if skipped:
        print("  defined in more than one object file, left out: " + ", ".join(sorted(skipped)))
    all_agree = True
    for cls, numbers in CLASSES:
        z, l = set(zum[cls]), set(linker[cls])
        both = z & l
        zum_share = len(both) / len(z) if z else 1.0
        linker_share = len(both) / len(l) if l else 1.0
        all_agree &= zum_share >= 0.95 and linker_share >= 0.95
        print("  %-10s zum %3d, linker %3d, both %3d: %5.1f%% of zum's are the linker's, %5.1f%% of the linker's are zum's"
              % (cls, len(z), len(l), len(both), 100 * zum_share, 100 * linker_share))
        for name in sorted(z - l):
            print("    zum only:    %s (%d); the linker: %s" % (name, zum[cls][name], linker_says(name, defined, users)))
        for name in sorted(l - z):
            other = [(c, zum[c][name]) for c, _ in CLASSES if name in zum[c]]
            said = "%s (%d)" % other[0] if other else "nothing"
            print("    linker only: %s (%s); zum says %s" % (name, linker[cls][name], said))
    return 0 if all_agree else 1


if __name__ == "__main__":
    sys.exit(main())
