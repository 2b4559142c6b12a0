#!/usr/bin/python3
"""Proves tools/web/check_web_folder.py on a packaged web folder: the folder passes as it is, and
each fault put into a copy of it on purpose fails the check, which names the file: a GPL text
wherever a licence could hide (a licence file, the script, the module, a picture's compressed
text, a font's names), the whole of a distribution's copyright file, and what the page's policy
forbids.

Usage: check_web_folder_test.py WEB_FOLDER VERSION   (inside the Debian 13 root "web")
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

from fontTools.ttLib import TTFont

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_web_folder.py")
GPL_TEXT = "/usr/share/common-licenses/GPL-3"
FONTS_COPYRIGHT = "/usr/share/doc/fonts-liberation/copyright"


def add_file(site, name, text):
    with open(os.path.join(site, name), "w", encoding="utf-8") as f:
        f.write(text)


def prepend(site, name, text):
    path = os.path.join(site, name)
    data = open(path, "rb").read()
    with open(path, "wb") as f:
        f.write(text.encode() + data)


def wasm_custom_section(site, name, text):
    payload = bytes([len("licence")]) + b"licence" + text.encode()
    size, leb = len(payload), b""
    while True:
        byte, size = size & 0x7F, size >> 7
        leb += bytes([byte | (0x80 if size else 0)])
        if not size:
            break
    with open(os.path.join(site, name), "ab") as f:
        f.write(b"\0" + leb + payload)


def png_ztxt(site, name, text):
    path = os.path.join(site, name)
    data = open(path, "rb").read()
    body = b"Comment\0\0" + zlib.compress(text.encode())
    chunk = struct.pack(">I", len(body)) + b"zTXt" + body + struct.pack(">I", zlib.crc32(b"zTXt" + body))
    with open(path, "wb") as f:  # after the header chunk, as a picture editor writes it
        f.write(data[:33] + chunk + data[33:])


def font_name(site, name, text):
    path = os.path.join(site, name)
    font = TTFont(path)
    font["name"].setName(text, 13, 3, 1, 0x409)
    font.save(path)


def page_edit(site, old, new):
    path = os.path.join(site, "index.html")
    page = open(path, encoding="utf-8").read()
    assert old in page, old
    with open(path, "w", encoding="utf-8") as f:
        f.write(page.replace(old, new, 1))


FAULTS = [  # (what is done, how, the words the check must say)
    ("a GPL licence among the licences", lambda s: add_file(s, "licences/GPL-3.txt", open(GPL_TEXT).read()),
     "licences/GPL-3.txt holds a GPL"),
    ("the fonts' whole Debian copyright file, which covers Debian's packaging under the GPL",
     lambda s: shutil.copy(FONTS_COPYRIGHT, os.path.join(s, "licences/LIBERATION-FONTS-OFL.txt")),
     "licences/LIBERATION-FONTS-OFL.txt holds a GPL"),
    ("a GPL licence identifier in brivan.js",
     lambda s: prepend(s, "brivan.js", "// SPDX-License-Identifier: GPL-3.0-only\n"),
     "brivan.js holds a GPL"),
    ("a GPL notice in the module",
     lambda s: wasm_custom_section(s, "brivan.wasm", "under the GNU Lesser General Public License"),
     "brivan.wasm holds a GPL"),
    ("a GPL notice compressed in a picture", lambda s: png_ztxt(s, "window_icon.png", "Licensed under the LGPL v3"),
     "window_icon.png holds a GPL"),
    ("a font licensed under the GPL", lambda s: font_name(s, "fonts/brivan-sans.woff2", "GNU General Public License"),
     "fonts/brivan-sans.woff2 holds a GPL"),
    ("an inline script", lambda s: page_edit(s, "</body>", "<script>document.title = 1;</script></body>"),
     "an inline <script>"),
    ("a style attribute", lambda s: page_edit(s, '<div id="screen">', '<div id="screen" style="color: red">'),
     "a style= attribute"),
    ("a policy that allows inline scripts",
     lambda s: page_edit(s, "script-src 'self'", "script-src 'self' 'unsafe-inline'"),
     "allows 'unsafe-inline'"),
    ("a file the page names gone", lambda s: os.remove(os.path.join(s, "page.js")), "names page.js, which is not"),
]


def check(site, version):
    run = subprocess.run([sys.executable, CHECK, site, version], capture_output=True, text=True)
    return run.returncode, run.stdout + run.stderr


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, version = sys.argv[1], sys.argv[2]
    passed = failed = 0
    code, said = check(site, version)
    if code != 0:
        print(f"FAIL: the folder as packaged does not pass:\n{said}")
        failed += 1
    else:
        passed += 1
    for what, do, words in FAULTS:
        with tempfile.TemporaryDirectory(prefix="brivan-fault-") as scratch:
            copy = os.path.join(scratch, "site")
            shutil.copytree(site, copy)
            do(copy)
            code, said = check(copy, version)
        if code != 0 and words in said:
            passed += 1
        else:
            failed += 1
            how = "passed" if code == 0 else f"failed without saying {words!r}"
            print(f"FAIL: {what}: the check {how}:\n{said}")
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
