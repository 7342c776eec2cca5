#!/usr/bin/env bash
# Times the safe installation of a 41,616,896-byte payload against CopyFileA + FlushFileBuffers
# and against the truncate-in-place write, under Wine in a throwaway prefix, and prints the
# figures (see docs/install-benchmark.md).
#   scripts/bench-install.sh            builds the win64 preset in build/win64
#   BUILD_DIR=<dir> scripts/bench-install.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build_dir="${BUILD_DIR:-build/win64}"

bash scripts/install-deps.sh
cmake --preset win64 -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target install_bench -j "$(nproc)"

source scripts/wine-env.sh
prefix="$(mktemp -d /tmp/uptk-bench-prefix.XXXXXX)"
trap 'wine_env_stop; rm -rf "$prefix"' EXIT
wine_env_start "$prefix/wine"
"$WINE" "$build_dir/bench/install/install_bench.exe"
