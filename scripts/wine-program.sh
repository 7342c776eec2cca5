# Sourced by the scripts that show a program of the tree under Wine (the demo, the showcase):
# installs what is missing, builds the win64 targets named, and starts a throwaway prefix that
# goes when the script ends. Afterwards $interactive says whether a display is there for a person,
# $scratch is a folder of the run's own, and $WINE and the prefix are ready.
#   prepare_wine_program <what the prefix is for> <target>...
prepare_wine_program() {
  local purpose="$1"
  shift
  bash scripts/install-deps.sh
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j "$(nproc)" --target "$@" >/dev/null

  interactive=no
  [ -n "${DISPLAY:-}" ] && interactive=yes

  source scripts/wine-env.sh
  scratch="$(mktemp -d /tmp/uptk-run.XXXXXX)"
  trap 'wine_env_stop; rm -rf "$scratch"' EXIT
  echo "Preparing a Wine prefix$purpose (about 10 s)..."
  wine_env_start "$scratch/wine"
}
