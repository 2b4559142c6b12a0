#!/usr/bin/python3
"""The browser benchmark: the program's web folder beside the floor page (one dialog, one label,
one button, the same Qt for WebAssembly and fonts).

Download size: the files a first visit fetches before the first frame (page, loader, .js, .wasm),
raw and gzip -9 compressed, as a server that compresses sends them.
First frame: from the page being opened (the navigation's start) to the first animation frame in
which the first window (the terms screen; the floor's dialog) is drawn on its canvas, in headless
Chromium with a fresh profile each run (a first visit, nothing cached), served from 127.0.0.1.
Every time is the median over the runs.

Usage: web_measure.py WEB_FOLDER FLOOR_FOLDER [RUNS]
"""
import gzip
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "web"))
import cdp  # noqa: E402
import serve  # noqa: E402

FETCHED = ["index.html", "qtloader.js"]

# Notes the time of the first animation frame in which the window TITLE has opaque pixels.
WATCH = """(() => {
  const title = %r;
  const qtRoot = () => document.getElementById('qt-shadow-container')?.shadowRoot || document;
  function look() {
    for (const w of qtRoot().querySelectorAll('.qt-window')) {
      const name = w.querySelector('.window-name');
      const canvas = w.querySelector('canvas');
      if (!name || name.textContent !== title || !canvas || !canvas.width) continue;
      const pixel = canvas.getContext('2d').getImageData(canvas.width >> 1, canvas.height >> 1, 1, 1).data;
      if (pixel[3] !== 0) { window.brivanFirstFrame = performance.now(); return; }
    }
    requestAnimationFrame(look);
  }
  requestAnimationFrame(look);
})();"""


def sizes(folder, program):
    files = FETCHED + [f"{program}.js", f"{program}.wasm"]
    raw = {f: os.path.getsize(os.path.join(folder, f)) for f in files}
    packed = {f: len(gzip.compress(open(os.path.join(folder, f), "rb").read(), 9)) for f in files}
    return raw, packed


def first_frame(url, title):
    b = cdp.Browser()
    try:
        b.size(1280, 800)
        b.call("Page.addScriptToEvaluateOnNewDocument", source=WATCH % title)
        b.open(url)
        return b.wait_for("window.brivanFirstFrame", 120, f"the first frame of {title!r}") / 1000
    finally:
        b.close()


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    site, floor = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) == 4 else 5
    mb = lambda n: f"{n / 1e6:5.2f} MB"  # noqa: E731
    print(f"{'':34}{'program':>12}{'floor':>12}")
    p_raw, p_gz = sizes(site, "brivan")
    f_raw, f_gz = sizes(floor, "bench_web_floor")
    print(f"{'.wasm, raw':34}{mb(p_raw['brivan.wasm']):>12}{mb(f_raw['bench_web_floor.wasm']):>12}")
    print(f"{'.wasm, gzip -9':34}{mb(p_gz['brivan.wasm']):>12}{mb(f_gz['bench_web_floor.wasm']):>12}")
    print(f"{'first visit download, raw':34}{mb(sum(p_raw.values())):>12}{mb(sum(f_raw.values())):>12}")
    print(f"{'first visit download, gzip -9':34}{mb(sum(p_gz.values())):>12}{mb(sum(f_gz.values())):>12}")
    servers = [serve.start(site), serve.start(floor)]
    times = {"program": [], "floor": []}
    for _ in range(runs):  # alternated, so that the machine's load falls on both alike
        times["program"].append(first_frame(f"http://127.0.0.1:{servers[0].server_port}/index.html",
                                            "Brivan Review Program"))
        times["floor"].append(first_frame(f"http://127.0.0.1:{servers[1].server_port}/index.html", "floor"))
    median = {k: statistics.median(v) for k, v in times.items()}
    print(f"{f'first frame, median of {runs} (s)':34}{median['program']:>12.2f}{median['floor']:>12.2f}")
    print(f"{'first frame, every run (s)':34}  program {' '.join(f'{t:.2f}' for t in times['program'])}")
    print(f"{'':34}  floor   {' '.join(f'{t:.2f}' for t in times['floor'])}")
    for server in servers:
        server.shutdown()


if __name__ == "__main__":
    main()
