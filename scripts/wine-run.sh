#!/bin/sh
# Runs a Windows program under Wine for CTest. Its output goes through a file so that Wine's
# helper processes, which the program may start and which outlive it by many seconds, inherit
# the file and not CTest's pipe: CTest would otherwise wait for them after every test.
out="$(mktemp)"
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
