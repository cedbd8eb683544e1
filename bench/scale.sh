#!/usr/bin/env bash
# Scale benchmark: generates synthetic projects of several sizes, runs a full
# multi-file zum over each and prints, per project, the input size, zum's
# wall time, throughput, peak resident memory and time per input line, next
# to the time `wc -l` takes over the same metric files (the floor).
#
#   bash bench/scale.sh [--sizes "100 1000 5000"] [--flavours "c c++"] [--keep DIR]
#
# Each time is the best of ZUM_SCALE_RUNS runs (3 by default): on a shared
# machine the best run is the one least disturbed by others.
# Builds build-release/ first unless ZUM_BUILD_DIR names a ready tree.
set -euo pipefail
cd "$(dirname "$0")/.."

sizes="100 1000 5000"
flavours="c c++"
keep=""
while [ $# -gt 0 ]; do
  case "$1" in
    --sizes) sizes="$2"; shift 2 ;;
    --flavours) flavours="$2"; shift 2 ;;
    --keep) keep="$2"; shift 2 ;;
    *) echo "usage: bench/scale.sh [--sizes \"100 1000\"] [--flavours \"c c++\"] [--keep DIR]" >&2; exit 2 ;;
  esac
done

build="${ZUM_BUILD_DIR:-build-release}"
if [ -z "${ZUM_BUILD_DIR:-}" ]; then
  bash scripts/setup-debian.sh --with-bench
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUM_BENCH=ON >/dev/null
  cmake --build "$build" --target zum zum-genproject >/dev/null
fi
zum="$PWD/$build/zum"
gen="$PWD/$build/zum-genproject"
[ -x /usr/bin/time ] || { echo "bench/scale.sh needs /usr/bin/time (Debian package: time)" >&2; exit 2; }

work="${keep:-$(mktemp -d "${TMPDIR:-/tmp}/zum-scale-XXXXXX")}"
mkdir -p "$work"
[ -z "$keep" ] && trap 'rm -rf "$work"' EXIT

runs="${ZUM_SCALE_RUNS:-3}"

seconds() { # runs "$@" $runs times, prints the best wall time in seconds
  local start end took best=""
  for _ in $(seq "$runs"); do
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || return 1
    end=$(date +%s.%N)
    took=$(echo "$end - $start" | bc -l)
    if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
  done
  echo "$best"
}

printf '%-7s %7s %10s %11s %9s %9s %9s %10s %9s %7s\n' \
  flavour sources "MB in" lines "zum s" "MB/s" "peak MB" "ns/line" "wc -l s" "ratio"
for flavour in $flavours; do
  product=ZEK
  [ "$flavour" = "c++" ] && product=ZEKPP
  for n in $sizes; do
    dir="$work/$flavour-$n"
    rm -rf "$dir"
    "$gen" -o "$dir" --sources "$n" --lang "$flavour" -q
    bytes=$(cat "$dir"/*.met | wc -c)
    lines=$(cat "$dir"/*.met | wc -l)
    # Write the new files out first (writeback running beside a timed run
    # slows it), then warm the page cache so both measurements read from
    # memory.
    sync
    cat "$dir"/*.met >/dev/null
    wc_s=$(cd "$dir" && seconds sh -c 'wc -l *.met')
    # The compiler directory holds an empty configuration file, as after
    # an installation.
    mkdir -p "$dir/zekbin"
    : >"$dir/zekbin/zek.cfg"
    : >"$dir/zekbin/zekpp.cfg"
    run_zum() {
      rm -f "$dir/project.met" "$dir/project.err"
      (cd "$dir" && ZEKBIN="$dir/zekbin" ZEKPPBIN="$dir/zekbin" \
        /usr/bin/time -f '%M' -o "$dir/time.txt" "$zum" "$product" -cmaf project -list sources.lst >/dev/null 2>"$dir/zum.err")
    }
    zum_s=$(seconds run_zum) || { echo "zum failed on $dir:"; tail -5 "$dir/zum.err"; exit 1; }
    peak_kb=$(tail -1 "$dir/time.txt")
    printf '%-7s %7d %10.1f %11d %9.2f %9.1f %9.1f %10.1f %9.3f %7.1f\n' \
      "$flavour" "$n" "$(echo "$bytes/1000000" | bc -l)" "$lines" "$zum_s" \
      "$(echo "$bytes/1000000/$zum_s" | bc -l)" "$(echo "$peak_kb/1000" | bc -l)" \
      "$(echo "$zum_s*1000000000/$lines" | bc -l)" "$wc_s" "$(echo "$zum_s/$wc_s" | bc -l)"
    [ -z "$keep" ] && rm -rf "$dir"
  done
done
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(free -g | awk '/Mem:/{print $2}') GiB"
