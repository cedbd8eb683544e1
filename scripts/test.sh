#!/usr/bin/env bash
# Sets up, builds and runs every test. With "sanitize": the same in a
# separate tree built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
if [ "${1:-}" = "sanitize" ]; then
  dir=build-sanitize
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZUM_SANITIZE=ON -DZUM_BENCH=OFF
else
  dir=build
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
