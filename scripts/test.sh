#!/usr/bin/env bash
# Runs every test: host (headless backend), win64 under Wine in Xvfb, the shipped win32 exe under
# Wine's 32-bit side (its end-to-end cases, driven by the win64 tests) and its static check, its
# size limit, and a second build of it elsewhere that must give the same bytes. Installs what is
# missing first. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

# Where the time goes, for a run that comes near CI's limit.
phase() { echo "== $1 (at ${SECONDS} s)"; }
phase "installing what is missing"
bash scripts/install-deps.sh

jobs="$(nproc)"
for preset in host win64 win32; do
  phase "building $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

status=0
summary="$(mktemp)"
# Runs one ctest preset, keeping its summary line for the total at the end.
run_ctest() {
  local rc=0
  ctest "$@" 2>&1 | tee -a "$summary" || rc=$?
  [ "$rc" -eq 0 ] || status=1
}
export UPDATER_TEST_OUTPUT="$root/build/test-output"
rm -rf "$UPDATER_TEST_OUTPUT"
mkdir -p "$UPDATER_TEST_OUTPUT"
phase "host tests"
run_ctest --preset host -j "$jobs"
# Fuzz targets (clang, libFuzzer, ASan, UBSan): each for a short fixed time from its seed corpus,
# two at a time.
phase "fuzz targets"
bash scripts/fuzz.sh build && run_ctest --preset fuzz -j "$jobs" || status=1
phase "sanitizers"
bash scripts/test-sanitizers.sh 2>&1 | tee -a "$summary" || status=1

phase "Wine tests"
source scripts/wine-env.sh
prefix="$(mktemp -d /tmp/uptk-test-prefix.XXXXXX)"
wine_env_start "$prefix/wine" --xvfb
run_ctest --preset win64
# The same prefix: a 64-bit one, where the 32-bit exe runs as on a 64-bit Windows.
phase "the shipped exe"
mkdir -p "$UPDATER_TEST_OUTPUT/shipped-exe"
UPDATER_TEST_OUTPUT="$UPDATER_TEST_OUTPUT/shipped-exe" run_ctest --preset win32
wine_env_stop
rm -rf "$prefix"
# Screenshots of every state the end-to-end tests went through, for a person to look at.
while IFS= read -r -d '' bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done < <(find "$UPDATER_TEST_OUTPUT" -name '*.bmp' -print0)
echo "Test output (screenshots, gallery): build/test-output/ (the shipped exe's in shipped-exe/)"

python3 tests/exe_check/exe_size.py build/win32/UpTK294Q.exe || status=1
bash tests/exe_check/check_reproducible.sh "$root" build/win32 build/reproducible-check || status=1

total=0
failed=0
while read -r f n; do
  total=$((total + n))
  failed=$((failed + f))
done < <(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$summary")
rm -f "$summary"
# A build or test binary that never ran counts as a failure even if no test says so.
[ "$status" -ne 0 ] && [ "$failed" -eq 0 ] && failed=1
echo "$((total - failed)) passed, $failed failed (in ${SECONDS} s)"
exit "$status"
