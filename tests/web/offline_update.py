#!/usr/bin/python3
"""The page offline and across new versions, in Chromium or WebKit, from one origin: versions
packaged by tools/web/package.sh from the web folder's program, brivan.js and brivan.wasm each
marked with its version, so that the page tells which version's script and module it runs.

Usage: offline_update.py ENGINE WEB_FOLDER
"""
import os
import shutil
import subprocess
import tempfile
import threading
import time

import driver
import serve
from checks import check
from drill import LIMITATIONS_FIRST, OPENING, RIGHT_FIRST, TERMS
from walk import ENDED, START_AGAIN, play

PACKAGE = os.path.join(driver.HERE, "..", "..", "tools", "web", "package.sh")
# Added to a version's brivan.js: which version it is, and which version's module it compiles.
MARK = """
window.brivanBuild = {js: "%s", wasm: ""};
for (const way of ["instantiate", "instantiateStreaming"]) {
  const compile = WebAssembly[way];
  WebAssembly[way] = (...args) => compile.apply(WebAssembly, args).then(made => (brivanBuild.wasm = WebAssembly.Module
    .customSections(made.module, "brivan-build").map(s => new TextDecoder().decode(s)).join(), made));
}
"""
# The versions the worker keeps: each with its number of files and the version its brivan.js marks.
KEPT = """(async () => Object.fromEntries(await Promise.all((await caches.keys()).map(async name => {
  const cache = await caches.open(name), script = await (await cache.match('brivan.js'))?.text();
  return [name.split(' ')[0], [(await cache.keys()).length, script?.match(/brivanBuild = \\{js: "([^"]*)"/)?.[1]]]; }))))()"""
WORKERS = "navigator.serviceWorker.getRegistration().then(r => r && [!!r.installing, !!r.waiting, !!r.active])"
# As the browser does after a visit, some time: the worker checks for a new version.
UPDATE = "navigator.serviceWorker.getRegistration().then(r => { r.update().catch(() => null); return 0; })"


def package(site, scratch, version, broken=False):
    """VERSION's web folder, its program marked; BROKEN: its brivan.wasm not the one its worker names."""
    build = os.path.join(scratch, f"build-{version}", "src")
    os.makedirs(build)
    section = bytes([len("brivan-build")]) + b"brivan-build" + version.encode()  # a WebAssembly custom section
    for name, mark in (("brivan.js", (MARK % version).encode()), ("brivan.wasm", bytes([0, len(section)]) + section)):
        with open(os.path.join(site, name), "rb") as source, open(os.path.join(build, name), "wb") as marked:
            marked.write(source.read() + mark)
    time.sleep(1.1)  # newer than the last by a second: a server answers revalidations by the second
    subprocess.run(["bash", PACKAGE, os.path.dirname(build), scratch, version], check=True, capture_output=True)
    folder = os.path.join(scratch, f"brivan-{version}-web")
    if broken:
        with open(os.path.join(folder, "brivan.wasm"), "ab") as f:
            f.write(b"\0")  # as from a server half-way through an upload
    return folder


class Origin:
    """One address, served by one server at a time."""
    server, port = None, 0

    def serve(self, folder=None, hold=None):
        """FOLDER served at the one address (none: the server stopped); the page's address."""
        self.server = self.server and self.server.stop()
        self.server = folder and serve.start(folder, self.port, hold)
        self.port = self.server.server_port if self.server else self.port
        return f"http://127.0.0.1:{self.port}/index.html"


def runs(b, version, what, or_else=None):
    """Checks that the page runs VERSION (or OR_ELSE) whole: its script and its module."""
    b.wait_window(TERMS, 20)
    build = b.run("window.brivanBuild")
    check(build["js"] == build["wasm"] in (version, or_else), f"{b.name}, {what}: the page runs version {version} "
          f"whole" + (f" (or {or_else})" if or_else else "") + f" (brivan.js and brivan.wasm of {build})")


def kept(b, version, what):
    """Checks that the worker settles, active, keeping VERSION alone, every file of it."""
    try:
        b.wait(f"{WORKERS}.then(w => w && !w[0] && !w[1] && w[2])", "the worker to settle", 60)
        files = b.wait(f"{KEPT}.then(k => Object.keys(k).length === 1 && k['brivan-{version}']?.[1] === '{version}'"
                       f" && k['brivan-{version}'][0])", f"the cache to hold version {version} alone", 30)
        check(True, f"{b.name}, {what}: the cache holds version {version} alone, all {files} files")
    except driver.Failure:
        check(False, f"{b.name}, {what}: the cache holds {b.run(KEPT)} (workers: {b.run(WORKERS)}), not {version}")


def waits(b, version):
    """Once the page of VERSION has started, the new version's worker is installed, and waits."""
    runs(b, version, "a new version served")
    b.run(UPDATE)
    b.wait(f"{WORKERS}.then(w => w && w[1])", "the new version's worker to wait", 60)


def start_again(b, what, version, or_else=None):
    """The program ended (Exit Program), "Start again" brings it back within seconds, running VERSION."""
    b.step = what
    b.press("Command1")
    b.wait(ENDED, "the end", 10)
    pressed = time.monotonic()
    b.pointer(*b.where(START_AGAIN, "Start again"))
    b.wait_window(TERMS, 10)
    check(True, f"{b.name}, {what}: the program starts in {time.monotonic() - pressed:.1f} s")
    runs(b, version, what, or_else)


def offline_update(engine, site, _):
    scratch, origin = tempfile.mkdtemp(prefix="brivan-versions-"), Origin()
    try:
        # Packaged in the order they are served, each newer than the last.
        first, broken, second, third, fourth = (package(site, scratch, version, version == "1.01")
                                                for version in ("1.00", "1.01", "1.02", "1.03", "1.04"))
        with driver.start(engine) as b:
            b.size(1280, 800)
            # The worker fills its cache while the server holds back its download of brivan.wasm,
            # which the page, started again, needs too.
            b.step = "the first visit"
            b.open(origin.serve(first, hold=("/brivan.wasm", held := threading.Event())))
            runs(b, "1.00", "the first visit")
            b.wait(f"{WORKERS}.then(w => w && w[0])", "the worker to start filling its cache", 30)
            start_again(b, "\"Start again\" while the worker is still filling its cache", "1.00")
            held.set()
            kept(b, "1.00", "after the first visit")

            b.step = "with the web server stopped"
            b.open(origin.serve(None))
            runs(b, "1.00", "with the web server stopped")
            for step in (OPENING[1], LIMITATIONS_FIRST[0], RIGHT_FIRST):  # a right answer judged offline
                play(b, step)

            b.step = "a new version whose download fails"
            b.open(url := origin.serve(broken))
            runs(b, "1.00", "a new version's download failed")
            b.open(url)
            runs(b, "1.00", "reopened after a new version's download failed")
            b.run(UPDATE)
            kept(b, "1.00", "a new version's download failed, tried again")

            b.step = "a new version served"
            b.open(url := origin.serve(second))
            waits(b, "1.00")
            play(b, OPENING[1])
            # What the open page would still fetch comes from its own version too.
            still = b.run("fetch('brivan.js').then(r => r.text()).then(t => [brivanBuild, t.includes('js: \"1.00\"')])")
            check(still == [{"js": "1.00", "wasm": "1.00"}, True],
                  f"{b.name}: with the new version waiting, the open page keeps running the old one whole ({still})")
            b.open("about:blank")
            time.sleep(2)  # the pilot comes back later: the waiting worker takes over once the last page has gone
            b.open(url)
            runs(b, "1.02", "reopened once no page of the old version is open")
            kept(b, "1.02", "reopened")

            b.open(origin.serve(third))
            waits(b, "1.02")
            b.open(origin.serve(fourth, hold=("/brivan.wasm", held := threading.Event())))
            b.run(UPDATE)
            b.wait(f"{WORKERS}.then(w => w && w[0])", "a newer version's worker to fill its cache", 30)
            # Chromium lets the waiting worker take over only once the newer one is installed.
            start_again(b, "\"Start again\" with a new version waiting and a newer one filling its cache", "1.03", "1.02")
            held.set()
            b.wait(f"{WORKERS}.then(w => w && !w[0] && w[1])", "the newer version's worker to wait", 60)
            start_again(b, "\"Start again\" with the newer version waiting", "1.04")
            start_again(b, "\"Start again\" right after the new version took over", "1.04")
            kept(b, "1.04", "started again")
    finally:
        origin.serve(None)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    driver.test(offline_update, __doc__)
