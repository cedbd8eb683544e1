#!/usr/bin/env bash
# zum-scan and zum over real C and C++ projects (the unmodified sources
# under ../shared/realworld, read-only: everything is built out of tree in
# $WORK).
#
# Per project: its compilation database (CMake's export for zlib and ninja,
# bear over the makefile for Lua), then the whole chain, timed:
#   - units and lines scanned;
#   - zum-scan's CPU time (user+sys of all its processes) next to
#     clang -fsyntax-only over the same units, and its wall time with -j 1
#     and -j 2;
#   - zum's time and peak memory over the result, and its findings per
#     message;
#   - for the C projects, the check against the linker
#     (bench/linker_check.py): unused, own-file and other-file externals as
#     zum finds them and as the relocations of the object files show them.
# Times are the smallest of $RUNS runs: other work on the machine only ever
# adds to a time.
#
# usage: bash bench/realworld.sh [zlib] [lua] [ninja]
# environment: REALWORLD (../shared/realworld), WORK (/tmp/zum-realworld),
# BUILD (build-release, configured and built here when missing), RUNS (3).
set -euo pipefail
trap 'echo "realworld.sh: a step failed (line $LINENO)" >&2' ERR
cd "$(dirname "$0")/.."
repo=$PWD
# The sources lie in shared/realworld beside the repository (or beside the
# folder of its worktrees).
if [ -z "${REALWORLD:-}" ]; then
  for candidate in ../shared/realworld ../../shared/realworld; do
    [ -d "$candidate" ] && REALWORLD=$(cd "$candidate" && pwd) && break
  done
fi
REALWORLD=${REALWORLD:?set REALWORLD to the folder holding zlib and lua}
WORK=${WORK:-/tmp/zum-realworld}
BUILD=${BUILD:-build-release}
RUNS=${RUNS:-3}
projects=("$@")
[ ${#projects[@]} -eq 0 ] && projects=(zlib lua ninja)
python=/usr/bin/python3
clang=$(command -v clang-14 || command -v clang)

bash scripts/setup-debian.sh --with-bench
if [ ! -x "$BUILD/zum-scan" ] || [ ! -x "$BUILD/zum" ] || [ ! -x "$BUILD/zum-report" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUM_BENCH=OFF >/dev/null
  cmake --build "$BUILD" --target zum zum-scan zum-report
fi
scan="$repo/$BUILD/zum-scan"
zum="$repo/$BUILD/zum"
mkdir -p "$WORK"

# The compilation database of a project, in $WORK/<project>/build.
database() {
  local project=$1 dir=$WORK/$1/build
  [ -f "$dir/compile_commands.json" ] && return
  rm -rf "$dir"
  mkdir -p "$dir"
  case $project in
    # zlib renames its zconf.h in the source tree for an out-of-tree build
    # unless told not to.
    zlib) cmake -S "$REALWORLD/zlib" -B "$dir" -G Ninja -DRENAME_ZCONF=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null ;;
    # Lua's own makefile builds in the current directory; VPATH finds the
    # sources.
    lua) (cd "$dir" && bear --output compile_commands.json -- \
            make -s -f "$REALWORLD/lua/makefile" VPATH="$REALWORLD/lua" -j 2 >/dev/null) ;;
    # One unit of ninja includes a header its build generates.
    ninja) cmake -S "$REALWORLD/ninja" -B "$dir" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
             >/dev/null && ninja -C "$dir" build/browse_py.h >/dev/null ;;
    *) echo "realworld.sh: unknown project $project" >&2; exit 2 ;;
  esac
}

# Runs a command $RUNS times; prints "cpu wall peak_kb" of the run with the
# least CPU time (user+sys, children included).
measure() {
  local best="" line
  for _ in $(seq "$RUNS"); do
    line=$(/usr/bin/time -f "%U %S %e %M" "$@" 2>&1 >/dev/null | tail -1)
    line=$(awk '{printf "%.2f %.2f %d\n", $1 + $2, $3, $4}' <<<"$line")
    if [ -z "$best" ] || awk -v a="$line" -v b="$best" 'BEGIN{split(a,x," ");split(b,y," ");exit !(x[1]<y[1])}'; then
      best=$line
    fi
  done
  echo "$best"
}

field() { awk -v n="$2" '{print $n}' <<<"$1"; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN{print a - b}'; }

# $WORK/empty: a compilation database of $1 empty sources.
empty_units() {
  local dir=$WORK/empty count=$1
  rm -rf "$dir"
  mkdir -p "$dir"
  local json="" i
  for ((i = 0; i < count; i++)); do
    : >"$dir/e$i.c"
    json+="${json:+,}{\"directory\": \"$dir\", \"arguments\": [\"cc\", \"-c\", \"e$i.c\"], \"file\": \"e$i.c\"}"
  done
  echo "[$json]" >"$dir/compile_commands.json"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", (b > 0 ? a / b : 0)}'; }

table="| project | units | lines | scan CPU s | clang -fsyntax-only CPU s | ratio | start-ups: scan, clang s | ratio beyond start-ups | scan wall -j 1 s | -j 2 s | zum s | zum peak MB | scan peak MB |
|---|---|---|---|---|---|---|---|---|---|---|---|---|"
findings=""
agreement=""
loads=""
status=0
for project in "${projects[@]}"; do
  echo "== $project" >&2
  database "$project"
  db=$WORK/$project/build/compile_commands.json
  out=$WORK/$project/out
  units=$($python -c 'import json,sys,os; print(len({os.path.normpath(os.path.join(e["directory"], e["file"])) for e in json.load(open(sys.argv[1]))}))' "$db")
  lines=$($python -c 'import json,sys,os; print(sum(sum(1 for _ in open(f, errors="replace")) for f in {os.path.normpath(os.path.join(e["directory"], e["file"])) for e in json.load(open(sys.argv[1]))}))' "$db")

  scan1=$(measure "$scan" -q -p "$db" -o "$out" -j 1)
  scan2=$(measure "$scan" -q -p "$db" -o "$out" -j 2)
  syntax=$(measure "$python" bench/syntax_only.py "$db" "$clang" 1)
  # What each spends on a unit before its text counts: as many empty
  # units (clang loads its libraries for each; zum-scan once, then forks).
  empty_units "$units"
  startups=$(measure bash -c "for i in \$(seq 0 $((units - 1))); do '$clang' -fsyntax-only -w '$WORK/empty/e'\$i.c; done")
  scanStartups=$(measure "$scan" -q -p "$WORK/empty" -o "$WORK/empty/out" -j 1)
  load=$(cut -d' ' -f1-3 /proc/loadavg)

  product=ZEK
  [ "$project" = ninja ] && product=ZEKPP
  export ZEKBIN=$out/zumbin ZEKPPBIN=$out/zumbin TMP=${TMPDIR:-/tmp}
  mkdir -p "$ZEKBIN" && touch "$ZEKBIN/zek.cfg" "$ZEKBIN/zekpp.cfg"
  # zum appends to its project files and reads them back: start without.
  rm -f "$out"/project.*
  run=$(measure bash -c "rm -f '$out'/project.*; '$zum' $product -cmaf '$out/project' -list '$out/sources.lst'")
  rm -f "$out"/project.*
  "$zum" "$product" -cmaf "$out/project" -list "$out/sources.lst" -debug simpleoutput >"$out/findings.txt"
  rm -f "$out"/project.*

  table+="
| $project | $units | $lines | $(field "$scan1" 1) | $(field "$syntax" 1) | $(ratio "$(field "$scan1" 1)" "$(field "$syntax" 1)") | $(field "$scanStartups" 1), $(field "$startups" 1) | $(ratio "$(minus "$(field "$scan1" 1)" "$(field "$scanStartups" 1)")" "$(minus "$(field "$syntax" 1)" "$(field "$startups" 1)")") | $(field "$scan1" 2) | $(field "$scan2" 2) | $(field "$run" 2) | $(( $(field "$run" 3) / 1024 )) | $(( $(field "$scan1" 3) / 1024 )) |"
  counts=$(grep -oE '^[^ ]*: Msg=[0-9]+' "$out/findings.txt" | sed 's/.*Msg=//' | sort -n | uniq -c | awk '{printf "%s%s: %s", (NR > 1 ? ", " : ""), $2, $1}')
  findings+="
- $project: ${counts:-none}"
  loads+="
- $project: load average $load (1, 5, 15 minutes) after its timings"
  # The linker's names of C++ functions are not zum's: C projects only.
  [ "$product" = ZEKPP ] && continue
  echo "linker check of $project" >&2
  if check=$($python bench/linker_check.py "$db" "$WORK/$project/objs" "$out/findings.txt"); then :; else status=1; fi
  agreement+="
$project:
$check"
done

echo
echo "$table"
echo "Machine: $(nproc) cores;$loads"
echo
echo "Findings per message (top-level messages of zum's run):$findings"
echo
echo "Agreement with the linker (per class: zum's findings that the linker confirms, and the linker's that zum finds):$agreement"
exit $status
