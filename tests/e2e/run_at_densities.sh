#!/usr/bin/env bash
# Runs the density tests of the end-to-end suite once per screen density, in a Wine prefix of
# their own: Wine reads the density (LogPixels) only when its server starts, so each density is
# written and then the prefix's server restarted. The display is the caller's (the test
# command's Xvfb); the other tests' prefix is never touched.
#   run_at_densities.sh <e2e_tests.exe> <scratch folder> [density...]   (120 144 192 if none)
set -euo pipefail
exe="$1"
scratch="$2"
shift 2
densities=("$@")
[ ${#densities[@]} -gt 0 ] || densities=(120 144 192)
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/wine-env.sh"
rm -rf "$scratch"
wine_env_start "$scratch/prefix"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT

status=0
for dpi in "${densities[@]}"; do
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w
  echo "== at $dpi dpi"
  UPDATER_TEST_DENSITY="$dpi" "$here/../../scripts/wine-run.sh" "$exe" --gtest_filter='Density.*' || status=1
done
exit "$status"
