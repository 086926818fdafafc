#!/usr/bin/env bash
# Installs what building and testing Quorvane needs on Debian 12: as root with apt-get, otherwise
# it prints the command to run.
set -euo pipefail

packages=(
  cmake ninja-build clang libclang-rt-14-dev g++ googletest libbenchmark-dev clang-format
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb fonts-wine imagemagick x11-utils procps
  nsis zip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Quorvane needs these Debian packages: ${missing[*]}" >&2
  echo "Run as root:  $cmd" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
