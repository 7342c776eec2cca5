#!/usr/bin/env python3
"""Prints what the shipped exe weighs beside the payload it carries, and fails when the exe
without its payload is over the limit: growth past it is a decision (raise LIMIT, say why in
docs/exe-size.md), not an accident.

    exe_size.py <UpTK294Q.exe>
"""
import os
import sys

from check_exe import Pe

LIMIT = 576 * 1024


def main(exe_path):
    with open(exe_path, "rb") as f:
        data = f.read()
    payload = Pe(data).resources().get(("EXE", "UPGRADE", 1048))
    if payload is None:
        sys.exit("%s carries no payload" % exe_path)
    rest = len(data) - len(payload)
    within = rest <= LIMIT
    print("benchmark: %s is %s bytes, payload %s bytes, exe without payload %s bytes (limit %s: %s)"
          % (os.path.basename(exe_path), format(len(data), ","), format(len(payload), ","), format(rest, ","),
             format(LIMIT, ","), "within" if within else "OVER by %s" % format(rest - LIMIT, ",")))
    return 0 if within else 1


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
