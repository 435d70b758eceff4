#!/usr/bin/env python3
"""Compares what the file-version reader finds under Wine with pefile.

Runs the dump program once over Wine's system DLLs (from the tree's prefix)
and our own built files, then reads the same files from the Linux side with
pefile and works out, independently, what each member must say.
"""
import argparse
import os
import subprocess
import sys

import pefile

OS_NAMES = {0x10001: "DOS-Win16", 0x10004: "DOS-Win32", 0x20002: "OS/2-16 PM-16",
            0x30003: "OS/2-16 PM-32", 0x40004: "NT-Win32"}
TYPE_NAMES = {1: "Application", 2: "DLL", 3: "Driver", 4: "Font", 5: "VxD", 7: "Lib"}
DRIVER_SUBTYPES = {0: "Unknown", 1: "Printer drv", 2: "Keyboard drv", 3: "Language drv",
                   4: "Display drv", 5: "Mouse drv", 6: "Network drv", 7: "System drv",
                   8: "Installable", 9: "Sound drv", 10: "Comm drv"}
FONT_SUBTYPES = {1: "Raster Font", 2: "Vector Font", 3: "TrueType Font"}
FLAG_WORDS = [(1, "Debug"), (2, "PreRel"), (4, "Patched"), (8, "Private"), (16, "Info"),
              (32, "Special")]
STRING_NAMES = ["CompanyName", "FileDescription", "FileVersion", "InternalName",
                "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
                "ProductVersion"]
FIXED_MEMBERS = ["FileFlags", "FileOS", "FileType", "FileSubType", "VerFile", "VerProduct",
                 "VerStructure"]


def escaped(data: bytes) -> str:
    """The dump program's escaping of ANSI bytes."""
    out = []
    for byte in data:
        if byte < 0x20 or byte >= 0x7F or byte in b"\\|":
            out.append("\\x%02X" % byte)
        else:
            out.append(chr(byte))
    return "".join(out)


def ansi(text: str) -> str:
    return escaped(text.encode("cp1252", errors="replace"))


def version_text(ms: int, ls: int) -> str:
    major, minor, build_high, build_low = ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF
    text = "%d.%02d." % (major, minor)
    if build_high == 0:
        return text + "%04d" % build_low
    return text + "%02d%02d" % (build_high, build_low)


def first_translation(file_info):
    for info in file_info:
        if info.Key != b"VarFileInfo":
            continue
        for var in info.Var:
            if b"Translation" in var.entry:
                if var.ValueLength != 4:
                    raise SystemExit("pefile keeps only the last of several translations; "
                                     "choose files with one")
                language, code_page = (int(word, 16) for word in
                                       var.entry[b"Translation"].split())
                return language, code_page
    return None


def string_table(file_info, key: str):
    for info in file_info:
        if info.Key != b"StringFileInfo":
            continue
        for table in info.StringTable:
            if table.LangID.decode("ascii", "replace").lower() == key.lower():
                return table.entries
    return {}


def empty_members(windows_path: str) -> dict:
    """What a fresh reader reports for a file without a version resource."""
    members = {name: "" for name in FIXED_MEMBERS + STRING_NAMES + ["Language"]}
    members["FullPathName"] = ansi(windows_path)
    members["Available"] = "False"
    return members


def members_of_resource(windows_path: str, fixed, file_info) -> dict:
    """What a fresh reader must report when it reads this version resource;
    None means the member is not compared."""
    members = empty_members(windows_path)
    members["Available"] = "True"
    members["VerStructure"] = "%d.%d" % (fixed.StrucVersion >> 16, fixed.StrucVersion & 0xFFFF)
    members["VerFile"] = version_text(fixed.FileVersionMS, fixed.FileVersionLS)
    members["VerProduct"] = version_text(fixed.ProductVersionMS, fixed.ProductVersionLS)
    members["FileFlags"] = " ".join(word for bit, word in FLAG_WORDS if fixed.FileFlags & bit)
    members["FileOS"] = OS_NAMES.get(fixed.FileOS, "Unknown")
    members["FileType"] = TYPE_NAMES.get(fixed.FileType, "Unknown")
    subtypes = {3: DRIVER_SUBTYPES, 4: FONT_SUBTYPES}.get(fixed.FileType, {})
    members["FileSubType"] = subtypes.get(fixed.FileSubtype, "")

    translation = first_translation(file_info)
    if translation is None:
        return members
    language, code_page = translation
    # Names come from the system (Wine's differ from Windows'): only their
    # presence is checked.
    members["Language"] = None
    entries = string_table(file_info, "%04X%04X" % (language, code_page))
    for name in STRING_NAMES:
        value = entries.get(name.encode("ascii"))
        if value is not None:
            members[name] = ansi(value.decode("utf-8", errors="replace"))
    return members


def candidate_expectations(linux_path: str, windows_path: str) -> list:
    """One expectation per version resource of the file. A file may carry the
    resource in several languages (Wine's kernel32 does); the system picks one
    by the user's language, so the reader must agree with one of them whole."""
    pe = pefile.PE(linux_path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    fixed_list = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not fixed_list:
        return [empty_members(windows_path)]
    file_infos = getattr(pe, "FileInfo", [])
    return [members_of_resource(windows_path, fixed,
                                file_infos[i] if i < len(file_infos) else [])
            for i, fixed in enumerate(fixed_list)]


def differences(expected: dict, found: dict, index: int) -> list:
    wrong = []
    for member, value in expected.items():
        actual = found.get((index, member))
        if value is None:
            if expected.get("Available") == "True" and not actual:
                wrong.append((member, actual, "(a name)"))
        elif actual != value:
            wrong.append((member, actual, value))
    return wrong


def windows_path_of(linux_path: str) -> str:
    return "Z:" + linux_path.replace("/", "\\")


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine-exec", required=True)
    parser.add_argument("--dump", required=True)
    parser.add_argument("--tree", required=True)
    parser.add_argument("--system", nargs="*", default=[])
    parser.add_argument("--built", nargs="*", default=[])
    args = parser.parse_args()

    tree = os.path.abspath(args.tree)
    system32 = os.path.join(tree, "wineprefix", "drive_c", "windows", "system32")
    files = [("C:\\windows\\system32\\" + name, os.path.join(system32, name))
             for name in args.system]
    for name in args.built:
        linux_path = os.path.join(tree, "bin", name)
        if not os.path.isfile(linux_path):
            print("missing built file %s" % linux_path)
            return 1
        files.append((windows_path_of(linux_path), linux_path))

    # One Wine run for all files; it also creates the prefix on first use.
    run = subprocess.run([args.wine_exec, args.dump] + [w for w, _ in files],
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=100)
    output = run.stdout.decode("latin-1")
    if run.returncode != 0:
        print(output)
        print("dump program failed with exit code %d" % run.returncode)
        return 1
    found = {}
    for line in output.splitlines():
        parts = line.split("|", 3)
        if len(parts) == 4 and parts[0] == "QNV":
            found[(int(parts[1]), parts[2])] = parts[3]

    failures = 0
    compared = 0
    for index, (windows_path, linux_path) in enumerate(files, start=1):
        if not os.path.isfile(linux_path):
            print("missing file %s" % linux_path)
            failures += 1
            continue
        candidates = candidate_expectations(linux_path, windows_path)
        results = [differences(expected, found, index) for expected in candidates]
        best = min(results, key=len)
        compared += len(candidates[0])
        for member, actual, value in best:
            failures += 1
            print("%s: %s is %r, pefile says %r" % (windows_path, member, actual, value))
        summary = ", ".join("%s=%s" % (m, found.get((index, m)))
                            for m in ("Available", "VerFile", "Language", "ProductVersion"))
        resources = len(candidates) if candidates[0]["Available"] == "True" else 0
        print("%s (%d version resources): %s" % (os.path.basename(linux_path), resources,
                                                 summary))
    print("%d members of %d files compared, %d differ" % (compared, len(files), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
