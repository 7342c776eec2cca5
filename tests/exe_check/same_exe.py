#!/usr/bin/env python3
"""Compares two builds of the exe byte for byte. When they differ, names where: the header
field, the section, or the field or section of the payload the exe carries, so that the cause
of a build that is not reproducible can be found.

    same_exe.py [--except-checksum] <exe> <other exe>

--except-checksum leaves out the first exe's PE CheckSum field: a signature removed from a
file need not restore the checksum the linker wrote.
"""
import struct
import sys

from check_exe import Pe

FILE_HEADER = [(0, 4, "PE signature"), (4, 2, "Machine"), (6, 2, "NumberOfSections"), (8, 4, "TimeDateStamp"),
               (12, 4, "PointerToSymbolTable"), (16, 4, "NumberOfSymbols"), (20, 2, "SizeOfOptionalHeader"),
               (22, 2, "Characteristics")]
DIRECTORIES = ["export", "import", "resource", "exception", "certificate", "base relocation", "debug",
               "architecture", "global pointer", "TLS", "load configuration", "bound import",
               "import address table", "delay import", "CLR", "reserved"]
SHOWN = 12


def checksum_at(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return pe + 24 + 64


def places(data):
    """(start, end, name) of the headers and sections of a PE file."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, opt_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
    opt = pe + 24
    dirs = opt + (96 if struct.unpack_from("<H", data, opt)[0] == 0x10B else 112)
    table = opt + opt_size
    found = [(0, 0x40, "DOS header"), (0x40, pe, "DOS stub")]
    found += [(pe + at, pe + at + size, name) for at, size, name in FILE_HEADER]
    found += [(opt, opt + 64, "optional header"), (opt + 64, opt + 68, "CheckSum"), (opt + 68, dirs, "optional header")]
    found += [(dirs + 8 * i, dirs + 8 * i + 8, "%s directory entry" % name) for i, name in enumerate(DIRECTORIES)]
    found.append((table, table + 40 * sections, "section table"))
    for i in range(sections):
        name, _, _, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        found.append((raw, raw + raw_size, "section " + name.rstrip(b"\0").decode("ascii", errors="replace")))
    return found


def name_of(data, at, payload):
    """What lies at file offset `at`: a field or section, or the same inside the payload."""
    start = data.find(payload) if payload else -1
    if start >= 0 and start <= at < start + len(payload):
        return "payload: " + name_of(payload, at - start, None)
    try:
        found = places(data)
    except struct.error:
        return "offset 0x%x of a file whose headers do not parse" % at
    inside = [name for begin, end, name in found if begin <= at < end]
    if inside:
        return inside[0]
    if at >= max(end for _, end, _ in found):
        return "after the last section (the certificate table, or data appended to the file)"
    return "padding between headers or sections"


def differences(a, b):
    """Runs of differing offsets within the common length, [first, last] each; a payload of tens of
    megabytes is compared a block at a time."""
    runs, block = [], 4096
    for base in range(0, min(len(a), len(b)), block):
        if a[base:base + block] == b[base:base + block]:
            continue
        for at in range(base, min(base + block, len(a), len(b))):
            if a[at] == b[at]:
                continue
            if runs and at - runs[-1][1] <= 8:
                runs[-1][1] = at
            else:
                runs.append([at, at])
    return runs


def main(args):
    except_checksum = args[:1] == ["--except-checksum"]
    if except_checksum:
        args = args[1:]
    if len(args) != 2:
        sys.exit(__doc__)
    a, b = (bytearray(open(path, "rb").read()) for path in args)
    if except_checksum:
        at = checksum_at(a)
        b[at:at + 4] = a[at:at + 4]
    if a == b:
        print("same: %s and %s, %s bytes" % (args[0], args[1], format(len(a), ",")))
        return 0
    print("differ: %s (%s bytes) and %s (%s bytes)" % (args[0], format(len(a), ","), args[1], format(len(b), ",")))
    payload = Pe(a).resources().get(("EXE", "UPGRADE", 1048))
    runs = differences(a, b)
    for first, last in runs[:SHOWN]:
        print("  0x%x-0x%x (%d bytes): %s" % (first, last, last - first + 1, name_of(a, first, payload)))
    if len(runs) > SHOWN:
        print("  ... and %d more places" % (len(runs) - SHOWN))
    if len(a) != len(b):
        print("  from 0x%x on, the longer file has bytes the other lacks" % min(len(a), len(b)))
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
