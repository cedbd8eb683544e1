#!/usr/bin/env bash
# Installs the Debian packages zum builds and tests with (as root, or with sudo).
set -euo pipefail
# zum-scan parses C with clang 14's C++ libraries: headers in libclang-14-dev
# and llvm-14-dev, the shared library in libclang-cpp14.
packages=(g++ cmake ninja-build pkg-config libpcre2-dev libgtest-dev python3-jsonschema
          libclang-14-dev libclang-cpp14 llvm-14-dev)
for extra in "$@"; do
  case "$extra" in
    --with-clang) packages+=(clang libclang-rt-14-dev) ;;
    # The micro benchmarks (bench/, -DZUM_BENCH=ON) and the scale script;
    # bench/realworld.sh: compilation databases of make-based projects
    # (bear), clang -fsyntax-only to compare with, readelf for relocations.
    --with-bench) packages+=(libbenchmark-dev time bc bear clang binutils) ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
