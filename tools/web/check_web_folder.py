#!/usr/bin/python3
"""Checks the web folder as a web server will serve it:
- every file that the page, its style sheets, the manifest and the service worker name is there;
  the service worker keeps every file of the folder, each with its SHA-256, in a cache named after
  VERSION; the page, the worker and the notice carry that version; nothing is left unfilled;
- the page runs under its strict Content-Security-Policy: the policy is there, allows neither
  'unsafe-inline' nor 'unsafe-eval', and the page has no inline script, no <style>, no style= and
  no on...= attribute;
- brivan.wasm is a WebAssembly module, and nothing of Qt's browser build is left;
- no file holds a GPL-licensed part: every shipped file is searched for GPL licence names and
  texts (text files whole; in brivan.wasm its data and custom sections; in fonts their name
  tables; in pictures their text), the licences' own texts included.

Usage: check_web_folder.py WEB_FOLDER VERSION   (fonts are read with fontTools)
"""
import hashlib
import html.parser
import json
import os
import re
import sys
import zlib

NEEDED = ["index.html", "page.js", "page.css", "screens.css", "brivan.js", "brivan.wasm", "manifest.webmanifest",
          "sw.js", "icons/icon-192.png", "icons/icon-512.png", "icons/apple-touch-icon.png",
          "fonts/brivan-sans.woff2", "fonts/brivan-sans-bold.woff2", "fonts/brivan-serif.woff2",
          "fonts/brivan-serif-bold.woff2", "licences/NOTICE.txt", "licences/EMSCRIPTEN.txt", "licences/LLVM.txt",
          "licences/MUSL.txt", "licences/LIBERATION-FONTS-OFL.txt"]
# The pictures, both renderings, from their one list (the program's and the page's).
LIST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "src", "ui", "resources", "pictures.txt")
with open(LIST) as pictures:
    NEEDED += [name for line in pictures if line.strip() and not line.startswith("#") for name in line.split()[:2]]
# What the Qt build shipped; none of it belongs here any more.
GONE = ["qtloader.js", "licences/LGPL-3.0.txt", "licences/GPL-3.0.txt", "licences/QT-THIRD-PARTY.txt"]

TEXT = (".html", ".js", ".css", ".txt", ".webmanifest", ".json", ".svg")
GPL = [re.compile(r"\b[LA]?GPL(?:v?\d[\d.]*\+?)?\b"),
       re.compile(r"GNU\s+(?:Lesser\s+|Library\s+|Affero\s+)?General\s+Public\s+Licen[cs]e", re.I),
       re.compile(r"GNU\s+Lesser", re.I)]
# The one passage that names the GPL without putting anything under it: LLVM's exception, which
# lets LLVM's libraries be combined with GPLv2 software.
ALLOWED = [" ".join("""In addition, if you combine or link compiled forms of this Software with software that is
licensed under the GPLv2 ("Combined Software") and if a court of competent jurisdiction determines that the
patent provision (Section 3), the indemnity provision (Section 9) or other Section of the License conflicts
with the conditions of the GPLv2, you may retroactively and prospectively choose to deem waived or otherwise
exclude such Section(s) of the License, but only in their entirety and only with respect to the Combined
Software.""".split())]


def printable_runs(data, shortest=8):
    """The runs of printable ASCII in binary data, as `strings` finds them, one per line."""
    return "\n".join(m.decode("ascii") for m in re.findall(rb"[\x20-\x7e]{%d,}" % shortest, data))


def wasm_texts(data):
    """The printable runs of a WebAssembly module's data and custom sections (its code is left out:
    its bytes spell words by chance)."""
    texts, at = [], 8
    while at < len(data):
        section = data[at]
        at += 1
        size = shift = 0
        while True:
            byte = data[at]
            at += 1
            size |= (byte & 0x7F) << shift
            shift += 7
            if byte < 0x80:
                break
        if section in (0, 11):
            texts.append(printable_runs(data[at:at + size], 4))
        at += size
    return "\n".join(texts)


def png_texts(data):
    """A PNG's text chunks (tEXt, zTXt, iTXt), compressed ones inflated."""
    texts, at = [], 8
    while at + 8 <= len(data):
        size = int.from_bytes(data[at:at + 4], "big")
        kind, chunk = data[at + 4:at + 8], data[at + 8:at + 8 + size]
        if kind == b"tEXt":
            texts.append(chunk.decode("latin-1"))
        elif kind == b"zTXt":
            key, _, rest = chunk.partition(b"\0")
            texts.append(key.decode("latin-1") + " " + zlib.decompress(rest[1:]).decode("latin-1"))
        elif kind == b"iTXt":
            key, _, rest = chunk.partition(b"\0")
            compressed, rest = rest[0], rest[2:]
            rest = rest.split(b"\0", 2)[2]  # after the language tag and the translated keyword
            texts.append(key.decode("latin-1") + " " +
                         (zlib.decompress(rest) if compressed else rest).decode("utf-8", "replace"))
        at += 12 + size
    return "\n".join(texts)


def font_texts(path):
    from fontTools.ttLib import TTFont
    return "\n".join(record.toUnicode() for record in TTFont(path)["name"].names)


def readable_text(site, name):
    """What a file says in words, as far as a licence could hide in it."""
    path = os.path.join(site, name)
    if name.endswith(TEXT):
        return open(path, encoding="utf-8", errors="replace").read()
    if name.endswith((".woff2", ".woff", ".ttf", ".otf")):
        return font_texts(path)
    data = open(path, "rb").read()
    if name.endswith(".wasm"):
        return wasm_texts(data)
    # Pictures: their compressed text inflated, and any plain text (GIF and JPEG comments, XMP).
    return (png_texts(data) if name.endswith(".png") else "") + "\n" + printable_runs(data)


def gpl_faults(site, present):
    faults = []
    for name in present:
        text = " ".join(readable_text(site, name).split())
        for passage in ALLOWED:
            text = text.replace(passage, "")
        for pattern in GPL:
            found = pattern.search(text)
            if found:
                context = text[max(0, found.start() - 40):found.end() + 40]
                faults.append(f"{name} holds a GPL-licensed part or its licence: ...{context}...")
                break
    return faults


class PageReader(html.parser.HTMLParser):
    """What the page names and what it would run or style inline."""

    def __init__(self):
        super().__init__()
        self.named, self.inline, self.policies, self.version = [], [], [], None
        self._in_script = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for key, value in attrs.items():
            if key == "style" or key.startswith("on"):
                self.inline.append(f'a {key}= attribute on <{tag}>')
            if key in ("src", "href") and value and not re.match(r"[a-z]+:|#|//", value):
                self.named.append(value)
        if tag == "style":
            self.inline.append("a <style> element")
        if tag == "script":
            if "src" not in attrs:
                self.inline.append("an inline <script>")
            self._in_script = True
        if tag == "meta" and (attrs.get("http-equiv") or "").lower() == "content-security-policy":
            self.policies.append(attrs.get("content") or "")
        if tag == "meta" and attrs.get("name") == "brivan-version":
            self.version = attrs.get("content")

    def handle_endtag(self, tag):
        if tag == "script":
            self._in_script = False

    def handle_data(self, data):
        if self._in_script and data.strip():
            self.inline.append("a <script> with code in it")


def policy_faults(policies):
    if len(policies) != 1:
        return [f"the page has {len(policies)} Content-Security-Policy <meta> elements, not one"]
    directives = {d.split()[0]: d.split()[1:] for d in policies[0].split(";") if d.strip()}
    faults = [f"the page's policy allows {word}" for word in ("'unsafe-inline'", "'unsafe-eval'", "*", "data:", "blob:")
              if any(word in sources for sources in directives.values())]
    for kind in ("script-src", "style-src"):
        if kind not in directives and "default-src" not in directives:
            faults.append(f"the page's policy does not limit {kind}")
    if "'wasm-unsafe-eval'" not in directives.get("script-src", []):
        faults.append("the page's policy does not allow WebAssembly ('wasm-unsafe-eval' in script-src)")
    if directives.get("object-src") != ["'none'"]:
        faults.append("the page's policy allows plug-ins (object-src is not 'none')")
    return faults


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, version = sys.argv[1], sys.argv[2]
    faults = []
    read = lambda name: open(os.path.join(site, name), encoding="utf-8", errors="replace").read()  # noqa: E731
    present = sorted(os.path.relpath(os.path.join(root, f), site).replace(os.sep, "/")
                     for root, _, files in os.walk(site) for f in files)
    faults += [f"{name} is missing" for name in NEEDED if name not in present]
    faults += [f"{name} is left from the Qt build" for name in GONE if name in present]
    for name in ("index.html", "sw.js", "manifest.webmanifest", "licences/NOTICE.txt"):
        if name in present and re.search(r"@[A-Z_]+@", read(name)):
            faults.append(f"{name} has a placeholder left unfilled")

    if "sw.js" in present:
        worker = read("sw.js")
        if f'const version = "{version}";' not in worker:
            faults.append(f"the service worker's cache is not named after version {version}")
        kept = json.loads(re.search(r"const files = (\{.*?\});", worker, re.S).group(1))
        for name, digest in kept.items():
            if name in ("./", "index.html"):
                if digest is not None:
                    faults.append(f"the service worker checks {name} by its digest: a server that rewrites the page "
                                  "would keep it from being installed")
            elif name not in present:
                faults.append(f"the service worker keeps {name}, which is not in the folder")
            elif digest != hashlib.sha256(open(os.path.join(site, name), "rb").read()).hexdigest():
                faults.append(f"the service worker's digest of {name} is not that of the file")
        faults += [f"the service worker does not keep {f}" for f in present if f != "sw.js" and f not in kept]
        if "./" not in kept:
            faults.append("the service worker does not keep the folder's own address")

    if "index.html" in present:
        page = PageReader()
        page.feed(read("index.html"))
        faults += [f"the page names {name}, which is not in the folder" for name in page.named if name not in present]
        faults += [f"the page has {what}, which its policy forbids" for what in page.inline]
        faults += policy_faults(page.policies)
        if page.version != version:
            faults.append(f"the page carries version {page.version}, not {version}")
    for sheet in ("page.css", "screens.css"):
        if sheet in present:
            for url in re.findall(r"url\(\s*[\"']?([^\"')]+)", read(sheet)):
                if url not in present:
                    faults.append(f"{sheet} names {url}, which is not in the folder")
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
    faults += gpl_faults(site, present)

    if faults:
        sys.exit("\n".join(faults))
    print(f"ok: the web folder holds {len(present)} files, all kept by the service worker of version {version}, "
          "under a strict policy, with nothing under the GPL")


if __name__ == "__main__":
    main()
