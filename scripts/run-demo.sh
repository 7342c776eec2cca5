#!/usr/bin/env bash
# The updater's main job on a ready-made demo installation: Ralvento 2.50 installed in
# "C:\Ralvento Demo" of a throwaway Wine prefix, updated to the carried build.
# With a display the window opens for you to click; without one it runs under Xvfb, is driven
# as a person would drive it, and the screenshots land in build/demo/.
# DEMO_DPI=144 (or 120, 192...) runs it on a screen of that density: 150% and so on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

source scripts/wine-program.sh
prepare_wine_program " with a demo installation" UpTK294Q ralvento_standin_old demo_driver
if [ -n "${DEMO_DPI:-}" ]; then
  # Wine reads the screen's density only when its server starts.
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DEMO_DPI" /f >/dev/null 2>&1
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w
fi

install_dir="$WINEPREFIX/drive_c/Ralvento Demo"
mkdir -p "$install_dir"
cp build/win64/standin/old/Ralvt.exe "$install_dir/Ralvt.exe"
"$WINE" reg add 'HKLM\Software\Kerovana\37' /v CALE /d 'C:\Ralvento Demo' /f /reg:32 >/dev/null 2>&1
"$WINE" reg add 'HKLM\Software\Kerovana\37' /v VER /d 'Ralvento v.2.50' /f /reg:32 >/dev/null 2>&1
updater="Z:${root//\//\\}\\build\\win64\\UpTK294Q.exe"
driver="build/win64/tools/driver/demo_driver.exe"

if [ "$interactive" = yes ]; then
  echo "Starting the updater. Click \"Actualizare la versiunea ...\", then \"Inchide\" (or press Escape)."
  "$WINE" "build/win64/UpTK294Q.exe" || true
  "$WINE" reg query 'HKLM\Software\Kerovana\37' /v VER /reg:32 2>/dev/null | tr -d '\r' | grep VER || true
  if cmp -s "$install_dir/Ralvt.exe" build/win64/standin/new/Ralvt.exe; then
    echo "C:\\Ralvento Demo\\Ralvt.exe is now the carried build."
  else
    echo "C:\\Ralvento Demo\\Ralvt.exe is unchanged."
  fi
  exit 0
fi

shots="$root/build/demo"
rm -rf "$shots"
mkdir -p "$shots"
out="Z:${scratch//\//\\}"
status=0
echo "== First run: the check, then a click on the upgrade button"
"$WINE" "$driver" "$updater" "$out" || status=1
echo "== Second run: the check only"
"$WINE" "$driver" "$updater" "$out" check-only || status=1
for bmp in "$scratch"/*.bmp; do
  [ -e "$bmp" ] && convert "$bmp" "$shots/$(basename "${bmp%.bmp}").png"
done
echo "Screenshots: $(ls "$shots" | tr '\n' ' ')in build/demo/"
exit "$status"
