#!/usr/bin/python3
"""The Windows version record and application icon of brivan.exe, checked on Linux.

Usage: version_record_test.py RC_FILE VERSION
       version_record_test.py --exe BRIVAN_EXE VERSION

RC_FILE is the record as CMake fills it in (BUILD_DIR/src/app/brivan.rc), VERSION the project's
version as text ("1.00"), whose parts are the record's numbers (1.0.0.0). The record is compiled
with the MinGW resource compiler (x86_64-w64-mingw32-windres, Debian's binutils-mingw-w64-x86-64,
with the MinGW headers of mingw-w64-common and the C preprocessor) into a .res file. With --exe,
the resources are taken out of a built brivan.exe instead (wrestool, from icoutils). Either way
they are then read back byte by byte, as Windows does: the VERSIONINFO resource (fixed part,
string table and translation) and the icon group.
"""

import os
import struct
import subprocess
import sys
import tempfile
from checks import check, failures, finish  # noqa: E402

WINDRES = "x86_64-w64-mingw32-windres"
MINGW_INCLUDE = "/usr/share/mingw-w64/include"
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16



def compile_rc(rc, res):
    # The MinGW compiler driver is not needed: the C preprocessor with the MinGW headers does what
    # it would do for a resource script (RC_INVOKED, a 64-bit Windows target).
    args = [WINDRES, "--preprocessor=cpp"]
    for arg in ("-nostdinc", "-I" + MINGW_INCLUDE, "-DRC_INVOKED", "-D_WIN32", "-D_WIN64"):
        args.append("--preprocessor-arg=" + arg)
    args += ["-O", "res", "-i", rc, "-o", res]
    subprocess.run(args, check=True)


def align4(offset):
    return (offset + 3) & ~3


def name_or_ordinal(data, offset):
    if struct.unpack_from("<H", data, offset)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def resources(data):
    """(type, name, language, bytes) for every resource of a .res file."""
    offset, found = 0, []
    while offset + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, offset)
        kind, p = name_or_ordinal(data, offset + 8)
        name, p = name_or_ordinal(data, p)
        p = align4(p)
        _, _, language = struct.unpack_from("<IHH", data, p)
        body = offset + header
        if size:
            found.append((kind, name, language, data[body:body + size]))
        offset = align4(body + size)
    return found


def exe_resources(exe):
    """(type, name, language, bytes) for every resource of a Windows program file whose type is a
    number (the standard types are)."""
    listing = subprocess.run(["wrestool", "-l", exe], check=True, capture_output=True, text=True).stdout
    found = []
    for line in listing.splitlines():
        # --type=14 --name='IDI_ICON1' --language=1033 [type=group_icon offset=0xb6a0 size=48]
        fields = dict(f[2:].split("=", 1) for f in line.split(" [")[0].split())
        if not fields.get("type", "").isdigit():
            continue
        name = fields["name"].strip("'")
        body = subprocess.run(["wrestool", "-x", "--raw", "--type=" + fields["type"], "--name=" + name,
                               "--language=" + fields["language"], exe], check=True, capture_output=True).stdout
        found.append((int(fields["type"]), int(name) if name.isdigit() else name, int(fields["language"]), body))
    return found


def utf16z(data, offset):
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def version_node(data, offset=0):
    """One node of a VS_VERSIONINFO tree: (key, value bytes, children)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key, p = utf16z(data, offset + 6)
    p = align4(p)
    size = value_length * 2 if is_text else value_length
    value = data[p:p + size]
    p = align4(p + size)
    children, end = [], offset + length
    while p < end:
        child, p = version_node(data, p)
        children.append(child)
        p = align4(p)
    return (key, value, children), end


def text(value):
    return value.decode("utf-16-le").rstrip("\0")


def version_numbers(version):
    """The four numbers of a version written as text: "1.00" is (1, 0, 0, 0)."""
    parts = [int(part) for part in version.split(".")]
    return tuple(parts + [0] * (4 - len(parts)))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--exe":
        version = sys.argv[3]
        found = exe_resources(sys.argv[2])
    elif len(sys.argv) == 3:
        rc, version = sys.argv[1], sys.argv[2]
        with tempfile.TemporaryDirectory() as tmp:
            res = os.path.join(tmp, "brivan.res")
            compile_rc(rc, res)
            with open(res, "rb") as f:
                found = resources(f.read())
    else:
        sys.exit(__doc__)
    major, minor, patch, tweak = version_numbers(version)
    ms, ls = (major << 16) | minor, (patch << 16) | tweak

    versions = [r for r in found if r[0] == RT_VERSION]
    check(len(versions) == 1, "one version record")
    if not versions:
        return
    _, name, language, body = versions[0]
    check(name == 1, "the version record is resource 1 (VS_VERSION_INFO)")
    check(language == 0x0409, f"the version record is in US English (0x{language:04x})")

    (key, fixed, children), _ = version_node(body)
    check(key == "VS_VERSION_INFO", "the record's key")
    signature, _, file_ms, file_ls, product_ms, product_ls, _, _, file_os, file_type = struct.unpack_from(
        "<10I", fixed)
    check(signature == 0xFEEF04BD, "the fixed part's signature")
    numbers = ".".join(str(n) for n in version_numbers(version))
    check((file_ms, file_ls) == (ms, ls), f"file version {numbers}")
    check((product_ms, product_ls) == (ms, ls), f"product version {numbers}")
    check(file_os == 0x4, "made for 32-bit Windows (VOS__WINDOWS32)")
    check(file_type == 0x1, "an application (VFT_APP)")

    blocks = {child[0]: child for child in children}
    tables = blocks.get("StringFileInfo", (None, None, []))[2]
    check([t[0].upper() for t in tables] == ["040904B0"], "one string table, US English in Unicode (040904B0)")
    strings = {s[0]: text(s[1]) for t in tables for s in t[2]}
    expected = {
        "ProductName": "brivan",
        "InternalName": "brivan",
        "OriginalFilename": "brivan.exe",
        "FileVersion": version,
        "ProductVersion": version,
        "CompanyName": "Skyward Study Press",
    }
    for field, value in expected.items():
        check(strings.get(field) == value, f"{field} is {value!r} (found {strings.get(field)!r})")

    variables = {v[0]: v[1] for v in blocks.get("VarFileInfo", (None, None, []))[2]}
    translation = variables.get("Translation", b"")
    check(len(translation) == 4 and struct.unpack("<HH", translation) == (0x0409, 1200),
          "the translation is language 0x0409 with code page 1200")

    # The application icon: one group of three images, 32 x 32 in two colours, 32 x 32 and 16 x 16
    # in sixteen colours.
    groups = [r for r in found if r[0] == RT_GROUP_ICON]
    check(len(groups) == 1, "one application icon")
    if groups:
        group = groups[0][3]
        _, kind, count = struct.unpack_from("<HHH", group)
        images = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)]
        shapes = sorted((w or 256, h or 256, bits) for w, h, _, _, _, bits, _, _ in images)
        check(kind == 1 and shapes == [(16, 16, 4), (32, 32, 1), (32, 32, 4)],
              f"the icon holds 32 x 32 in 2 and 16 colours and 16 x 16 in 16 colours (found {shapes})")
        icons = {r[1] for r in found if r[0] == RT_ICON}
        check({image[7] for image in images} <= icons, "every image of the icon is in the file")


if __name__ == "__main__":
    try:
        main()
    except (OSError, subprocess.CalledProcessError) as error:
        check(False, f"the version record could not be compiled: {error}")
    finish()
