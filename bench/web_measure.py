#!/usr/bin/python3
"""The browser benchmark: the program's web folder beside the floor, a static page with the same
pictures, fonts, style sheets and words as the terms screen and no program.

The floor is made from the program itself: the page's DOM once the terms screen is up, saved with
its scripts and its Content-Security-Policy <meta> taken out (the program's styles stay, as style
attributes, which that policy would refuse in markup), beside copies of the folder's other files.

Download: every file the page fetches before the terms screen's first complete frame, as the
browser's own network events over the DevTools protocol list them (a first visit, nothing
cached), each raw, gzip -9 and brotli (quality 11) compressed, as a server that compresses sends
them.
First frame: from opening the page (its navigation's start) to the first animation frame, after
"brivan-started" (the floor: after the page is read), in which every <img> of #screen is
complete and the page's fonts are loaded. Headless Chromium, a fresh profile each run, served
from 127.0.0.1; program and floor runs alternate; medians over the runs.
Fonts: unless --local-fonts, Chromium sees no font of this machine (Arial, Times New Roman and
Liberation stand-ins included), as on a tablet that must download the page's fonts.

Usage: web_measure.py WEB_FOLDER FLOOR_FOLDER [RUNS] [--local-fonts]
"""
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import urllib.parse

import brotli

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import serve  # noqa: E402
from chromium import Chromium  # noqa: E402

AIM_DOWNLOAD = 300_000   # bytes, compressed
AIM_RATIO = 1.25         # first frame, program over floor
# The Qt for WebAssembly build, as this benchmark measured it on this machine before the page's
# own elements replaced Qt (gzip -9; the floor then was a Qt page with one label and one button).
QT_LINE = ("Qt build (before)                 brivan.wasm 10.34 MB raw, 4.38 MB gzip (floor 4.21 MB gzip); "
           "first frame 0.55 s (floor 0.36 s, 1.53x)")

# Notes the time of the first complete frame: the first animation frame, once the page is ready
# to be looked at, in which every picture is in and every font the page uses is loaded.
WATCH = """(() => {
  const program = %s;
  function complete() {
    document.body.offsetWidth;  // lays the page out, so that the fonts it uses start loading
    const pictures = [...document.querySelectorAll('#screen img')];
    return document.fonts.status === 'loaded' && pictures.length > 0 &&
           pictures.every((img) => img.complete && img.naturalWidth > 0);
  }
  function look() {
    if (complete()) window.brivanFirstFrame = performance.now();
    else requestAnimationFrame(look);
  }
  if (program) document.addEventListener('brivan-started', () => requestAnimationFrame(look));
  else document.addEventListener('DOMContentLoaded', () => requestAnimationFrame(look));
})();"""

# Chromium draws no text at all without a single font: the one it is given is Liberation Mono,
# which stands in for Courier New, a face the screens never ask for.
NO_FONTS = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>
"""
ONE_FONT = "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf"


def open_page(url, program):
    """Opens URL in a fresh headless Chromium; returns (browser, seconds to the first complete frame,
    the files fetched before it as {path: status})."""
    b = Chromium(before_load=WATCH % ("true" if program else "false"))
    b.size(1280, 800)
    b.call("Network.enable")
    b.open(url)
    first = b.wait("window.brivanFirstFrame", "the terms screen's first complete frame", 120) / 1000
    shown = b.run("performance.timeOrigin") / 1000 + first
    b.pump(0.2)
    sent = {e["params"]["requestId"]: e["params"] for e in b.events if e["method"] == "Network.requestWillBeSent"}
    fetched = {}
    for event in b.events:
        if event["method"] == "Network.responseReceived":
            request = sent.get(event["params"]["requestId"])
            address = event["params"]["response"]["url"]
            if request and request["wallTime"] <= shown and address.startswith("http"):
                path = urllib.parse.unquote(urllib.parse.urlparse(address).path).lstrip("/") or "index.html"
                fetched[path] = event["params"]["response"]["status"]
    return b, first, fetched


def make_floor(site, floor):
    """The terms screen's DOM from the running program, saved as a static page beside copies of the
    folder's style sheets, pictures, fonts and icons."""
    server = serve.start(site)
    b, _, _ = open_page(f"http://127.0.0.1:{server.server_port}/", True)
    try:
        page = b.run("""(() => {
          const copy = document.documentElement.cloneNode(true);
          // What the program typed into its boxes is in their values, which markup keeps only as
          // attributes.
          const boxes = document.querySelectorAll('input');
          copy.querySelectorAll('input').forEach((box, i) => {
            box.setAttribute('value', boxes[i].value);
            if (boxes[i].checked) box.setAttribute('checked', '');
          });
          copy.querySelectorAll('script, meta[http-equiv="Content-Security-Policy"], link[rel=preload]')
              .forEach((e) => e.remove());
          return '<!doctype html>\\n' + copy.outerHTML;
        })()""")
    finally:
        b.close()
        server.stop()
    shutil.rmtree(floor, ignore_errors=True)
    program = {"index.html", "page.js", "brivan.js", "brivan.wasm", "sw.js"}
    shutil.copytree(site, floor, ignore=lambda folder, names: [n for n in names if folder == site and n in program])
    with open(os.path.join(floor, "index.html"), "w", encoding="utf-8") as f:
        f.write(page)


def sizes(folder, files):
    rows = []
    for name in sorted(files):
        data = open(os.path.join(folder, name), "rb").read()
        rows.append((name, len(data), len(gzip.compress(data, 9)), len(brotli.compress(data, quality=11))))
    return rows


def kb(n):
    return f"{n / 1000:.1f} KB"


def print_downloads(title, folder, fetched):
    missing = [f"{name} ({status})" for name, status in fetched.items() if status != 200]
    if missing:
        sys.exit(f"{title}: the page fetched files it did not get: {', '.join(missing)}")
    rows = sizes(folder, fetched)
    print(f"{title}: {len(rows)} files before the first complete frame")
    print(f"  {'file':34}{'raw':>12}{'gzip -9':>12}{'brotli':>12}")
    for name, raw, gz, br in rows:
        print(f"  {name:34}{kb(raw):>12}{kb(gz):>12}{kb(br):>12}")
    total = [sum(r[i] for r in rows) for i in (1, 2, 3)]
    print(f"  {'total':34}{kb(total[0]):>12}{kb(total[1]):>12}{kb(total[2]):>12}")
    return total


def main():
    args = [a for a in sys.argv[1:] if a != "--local-fonts"]
    if len(args) not in (2, 3):
        sys.exit(__doc__)
    site, floor = args[0], args[1]
    runs = int(args[2]) if len(args) == 3 else 5
    scratch = tempfile.mkdtemp(prefix="brivan-bench-")
    if "--local-fonts" not in sys.argv:
        fonts = os.path.join(scratch, "fonts")
        os.makedirs(fonts)
        os.symlink(ONE_FONT, os.path.join(fonts, os.path.basename(ONE_FONT)))
        with open(os.path.join(scratch, "fonts.conf"), "w") as f:
            f.write(NO_FONTS % (fonts, os.path.join(scratch, "cache")))
        os.environ["FONTCONFIG_FILE"] = os.path.join(scratch, "fonts.conf")
        print("Fonts: none of this machine's but a monospace one (the page's own are downloaded, as on a tablet)")
    else:
        print("Fonts: this machine's (Liberation stands in for Arial and Times New Roman)")
    make_floor(site, floor)

    servers = {"program": serve.start(site), "floor": serve.start(floor)}
    times = {"program": [], "floor": []}
    fetched = {}
    for _ in range(runs):  # alternated, so that the machine's load falls on both alike
        for kind, server in servers.items():
            b, first, files = open_page(f"http://127.0.0.1:{server.server_port}/", kind == "program")
            complaints = b.complaints()
            b.close()
            if complaints:
                sys.exit(f"the {kind} page complained:\n" + "\n".join(complaints))
            times[kind].append(first)
            fetched.setdefault(kind, files)
    for server in servers.values():
        server.stop()
    shutil.rmtree(scratch)

    program = print_downloads("Program, first visit", site, fetched["program"])
    floor_total = print_downloads("Floor", floor, fetched["floor"])
    median = {k: statistics.median(v) for k, v in times.items()}
    ratio = median["program"] / median["floor"]
    print()
    print(f"{'':34}{'program':>12}{'floor':>12}{'ratio':>8}")
    for i, how in ((1, "gzip -9"), (2, "brotli")):
        print(f"{'first visit, ' + how:34}{kb(program[i]):>12}{kb(floor_total[i]):>12}"
              f"{program[i] / floor_total[i]:>7.2f}x")
    print(f"{f'first complete frame, median of {runs}':34}"
          f"{median['program']:>10.3f} s{median['floor']:>10.3f} s{ratio:>7.2f}x")
    print(f"{'  every run (s)':34}program {' '.join(f'{t:.3f}' for t in times['program'])}")
    print(f"{'':34}floor   {' '.join(f'{t:.3f}' for t in times['floor'])}")
    print(QT_LINE)
    print(f"Aims: first visit at most {kb(AIM_DOWNLOAD)} compressed (gzip -9): "
          f"{'met' if program[1] <= AIM_DOWNLOAD else 'MISSED'}; "
          f"first frame within {AIM_RATIO}x the floor: {'met' if ratio <= AIM_RATIO else 'MISSED'}")


if __name__ == "__main__":
    main()
