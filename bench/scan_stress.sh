#!/usr/bin/env bash
# zum-scan on units made to be hard, each next to `clang -fsyntax-only` on
# the same unit:
#   templates.cpp  thousands of class and function template instances (a
#                  recursive class template 800 deep, 3,000 instances of a
#                  function template, 2,000 of a class template);
#   hierarchy.cpp  a chain of 1,000 classes, each deriving from the one
#                  before, with a virtual function overridden at each level;
#   big.cpp        100,000 lines: 5,000 namespaces, each with a class, its
#                  members and a function that keeps its objects in a
#                  std::vector.
# Per unit: CPU time (user+sys, the smallest of $RUNS runs), the ratio, and
# the peak memory of zum-scan (its largest process) and of clang.
#
# usage: bash bench/scan_stress.sh
# environment: WORK (/tmp/zum-stress), BUILD (build-release), RUNS (3),
# UNITS ("templates hierarchy big").
set -euo pipefail
cd "$(dirname "$0")/.."
WORK=${WORK:-/tmp/zum-stress}
BUILD=${BUILD:-build-release}
RUNS=${RUNS:-3}
scan="$PWD/$BUILD/zum-scan"
clang=$(command -v clang-14 || command -v clang)
[ -x "$scan" ] || { echo "scan_stress.sh: build $BUILD/zum-scan first" >&2; exit 2; }
mkdir -p "$WORK"

gen_templates() {
  echo 'template <int N> struct Count { static const int value = Count<N - 1>::value + 1; };'
  echo 'template <> struct Count<0> { static const int value = 0; };'
  echo 'template <typename T, int N> T twice(T t) { return Count<N % 800>::value + t + t; }'
  echo 'template <int N> struct Cell { int value = N; int get() const { return value + twice<int, N>(N); } };'
  echo 'int deep = Count<800>::value;'
  echo 'long all() {'
  echo '  long sum = 0;'
  for ((i = 0; i < 3000; i++)); do echo "  sum += twice<long, $i>($i);"; done
  for ((i = 0; i < 2000; i++)); do echo "  sum += Cell<$i>().get();"; done
  echo '  return sum;'
  echo '}'
}

gen_hierarchy() {
  echo 'struct Level0 { virtual ~Level0() {} virtual int depth() const { return 0; } };'
  for ((i = 1; i < 1000; i++)); do
    echo "struct Level$i : Level$((i - 1)) { int depth() const override { return Level$((i - 1))::depth() + 1; } };"
  done
  echo 'int bottom() { Level999 last; return last.depth(); }'
}

gen_big() {
  echo '#include <vector>'
  for ((i = 0; i < 5000; i++)); do
    cat <<UNIT
namespace n$i {
// Item $i of 5,000.
struct Item {
  Item() : value($i) {}
  int get() const { return value; }
  void set(int v) { value = v; }
  int value;
};
int use(std::vector<Item>& items) {
  int sum = 0;
  for (const Item& item : items) {
    if (item.get() > $i) sum += item.get();
    else sum -= 1;
  }
  Item extra;
  extra.set(sum);
  items.push_back(extra);
  return sum + extra.get();
}
}  // namespace n$i
UNIT
  done
}

# "cpu peak_kb" of the run with the least CPU time.
measure() {
  local best="" line
  for _ in $(seq "$RUNS"); do
    line=$(/usr/bin/time -f "%U %S %M" "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.2f %d\n", $1 + $2, $3}')
    if [ -z "$best" ] || awk -v a="$line" -v b="$best" 'BEGIN{split(a,x," ");split(b,y," ");exit !(x[1]<y[1])}'; then
      best=$line
    fi
  done
  echo "$best"
}

echo "| unit | lines | scan CPU s | clang -fsyntax-only CPU s | ratio | scan peak MB | clang peak MB |"
echo "|---|---|---|---|---|---|---|"
for unit in ${UNITS:-templates hierarchy big}; do
  dir=$WORK/$unit
  rm -rf "$dir"
  mkdir -p "$dir"
  "gen_$unit" >"$dir/$unit.cpp"
  echo "[{\"directory\": \"$dir\", \"arguments\": [\"c++\", \"-std=c++17\", \"-c\", \"$unit.cpp\"], \"file\": \"$unit.cpp\"}]" \
    >"$dir/compile_commands.json"
  scanned=$(measure "$scan" -q -p "$dir" -o "$dir/out" -j 1)
  [ -f "$dir/out/$unit.cpp.met" ] || { echo "scan_stress.sh: $unit.cpp was not scanned" >&2; exit 1; }
  syntax=$(cd "$dir" && measure "$clang" -fsyntax-only -w -std=c++17 "$unit.cpp")
  awk -v u="$unit" -v l="$(wc -l <"$dir/$unit.cpp")" -v s="$scanned" -v c="$syntax" 'BEGIN{
    split(s, a, " "); split(c, b, " ");
    printf "| %s | %d | %.2f | %.2f | %.2f | %d | %d |\n", u, l, a[1], b[1], (b[1] > 0 ? a[1] / b[1] : 0), a[2] / 1024,
      b[2] / 1024 }'
done
echo
echo "Load average after the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
