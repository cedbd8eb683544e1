#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ (NAME_fuzz.cpp) with clang, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs each for
# SECONDS (default 60) from its seeds in fuzz/corpus/NAME. What the fuzzer
# learns goes to build-fuzz/corpus/NAME, so the seeds stay as they are and
# a later run goes on from there. An input that makes a target fail is kept
# in build-fuzz/findings/NAME/ with the target's log beside it, and the
# script then exits with 1.
#
#   bash scripts/fuzz.sh [SECONDS] [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
bash scripts/setup-debian.sh --with-clang

dir=build-fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUM_FUZZ=ON \
  -DZUM_BENCH=OFF "${launcher[@]}" >/dev/null

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do names+=("$(basename "$source" _fuzz.cpp)"); done
fi
cmake --build "$dir" --target "${names[@]/#/zum_fuzz_}"

failed=()
for name in "${names[@]}"; do
  work="$dir/corpus/$name"
  findings="$dir/findings/$name"
  log="$dir/findings/$name.log"
  mkdir -p "$work" "$findings"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  # The whole-run targets cover some 25,000 features an input: weighing
  # them (the entropic schedule) took 40% of their time, so they go without.
  schedule=()
  case $name in metricfile | projectmetric) schedule=(-entropic=0) ;; esac
  # -close_fd_mask=3: what the program prints about damaged input is noise here.
  if "$dir/fuzz/zum_fuzz_$name" -max_total_time="$seconds" -close_fd_mask=3 -print_final_stats=1 \
      "${schedule[@]}" -artifact_prefix="$findings/" "$work" "${seeds[@]}" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$name: ${runs:-?} inputs in ${seconds}s, nothing found"
  else
    failed+=("$name")
    echo "$name: FAILED; the input is in $findings/, the log in $log"
    grep -m 30 -E "ERROR|SUMMARY|Assertion|==[0-9]+==|deadly|exited" "$log" || tail -30 "$log"
  fi
done
[ ${#failed[@]} -eq 0 ] || { echo "fuzzing found failures in: ${failed[*]}"; exit 1; }
