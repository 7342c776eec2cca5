#!/usr/bin/env bash
# Installs every package the builds, tests and demo need. Idempotent: does nothing
# when all packages are already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config libgtest-dev googletest libbenchmark-dev libpng-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 libwine fonts-wine xvfb xauth xdotool imagemagick x11-utils clang-format python3
)
# Release signing (osslsigncode, openssl) and the fuzz targets (clang with libFuzzer).
packages+=(osslsigncode openssl clang libclang-rt-dev)
# The payload's digest: XXH3-128 from xxhash.h (header-only in every build) and xxh128sum, which
# computes it at build time.
packages+=(libxxhash-dev xxhash)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}" >&2
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
