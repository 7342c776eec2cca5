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
# 32-bit Wine, which runs the shipped 32-bit exe in the 64-bit prefix (WoW64): Debian's i386
# loader beside the amd64 one. Every library it pulls in is multi-arch and must be at the same
# version for both architectures, so apt also upgrades the amd64 copies that the machine's image
# has at an older point release.
packages+=(wine32:i386)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}" >&2
dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386

# A mirror that is replacing an index serves it with a size or hash that does not match its
# release file for a while: try again after a pause, then go on with the indexes that arrived.
for pause in 15 30 0; do
  "${sudo_cmd[@]}" apt-get update -qq -o Acquire::Retries=2 && break
  [ "$pause" -eq 0 ] && echo "Some package indexes did not download; going on without them." >&2
  sleep "$pause"
done

apt_install() {
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}
apt_install "${missing[@]}" && exit 0
# Without the security archive's i386 index, a library's i386 copy exists only at the main
# archive's version while apt wants its amd64 copy from the security archive. Take both from the
# main archive then, and never remove a package to make it fit.
codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
echo "Installing again with the versions of the main archive ($codename) preferred" >&2
apt_install --no-remove -t "$codename" "${missing[@]}"
