#!/usr/bin/env bash
# The thread service's and the fade worker's tests under ThreadSanitizer and under AddressSanitizer with UBSan.
# Only the layers under the toolkit and widgets tests and those tests are built for them. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

jobs="$(nproc)"
# Races and leaks fail the run, not just print.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
export ASAN_OPTIONS="detect_leaks=1 halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
status=0
for preset in host-tsan host-asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" || status=1
done
exit "$status"
