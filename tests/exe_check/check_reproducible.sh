#!/usr/bin/env bash
# Builds the product a second time, from a copy of the sources in another folder and without
# ccache, and checks that the exe comes out byte for byte the same as the given build's: the
# updater and the payload it carries (the stand-in, built again from the copy, unless the given
# build names a payload of its own). A signed exe is compared without its signature and except
# its checksum field. Each run starts from an empty work folder.
#
#   check_reproducible.sh <source dir> <build dir> <work dir, outside the sources or in their build folder>
set -euo pipefail
source_dir="$(cd "$1" && pwd)"
build_dir="$(cd "$2" && pwd)"
mkdir -p "$3"
work="$(cd "$3" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/pass_fail.sh"

cached() {  # cached <variable>: its value in the given build's CMake cache
  sed -n "s/^$1:[A-Z]*=//p" "$build_dir/CMakeCache.txt"
}
payload="$(cached UPDATER_PAYLOAD)"
version="$(cached UPDATER_BUILD_VERSION)"
signed="$(cached UPDATER_EXE_SIGNED)"
exe="$build_dir/UpTK294Q.exe"

copy="$work/sources"
rebuilt="$work/build"
rm -rf "$copy" "$rebuilt" "$work/unsigned.exe"
mkdir -p "$copy"
# The sources as the build sees them: what git tracks or would track, changed or not, or
# without git everything but the build folders.
existing() {  # reads NUL-separated paths, writes those that exist (a deleted file stays tracked)
  local f
  while IFS= read -r -d '' f; do
    [ -e "$f" ] && printf '%s\0' "$f"
  done
  return 0
}
copy_sources() {
  if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard | existing |
      tar --null -T - -cf -) | tar -xf - -C "$copy"
  else
    (cd "$source_dir" && tar --exclude=./build --exclude=./.git -cf - .) | tar -xf - -C "$copy"
  fi
}

# Without ccache, every object of the second build is compiled there, from the copy's paths.
export CCACHE_DISABLE=1
build_again() {
  copy_sources &&
    (cd "$copy" && cmake --preset win32 -B "$rebuilt" -DUPDATER_PAYLOAD="$payload" \
      -DUPDATER_BUILD_VERSION="$version" -DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER=) &&
    cmake --build "$rebuilt" --target UpTK294Q -j "$(nproc)"
}

same_as_first() {
  if [ "$signed" = TRUE ]; then
    osslsigncode remove-signature -in "$exe" -out "$work/unsigned.exe" &&
      python3 "$here/same_exe.py" --except-checksum "$work/unsigned.exe" "$rebuilt/UpTK294Q.exe"
  else
    python3 "$here/same_exe.py" "$exe" "$rebuilt/UpTK294Q.exe"
  fi
}

started=$SECONDS
check "the product built again from a copy of the sources in $work" build_again
echo "    (built in $((SECONDS - started)) s)"
if [ "$signed" = TRUE ]; then
  check "the exe built again equals $exe without its signature, except the checksum field" same_as_first
else
  check "the exe built again equals $exe byte for byte" same_as_first
fi
report
