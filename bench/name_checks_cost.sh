#!/usr/bin/env bash
# What the six name checks (typedefReuse, duplicateDefinition,
# incompatibleDeclaration, duplicateDeclaration, identifierReuse,
# duplicateFilenames) add to a run of the generated projects.
#
#   bash bench/name_checks_cost.sh [--pairs N] [--flavours "c c++"] [--sources 5000] [--keep DIR]
#
# Builds a scratch copy of this tree in which an environment variable
# leaves the six modules out of the registry, so that both sides of the
# comparison are one binary (two builds differ in code layout, which moves
# a run by a few per cent on its own). Then runs that binary on each
# project with and without the checks in alternating pairs, each pair in
# the order opposite to the one before (a run's deleted output frees page
# cache for the next one), and prints the medians, the best runs and the
# median of the pair ratios of CPU time (user + system) and wall time.
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=10
flavours="c c++"
sources=5000
keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --pairs) pairs="$2"; shift 2 ;;
    --flavours) flavours="$2"; shift 2 ;;
    --sources) sources="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    *) echo "usage: bench/name_checks_cost.sh [--pairs N] [--flavours \"c c++\"] [--sources N] [--keep DIR]" >&2; exit 2 ;;
  esac
done
[ -x /usr/bin/time ] || { echo "bench/name_checks_cost.sh needs /usr/bin/time (Debian package: time)" >&2; exit 2; }

work="${keep:-$(mktemp -d "${TMPDIR:-/tmp}/zum-namecost-XXXXXX")}"
mkdir -p "$work"
[ -z "$keep" ] && trap 'rm -rf "$work"' EXIT

# The scratch copy and its switch.
copy="$work/tree"
rm -rf "$copy"
mkdir -p "$copy"
cp -r CMakeLists.txt src tools tests bench data "$copy"/
python3 - "$copy/src/app/ModuleRegistry.cpp" <<'EOF'
import re, sys
path = sys.argv[1]
text = open(path).read()
for name in ["typedefReuse", "duplicateDefinition", "incompatibleDeclaration",
             "duplicateDeclaration", "identifierReuse", "duplicateFilenames"]:
    text, count = re.subn(r'(\n\s*)(slots\.push_back\(\{"%s",[^\n]*\);)' % name,
                          r'\1if (!std::getenv("ZUM_WITHOUT_NAME_CHECKS")) \2', text)
    if count != 1:
        sys.exit("bench/name_checks_cost.sh: no registry slot for " + name)
text = text.replace("namespace zum {", "#include <cstdlib>\n\nnamespace zum {", 1)
open(path, "w").write(text)
EOF
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$copy" -B "$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUM_BENCH=ON "${launcher[@]}" >/dev/null
cmake --build "$copy/build" --target zum zum-genproject >/dev/null
zum="$copy/build/zum"

# One run: prints "user system wall".
run() {  # dir product with|without
  local envx=()
  [ "$3" = without ] && envx=(ZUM_WITHOUT_NAME_CHECKS=1)
  rm -f "$1/project.met" "$1/project.err"
  (cd "$1" && env "${envx[@]}" ZEKBIN="$1/zekbin" ZEKPPBIN="$1/zekbin" \
    /usr/bin/time -f '%U %S %e' -o "$1/time.txt" "$zum" "$2" -cmaf project -list sources.lst >/dev/null 2>&1)
  tail -1 "$1/time.txt"
}

for flavour in $flavours; do
  product=ZEK
  [ "$flavour" = "c++" ] && product=ZEKPP
  dir="$work/$flavour-$sources"
  if [ ! -f "$dir/sources.lst" ]; then
    "$copy/build/zum-genproject" -o "$dir" --sources "$sources" --lang "$flavour" -q
    mkdir -p "$dir/zekbin"
    : >"$dir/zekbin/zek.cfg"
    : >"$dir/zekbin/zekpp.cfg"
  fi
  sync
  cat "$dir"/*.met >/dev/null
  log="$work/$flavour-$sources.pairs"
  : >"$log"
  run "$dir" "$product" with >/dev/null  # warms the caches; not counted
  for i in $(seq "$pairs"); do
    order="with without"
    [ $((i % 2)) = 0 ] && order="without with"
    for side in $order; do echo "$i $side $(run "$dir" "$product" "$side")" >>"$log"; done
  done
  python3 - "$log" "$flavour" "$sources" <<'EOF'
import statistics, sys
rows = [line.split() for line in open(sys.argv[1]) if line.strip()]
runs = {"with": {}, "without": {}}
for pair, side, user, system, wall in rows:
    runs[side][int(pair)] = {"cpu": float(user) + float(system), "wall": float(wall)}
pairs = sorted(set(runs["with"]) & set(runs["without"]))
print(f"{sys.argv[2]}, {sys.argv[3]} sources, {len(pairs)} pairs")
for measure in ("cpu", "wall"):
    a = [runs["with"][p][measure] for p in pairs]
    b = [runs["without"][p][measure] for p in pairs]
    ratio = statistics.median(runs["with"][p][measure] / runs["without"][p][measure] for p in pairs)
    print(f"  {measure:4}  with {min(a):6.2f} best {statistics.median(a):6.2f} median   "
          f"without {min(b):6.2f} best {statistics.median(b):6.2f} median   "
          f"added: {100 * (ratio - 1):+5.1f}% pair-ratio median, "
          f"{100 * (statistics.median(a) / statistics.median(b) - 1):+5.1f}% median/median, "
          f"{100 * (min(a) / min(b) - 1):+5.1f}% best/best")
EOF
done
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(free -g | awk '/Mem:/{print $2}') GiB"
