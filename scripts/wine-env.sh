# Sourced by the test and run scripts: a throwaway Wine prefix, a persistent wineserver and,
# without a display, a private Xvfb at 24 bits per pixel. Call wine_env_stop when done.
#   wine_env_start <prefix-dir> [--xvfb]   (--xvfb forces a private Xvfb even with a display)

export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
WINE=/usr/lib/wine/wine64
WINE_ENV_XVFB_PID=""

wine_env_start() {
  export WINEPREFIX="$1"
  local force_xvfb="${2:-}"
  if [ -z "${DISPLAY:-}" ] || [ "$force_xvfb" = "--xvfb" ]; then
    local n
    for n in $(seq 91 140); do
      [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || break
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X${n}" ] && break
      sleep 0.1
    done
  fi
  mkdir -p "$WINEPREFIX"
  # One server for the whole run: without it every program start waits for a cold one.
  "$WINESERVER" -p 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE" wineboot.exe -i >/dev/null 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
  "$WINE" cmd.exe /c exit >/dev/null 2>&1 || true  # warm-up: later starts take ~0.1 s
}

wine_env_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
  fi
}
