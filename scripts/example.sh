#!/usr/bin/env bash
# Sets up, builds and runs zum's main job on a bundled example:
#
#   bash scripts/example.sh            # examples/inventory, a five-source C project
#   bash scripts/example.sh ledger     # examples/ledger, a five-source C++ project
#
# Each example holds the metric and error files that the per-file analyser
# left for its sources (the C++ example also its sources, in src/). The
# script runs zum over them as a multi-file run and shows the project
# findings (the project error file, through zum-report, also written as
# SARIF) and the project metrics (the project metric file).
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-inventory}"
case "$example" in
  inventory) product=ZEK; options=() ;;
  # The C++ run also checks member encapsulation, whose threshold is a
  # module option, and names that differ in letter case only or agree in
  # their first 12 characters.
  ledger) product=ZEKPP
          options=(-prodoption class::member_encapsulation_ratio=0.4 -prodoption close_name::any_case+
                   -prodoption close_name::sig_char=12) ;;
  *) echo "usage: bash scripts/example.sh [inventory|ledger]" >&2; exit 2 ;;
esac
bash scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zum zum-report
export ZEKBIN="$PWD/examples/zekbin" ZEKPPBIN="$PWD/examples/zekbin"

# zum appends to the project files it finds, and reads them back as the
# project's last source: every run starts from a fresh copy.
run=build/example-run
rm -rf "$run"
mkdir -p "$run"
cp examples/"$example"/*.met examples/"$example"/*.err examples/"$example"/*.lst "$run"/
cd "$run"

echo "\$ zum $product -cmaf $example ${options[*]} -list $example.lst"
../zum "$product" -cmaf "$example" "${options[@]}" -list "$example.lst"
echo
echo "\$ zum-report $example.err --sarif $example.sarif"
../zum-report "$example.err" --sarif "$example.sarif"
echo
# C++ names in the metric file keep the bytes that mark their template and
# parameter lists; they are shown here as the source spells them.
spelt() { LC_ALL=C sed $'s/\x8c/</g; s/\x8d/>/g; s/\x8e/(/g; s/\x8f/)/g; s/\x90/,/g'; }
echo "Metrics ($example.met):"
tr -d '\r' < "$example.met" | spelt
