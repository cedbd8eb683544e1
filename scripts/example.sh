#!/usr/bin/env bash
# Sets up, builds and runs zum on the bundled example project.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
export ZEKBIN="$PWD/examples/zekbin"
build/zum ZEK -help
