#!/usr/bin/env bash
# Compiles wrong_entry_types.cpp once per case with the product's compiler and definitions: the
# right lookups must build, and each wrong one must fail, saying why.
#
#   check_entry_types.sh <work dir> <compiler> <source dir> <definitions...>
set -euo pipefail
mkdir -p "$1"
work="$(cd "$1" && pwd)"
compiler="$2"
source_dir="$3"
shift 3
definitions=("$@")
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/pass_fail.sh"

# compile <case>: builds the source as that case and prints what the compiler said.
compile() {
  "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Werror "${definitions[@]}" -I"$source_dir/src" \
    -DENTRY_CASE="$1" "$here/wrong_entry_types.cpp" 2>&1
}

# fails_saying <case> <message part>: the case must not build, for that reason.
fails_saying() {
  local said
  if said="$(compile "$1")"; then
    echo "built"
    return 1
  fi
  grep -F -e "$2" <<<"$said" || { head -20 <<<"$said"; return 1; }
}

check "the right types build" compile 0
check "the declared types are the system's" compile 5
check "a declared type without WINAPI" fails_saying 1 "must be declared WINAPI"
check "the header's function in a pointer without WINAPI" fails_saying 2 "invalid conversion from"
check "the header's function in a pointer of another signature" fails_saying 3 "invalid conversion from"
check "a call with arguments it does not take" fails_saying 4 "too many arguments"
report
