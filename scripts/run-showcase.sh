#!/usr/bin/env bash
# The speed button's showcase window under Wine, in a throwaway prefix. With a display the
# window opens for you to try; without one it runs under Xvfb, is driven through its end-to-end
# tests (real keyboard and mouse input), and their screenshots land in build/showcase/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

source scripts/wine-program.sh
prepare_wine_program "" showcase showcase_e2e_tests

if [ "$interactive" = yes ]; then
  echo "Starting the showcase. Point at the buttons, click them, try Alt+O; Escape closes it."
  "$WINE" build/win64/tools/showcase/showcase.exe || true
  exit 0
fi

shots="$root/build/showcase"
rm -rf "$shots"
mkdir -p "$shots"
status=0
UPDATER_TEST_OUTPUT="$scratch" bash scripts/wine-run.sh build/win64/tests/e2e/showcase_e2e_tests.exe || status=1
for bmp in "$scratch"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "$shots/$(basename "${bmp%.bmp}").png"
done
echo "Screenshots: $(ls "$shots" | tr '\n' ' ')in build/showcase/"
exit "$status"
