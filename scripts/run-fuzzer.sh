#!/usr/bin/env bash
# Runs one fuzz target for a fixed time from its seed corpus and prints one line: executions,
# executions per second, what the run added to the corpus. On a finding it prints the report and
# the input that caused it, and fails.
#
#   run-fuzzer.sh [--fresh] <fuzzer> <seed corpus> <work dir> <seconds>
# The work dir keeps the grown corpus between runs; --fresh starts it again from the seeds only.
set -euo pipefail
fresh=0
if [ "${1:-}" = "--fresh" ]; then
  fresh=1
  shift
fi
[ $# -eq 4 ] || { sed -n '5,6p' "$0" >&2; exit 2; }
fuzzer="$1" seeds="$2" work="$3" seconds="$4"
name="$(basename "$fuzzer")"

[ "$fresh" -eq 1 ] && rm -rf "$work"
mkdir -p "$work/corpus" "$work/findings"
log="$work/fuzz.log"
rc=0
# New inputs go to the work corpus, never into the committed seeds.
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/findings/" "$work/corpus" "$seeds" >"$log" 2>&1 || rc=$?

stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -1; }
inputs="$(find "$work/corpus" -type f | wc -l)"
if [ "$rc" -eq 0 ]; then
  echo "fuzz $name: $(stat number_of_executed_units) runs in ${seconds} s, $(stat average_exec_per_sec) exec/s," \
    "$(stat new_units_added) new inputs (work corpus $inputs), peak $(stat peak_rss_mb) MB, no finding"
  exit 0
fi
echo "fuzz $name: FINDING (exit $rc)"
grep -m1 -E 'property broken|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log" || true
sed -n '/^==[0-9]*==ERROR/,/^SUMMARY/p' "$log" | head -40
for finding in "$work/findings"/*; do
  [ -e "$finding" ] || continue
  echo "input $finding:"
  od -A d -c "$finding" | head -8
done
exit 1
