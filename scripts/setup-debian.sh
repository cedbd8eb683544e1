#!/usr/bin/env bash
# Installs the Debian packages zum builds and tests with (as root, or with sudo).
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libpcre2-dev libgtest-dev libbenchmark-dev python3-jsonschema)
for extra in "$@"; do
  case "$extra" in
    --with-clang) packages+=(clang libclang-rt-14-dev) ;;
    --with-bench) packages+=(time bc) ;;
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
