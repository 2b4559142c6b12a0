#!/usr/bin/python3
"""Checks the web folder as a web server will serve it: every file that the page, the manifest and
the service worker name is there; the service worker keeps every file of the folder, in a cache
named after VERSION, and the page, the manifest and the licences carry that version; nothing is
left unfilled; the program is a WebAssembly module.

Usage: check_web_folder.py WEB_FOLDER VERSION
"""
import json
import os
import re
import sys

NEEDED = ["index.html", "brivan.js", "brivan.wasm", "qtloader.js", "manifest.webmanifest", "sw.js",
          "icons/icon-192.png", "icons/icon-512.png", "icons/apple-touch-icon.png",
          "licences/NOTICE.txt", "licences/LGPL-3.0.txt", "licences/GPL-3.0.txt", "licences/QT-THIRD-PARTY.txt",
          "licences/LIBERATION-FONTS-OFL.txt", "licences/EMSCRIPTEN.txt"]


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, version = sys.argv[1], sys.argv[2]
    faults = []
    read = lambda name: open(os.path.join(site, name), encoding="utf-8", errors="replace").read()  # noqa: E731
    present = sorted(os.path.relpath(os.path.join(root, f), site).replace(os.sep, "/")
                     for root, _, files in os.walk(site) for f in files)
    faults += [f"{name} is missing" for name in NEEDED if name not in present]
    for name in ("index.html", "sw.js", "manifest.webmanifest", "licences/NOTICE.txt"):
        if name in present and re.search(r"@[A-Z_]+@", read(name)):
            faults.append(f"{name} has a placeholder left unfilled")

    if "sw.js" in present:
        worker = read("sw.js")
        if f'const version = "{version}";' not in worker:
            faults.append(f"the service worker's cache is not named after version {version}")
        kept = json.loads("[" + re.search(r"const files = \[(.*)\];", worker).group(1) + "]")
        faults += [f"the service worker keeps {f}, which is not in the folder" for f in kept
                   if f != "./" and f not in present]
        faults += [f"the service worker does not keep {f}" for f in present if f != "sw.js" and f not in kept]
        if "./" not in kept:
            faults.append("the service worker does not keep the folder's own address")

    if "index.html" in present:
        page = read("index.html")
        for src in re.findall(r'(?:src|href)="([^"#:]+)"', page):
            if src not in present:
                faults.append(f"the page names {src}, which is not in the folder")
        if f'"{version}"' not in page:
            faults.append(f"the page does not carry version {version}")
    if "manifest.webmanifest" in present:
        manifest = json.loads(read("manifest.webmanifest"))
        faults += [f"the manifest names {i['src']}, which is not in the folder" for i in manifest["icons"]
                   if i["src"] not in present]
    if "licences/NOTICE.txt" in present and version not in read("licences/NOTICE.txt"):
        faults.append(f"the notice does not name version {version}")
    if "brivan.wasm" in present:
        with open(os.path.join(site, "brivan.wasm"), "rb") as f:
            if f.read(4) != b"\0asm":
                faults.append("brivan.wasm is not a WebAssembly module")

    if faults:
        sys.exit("\n".join(faults))
    print(f"ok: the web folder holds {len(present)} files, all kept by the service worker of version {version}")


if __name__ == "__main__":
    main()
