#!/usr/bin/env python3
"""Checks what the shipped programs must be before a release: PE32 files for
the i386, GUI subsystem, subsystem version 4.0 at most (Windows 95 refuses
higher), a version resource naming the product and its version, and the
visual-styles manifest. Prints one line per program; exits 1 on a fault.

Usage: check-release.py <program.exe>...
"""

import struct
import sys

IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
SUBSYSTEM_WINDOWS_GUI = 2


def faults_of(path):
    data = open(path, "rb").read()
    faults = []
    if data[:2] != b"MZ":
        return ["not an executable"]
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return ["no PE header"]
    machine = struct.unpack_from("<H", data, pe + 4)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    if machine != IMAGE_FILE_MACHINE_I386 or magic != PE32_MAGIC:
        faults.append("not PE32 for the i386 (machine 0x%X, magic 0x%X)" % (machine, magic))
    subsystem_major, subsystem_minor = struct.unpack_from("<HH", data, optional + 48)
    subsystem = struct.unpack_from("<H", data, optional + 68)[0]
    if subsystem != SUBSYSTEM_WINDOWS_GUI:
        faults.append("subsystem %d, not the GUI" % subsystem)
    if (subsystem_major, subsystem_minor) > (4, 0):
        faults.append("subsystem version %d.%d: Windows 95 needs 4.0"
                      % (subsystem_major, subsystem_minor))
    version = data.find("VS_VERSION_INFO".encode("utf-16-le"))
    if version < 0 or data.find(struct.pack("<I", 0xFEEF04BD), version) < 0:
        faults.append("no version resource")
    for name in ("ProductName", "FileVersion"):
        if data.find(name.encode("utf-16-le"), max(version, 0)) < 0:
            faults.append("the version resource has no %s" % name)
    if (data.find(b"Microsoft.Windows.Common-Controls") < 0
            or data.find(b"<assembly") < 0):
        faults.append("no visual-styles manifest")
    return faults


def main():
    status = 0
    for path in sys.argv[1:]:
        faults = faults_of(path)
        if faults:
            status = 1
            for fault in faults:
                print("!! %s: %s" % (path, fault), file=sys.stderr)
        else:
            print("ok %s" % path)
    return status


if __name__ == "__main__":
    sys.exit(main())
