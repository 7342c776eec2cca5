#!/usr/bin/env python3
"""Prints what the shipped exe weighs beside the payload it carries, the figure the release
build keeps under 400 KB.

    exe_size.py <UpTK294Q.exe>
"""
import os
import sys

from check_exe import Pe

TARGET = 400 * 1024


def main(exe_path):
    with open(exe_path, "rb") as f:
        data = f.read()
    payload = Pe(data).resources().get(("EXE", "UPGRADE", 1048))
    if payload is None:
        sys.exit("%s carries no payload" % exe_path)
    rest = len(data) - len(payload)
    print("benchmark: %s is %s bytes, payload %s bytes, exe without payload %s bytes (target under %s: %s)"
          % (os.path.basename(exe_path), format(len(data), ","), format(len(payload), ","), format(rest, ","),
             format(TARGET, ","), "met" if rest < TARGET else "MISSED"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
