#!/usr/bin/env python3
"""Checks the shipped 32-bit updater's file without running it (tests/e2e runs it under Wine):
its machine and subsystem, that it imports system DLLs only, that it carries no debug
information or symbols, whether it is signed, and its resources: the carried payload byte for
byte, the icon, the version block, the manifest and the arrow bitmap. Given a second exe, it
also checks that both import the same functions of the same DLLs.

    check_exe.py <UpTK294Q.exe> <payload file> <build version> signed|unsigned [<other exe>]
"""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "comctl32.dll", "msvcrt.dll"}
RT_BITMAP, RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 3, 10, 14, 16, 24


class Pe:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, self.symbol_table, self.symbols, opt_size, _ = struct.unpack_from(
            "<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        dirs = opt + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + opt_size
        self.section_names = []
        for i in range(sections):
            name, vsize, va, rawsize, rawptr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((va, max(vsize, rawsize), rawptr))
            self.section_names.append(name.rstrip(b"\0").decode("ascii", errors="replace"))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("address 0x%x outside every section" % rva)

    def cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("ascii")

    def imports(self):
        rva, _ = self.directories[1]
        names, at = [], self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if not any(fields):
                return names
            names.append(self.cstring(fields[3]))
            at += 20

    def imported_functions(self):
        """{dll (lower case): sorted names, or #ordinals} of a 32-bit program."""
        rva, _ = self.directories[1]
        found, at = {}, self.offset(rva)
        while True:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if not any(fields):
                return found
            thunk, functions = self.offset(fields[0] or fields[4]), []
            while True:
                entry = struct.unpack_from("<I", self.data, thunk)[0]
                if entry == 0:
                    break
                functions.append("#%d" % (entry & 0xFFFF) if entry & 0x80000000 else self.cstring(entry + 2))
                thunk += 4
            found[self.cstring(fields[3]).lower()] = sorted(functions)
            at += 20

    def signature(self):
        """Type of the Authenticode certificate entry, or None for an unsigned file. The
        directory holds a file offset here, not an address."""
        offset, size = self.directories[4]
        if size == 0:
            return None
        length, _, kind = struct.unpack_from("<IHH", self.data, offset)
        return kind if offset + length <= len(self.data) else None

    def resources(self):
        """{(type, name, language): bytes}; string ids are upper-case text, numeric ids ints."""
        base_rva, _ = self.directories[2]
        base = self.offset(base_rva)
        found = {}

        def entries(at):
            named, numbered = struct.unpack_from("<HH", self.data, at + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
                if ident & 0x80000000:
                    s = base + (ident & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, s)[0]
                    ident = self.data[s + 2:s + 2 + 2 * length].decode("utf-16-le").upper()
                yield ident, target

        for rtype, t in entries(base):
            for name, n in entries(base + (t & 0x7FFFFFFF)):
                for lang, leaf in entries(base + (n & 0x7FFFFFFF)):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    at = self.offset(data_rva)
                    found[(rtype, name, lang)] = self.data[at:at + size]
        return found


def main(exe_path, payload_path, version, signing, other_path=None):
    checks = []

    def check(name, ok, detail=""):
        checks.append(ok)
        print("%s %s%s" % ("PASS" if ok else "FAIL", name, (": " + detail) if detail and not ok else ""))

    with open(exe_path, "rb") as f:
        pe = Pe(f.read())
    with open(payload_path, "rb") as f:
        payload = f.read()

    check("32-bit x86 program", pe.machine == 0x14C and pe.magic == 0x10B, hex(pe.machine))
    check("GUI subsystem", pe.subsystem == 2, str(pe.subsystem))
    dlls = sorted(d.lower() for d in pe.imports())
    check("imports system DLLs only", set(dlls) <= SYSTEM_DLLS, ", ".join(dlls))
    check("no msimg32 import", "msimg32.dll" not in dlls)
    # The accessibility libraries are loaded by full path from the system folder when a client
    # first asks for the window's accessible object, never imported: a copy planted beside the
    # exe would be loaded before the program could restrict the DLL search.
    ole = ("oleacc.dll", "oleaut32.dll", "ole32.dll")
    check("accessibility libraries not imported", not set(ole) & set(dlls), ", ".join(set(ole) & set(dlls)))
    with open(exe_path, "rb") as f:
        image = f.read()
    check("accessibility libraries loaded at run time", all(n.encode() in image for n in ole))
    if other_path:
        with open(other_path, "rb") as f:
            other = Pe(f.read()).imported_functions()
        mine = pe.imported_functions()
        check("imports the same functions as " + other_path, mine == other,
              "; ".join("%s: %s" % (d, sorted(set(mine.get(d, [])) ^ set(other.get(d, []))))
                        for d in sorted(set(mine) | set(other)) if mine.get(d) != other.get(d)))

    debug = [n for n in pe.section_names if n.startswith(".debug") or n.startswith("/")]
    check("no debug sections", not debug, ", ".join(debug))
    check("no symbol table", pe.symbol_table == 0 and pe.symbols == 0, "%d symbols" % pe.symbols)
    win_cert_pkcs_signed_data = 2
    kind = pe.signature()
    if signing == "signed":
        check("Authenticode signature present", kind == win_cert_pkcs_signed_data, str(kind))
    else:
        check("unsigned", kind is None, "certificate entry of type %s" % kind)

    res = pe.resources()
    carried = res.get(("EXE", "UPGRADE", 1048))
    check("payload resource EXE/UPGRADE in language 1048", carried is not None, str(sorted(map(str, res))))
    if carried is not None:
        check("payload size equals the payload file", len(carried) == len(payload),
              "%d != %d" % (len(carried), len(payload)))
        check("payload bytes equal the payload file", carried == payload)

    group = [v for (t, n, _), v in res.items() if t == RT_GROUP_ICON and n == "MAINICON"]
    check("icon group MAINICON", len(group) == 1)
    if group:
        _, _, count = struct.unpack_from("<HHH", group[0], 0)
        w, h, _, _, planes, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group[0], 6)
        check("MAINICON holds one 32 x 32 image at 24 bpp", count == 1 and (w, h, bits) == (32, 32, 24),
              "%d images, %dx%d %d bpp" % (count, w, h, bits))
        image = [v for (t, n, _), v in res.items() if t == RT_ICON and n == icon_id]
        check("MAINICON image present", len(image) == 1)

    versions = [v for (t, _, _), v in res.items() if t == RT_VERSION]
    check("version block", len(versions) == 1)
    if versions:
        text = versions[0].decode("utf-16-le", errors="replace")
        check("version block names the build version", "FileVersion\0" + version in text.replace("\0\0", "\0"))

    manifests = [v for (t, _, _), v in res.items() if t == RT_MANIFEST]
    check("one application manifest", len(manifests) == 1)
    if manifests:
        check("manifest requires an administrator",
              b'requestedExecutionLevel level="requireAdministrator"' in manifests[0])

    arrows = [v for (t, n, _), v in res.items() if t == RT_BITMAP and n == "LBARROW"]
    check("bitmap LBARROW", len(arrows) == 1)
    if arrows:
        _, w, h, _, bits = struct.unpack_from("<IiiHH", arrows[0], 0)
        check("LBARROW is 5 x 3 at 4 bpp", (w, h, bits) == (5, 3, 4), "%dx%d %d bpp" % (w, h, bits))

    forms = [v for (t, n, _), v in res.items() if t == RT_RCDATA and n == "TFORM1"]
    check("window description TFORM1", len(forms) == 1 and forms[0].startswith(b"object Form1: TForm1\n"))

    failed = checks.count(False)
    print("%d passed, %d failed" % (len(checks) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) not in (5, 6) or sys.argv[4] not in ("signed", "unsigned"):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
