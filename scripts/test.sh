#!/usr/bin/env bash
# Runs every test: host (headless backend), win64 under Wine in Xvfb, and the inspection of the
# shipped win32 exe. Installs what is missing first. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

jobs="$(nproc)"
for preset in host win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
ctest --preset host -j "$jobs" || status=1

source scripts/wine-env.sh
prefix="$(mktemp -d /tmp/uptk-test-prefix.XXXXXX)"
wine_env_start "$prefix/wine" --xvfb
export UPDATER_TEST_OUTPUT="$root/build/test-output"
mkdir -p "$UPDATER_TEST_OUTPUT"
ctest --preset win64 || status=1
wine_env_stop
rm -rf "$prefix"

ctest --preset win32 || status=1

if [ "$status" -ne 0 ]; then
  echo "SOME TESTS FAILED" >&2
fi
exit "$status"
