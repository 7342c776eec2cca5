# shellcheck shell=bash
# Sourced by the checks in this folder, after they have set $work: runs each check, reports it
# as PASS or FAIL and counts both.
: "${work:?set work before sourcing pass_fail.sh}"
passes=0
failures=0

# check <name> <command...>: runs the command; on failure, shows the end of what it printed.
check() {
  local name="$1"
  shift
  if "$@" >"$work/last.log" 2>&1; then
    echo "PASS $name"
    passes=$((passes + 1))
  else
    echo "FAIL $name"
    sed 's/^/    /' "$work/last.log" | tail -20
    failures=$((failures + 1))
  fi
}

# The totals; fails when any check failed.
report() {
  echo "$passes passed, $failures failed"
  [ "$failures" -eq 0 ]
}
