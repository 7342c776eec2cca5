#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UBSan) and runs them.
#
#   bash scripts/fuzz.sh build      only configure and build them (the test command then runs
#                                   `ctest --preset fuzz`: each target for 25 s from its seeds,
#                                   gathered in build/fuzz/tests/fuzz/seeds/<target>)
#   bash scripts/fuzz.sh [SECONDS]  run each target for SECONDS (default 600), one after the other,
#                                   growing build/fuzz/corpus/<target> from run to run
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
[ "${1:-}" = "build" ] && exit 0

seconds="${1:-600}"
status=0
# Every target the build made (tests/fuzz/<name>_fuzz.cpp).
for fuzzer in build/fuzz/tests/fuzz/*_fuzz; do
  target="$(basename "$fuzzer" _fuzz)"
  bash scripts/run-fuzzer.sh "$fuzzer" "build/fuzz/tests/fuzz/seeds/$target" "build/fuzz/corpus/$target" \
    "$seconds" || status=1
done
exit "$status"
