#!/usr/bin/python3
"""The browser test of tools/web.sh: the web folder served from 127.0.0.1 and walked in headless
Chromium as a pilot would, with the keyboard, the mouse and touch:

- at a desktop's size: the terms screen, "I Agree" by a click; a Limitations question answered
  wrong with typed keys; an Annunciators question answered by a click on an option; a Memory Items
  order picked from a drop-down list; the results screen; Escape, and the page's "has ended" with
  its "Start again", which brings back the terms screen;
- on an iPad in portrait (touch, two device pixels to one): the window scaled down to fit, whole on
  the page; a tap on "I Agree" lands on it, a tap in the answer box gives it the focus and asks for
  the digits keyboard; the pictures drawn from their 2x renderings;
- the window fitted again when the page turns to landscape;
- no error or warning in the console, no Content-Security-Policy violation;
- and where the program cannot start (opened from file://, its .wasm missing, a browser without
  WebAssembly), the page's own words instead of a blank page.

Prints "ok: ..." for each proof and leaves a screenshot of each moment in OUT.

Usage: walk.py WEB_FOLDER OUT
"""
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402
import serve  # noqa: E402

WINDOW = "document.querySelector('.bw-window:not([hidden])')"
failures = []


def check(ok, what):
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


class Walk:
    def __init__(self, b, out, prefix):
        self.b, self.out, self.prefix = b, out, prefix

    def shot(self, name):
        self.b.pump(0.3)
        self.b.screenshot(os.path.join(self.out, f"{self.prefix}-{name}.png"))

    def caption(self):
        return self.b.wait_for(f"{WINDOW}?.getAttribute('aria-label')", 30, "a window of the program")

    def on(self, caption):
        return self.b.wait_for(f"{WINDOW}?.getAttribute('aria-label') === {caption!r}", 10, caption)

    def text(self, name):
        return self.b.evaluate(f"(e => e.value ?? e.textContent)({WINDOW}.querySelector('[data-name={name}]'))")

    def focus(self):
        return self.b.evaluate("document.activeElement?.dataset?.name || ''")

    def centre(self, name):
        """Where a control is drawn on the page, the window's scale included."""
        r = self.b.evaluate(f"(r => [r.x + r.width / 2, r.y + r.height / 2])"
                            f"({WINDOW}.querySelector('[data-name={name}]').getBoundingClientRect())")
        return r[0], r[1]

    def press(self, name, touch=False):
        x, y = self.centre(name)
        (self.b.tap if touch else self.b.click)(x, y)
        self.b.pump(0.1)

    def alt(self, letter):
        self.b.key(letter, code=f"Key{letter.upper()}", modifiers=1)
        self.b.pump(0.1)

    def said(self):
        return self.b.evaluate("document.getElementById('brivan-said').textContent")


def desktop(b, url, out):
    w = Walk(b, out, "desktop")
    b.size(1280, 800)
    b.open(url)
    w.on("Brivan Review Program")
    check(w.focus() == "cmdContinue", "the terms screen opens with the focus on \"I Agree\"")
    w.shot("1-terms")
    w.press("cmdContinue")
    w.on("Brivan 2000 Limitations")
    w.alt("n")
    check(w.focus() == "txtAnswer", "Alt+N shows a question and puts the focus in the answer box")
    b.type("62")
    b.key("Enter")
    b.pump(0.2)
    check(w.text("lblResponse2") == "That's Not Correct!" and w.text("lblResponse") == "The Correct Answer is 63",
          "a wrong typed answer is judged on Enter, with the correct answer")
    check("0 out of 1 correct!" in w.said(), "the verdict and the score are told to the screen reader")
    w.shot("2-limitations-verdict")
    # Option+M on a Mac: the key types "µ", and the program reads the key's place instead.
    b.key("µ", code="KeyM", text="µ", vk=77, modifiers=1)
    w.on("Brivan 2000 Annunciators")
    check(True, "Alt with a letter is read by the key's place: Option+M, which types \"µ\" on a Mac, "
                "opens the Annunciators screen")
    w.alt("n")
    w.press("OptionB")
    check(w.text("lblResponse2") in ("Correct!", "That's Not Correct!") and w.text("lblCorrect") == "1 out of 1 correct!"
          if w.text("lblResponse2") == "Correct!" else w.text("lblCorrect") == "0 out of 1 correct!",
          "a click on an option judges it")
    w.shot("3-annunciators-verdict")
    w.alt("i")
    w.on("Brivan 2000 Memory Items")
    w.alt("n")
    x, y = w.b.evaluate(f"(r => [r.x + r.width / 2, r.y + r.height / 2])({WINDOW}.querySelector('.bw-arrow:not([hidden])').getBoundingClientRect())")
    b.call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", buttons=1, clickCount=1)
    b.call("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button="left", buttons=0, clickCount=1)
    b.pump(0.2)
    check(b.evaluate(f"!!{WINDOW}.querySelector('.bw-list:not([hidden])')"), "a drop-down box's arrow opens its list")
    w.shot("4-memory-items-list")
    b.key("ArrowDown")
    b.key("Enter")
    b.pump(0.1)
    check(not b.evaluate(f"!!{WINDOW}.querySelector('.bw-list:not([hidden])')"), "Enter in the open list picks and closes it")
    w.alt("e")
    check(w.text("lblResponse2") in ("Correct!", "That's Not Correct!"), "Enter Answer judges the order")
    w.shot("5-memory-items-verdict")
    for _ in range(15):
        w.alt("n")
    w.on("Brivan 2000 Quit or Continue?")
    check(w.text("lblPercent").startswith("You answered "), "the last Next Question opens the results screen")
    w.shot("6-results")
    b.key("Escape")
    b.wait_for("document.getElementById('notice-title').textContent === 'The review program has ended'", 10,
               "the page's words after the end")
    check(not b.evaluate(f"!!{WINDOW}"), "Escape on a results screen ends the program: no window is left")
    w.shot("7-ended")
    b.evaluate("document.getElementById('notice-button').click()")
    w.on("Brivan Review Program")
    check(True, "\"Start again\" brings back the terms screen")


def ipad(b, url, out):
    w = Walk(b, out, "ipad")
    b.size(768, 1024, scale=2, mobile=True)
    b.open(url)
    w.on("Brivan Review Program")
    box = b.evaluate(f"(r => [r.left, r.top, r.right, r.bottom])({WINDOW}.getBoundingClientRect())")
    check(box[0] >= 0 and box[1] >= 0 and box[2] <= 768 and box[3] <= 1024,
          f"in portrait the window is scaled to fit the page (it spans {[round(n) for n in box]})")
    check(b.evaluate("[...document.querySelectorAll('img.bw-picture')].every(i => i.currentSrc.includes('@2x'))"),
          "with two device pixels to one the pictures come from their 2x renderings")
    w.shot("1-terms-portrait")
    w.press("cmdContinue", touch=True)
    w.on("Brivan 2000 Limitations")
    check(True, "a tap on \"I Agree\" lands on it")
    box = b.evaluate(f"(r => [r.left, r.top, r.right, r.bottom])({WINDOW}.getBoundingClientRect())")
    check(box[0] >= 0 and box[2] <= 768, f"the widest screen fits the page's width too (it spans {[round(n) for n in box]})")
    w.press("cmdEnter", touch=True)
    w.press("txtAnswer", touch=True)
    check(w.focus() == "txtAnswer", "a tap in the answer box gives it the focus")
    check(b.evaluate(f"{WINDOW}.querySelector('[data-name=txtAnswer]').inputMode") == "decimal",
          "the Limitations answer box asks a tablet for its digits keyboard")
    w.shot("2-limitations-portrait")
    # A tablet's keyboard leaves only the top of the page visible: the visual viewport shrinks,
    # the page does not. Zooming the page in three times shrinks it the same way, to its top third.
    b.call("Emulation.setPageScaleFactor", pageScaleFactor=3)
    b.pump(0.5)
    in_view = (f"(v => (r => [r.top - v.offsetTop, v.height - (r.bottom - v.offsetTop)])"
               f"({WINDOW}.querySelector('[data-name=txtAnswer]').getBoundingClientRect()))(visualViewport)")
    room = b.evaluate(in_view)
    check(min(room) >= 0, f"with a tablet's keyboard up, the answer box is moved up into the visible part "
                          f"(room above and below: {[round(n) for n in room]})")
    b.evaluate("dispatchEvent(new Event('resize'))")
    b.pump(0.2)
    room = b.evaluate(in_view)
    check(min(room) >= 0, f"fitted again with the keyboard still up, it stays there (room: {[round(n) for n in room]})")
    b.call("Emulation.setPageScaleFactor", pageScaleFactor=1)
    b.pump(0.3)
    b.size(1024, 768, scale=2, mobile=True)
    b.pump(0.3)
    scale = b.evaluate(f"{WINDOW}.getBoundingClientRect().width / {WINDOW}.offsetWidth")
    box = b.evaluate(f"(r => [r.left, r.top, r.right, r.bottom])({WINDOW}.getBoundingClientRect())")
    check(box[0] >= 0 and box[1] >= 0 and box[2] <= 1024 and box[3] <= 768,
          f"turned to landscape, the window is fitted again (scale {scale:.2f})")
    w.shot("3-limitations-landscape")


def cannot_start(site, out):
    """The page's words where the program cannot start."""
    expected = {
        "file": "opened as a file",
        "no-wasm": "cannot run WebAssembly",
        "missing": "could not be downloaded",
    }
    broken = tempfile.mkdtemp(prefix="brivan-broken-")
    try:
        shutil.copytree(site, broken, dirs_exist_ok=True)
        os.remove(os.path.join(broken, "brivan.wasm"))
        server = serve.start(broken)
        # A browser without WebAssembly: the page's object taken away before the page's script runs.
        for case, url, before in (
                ("file", "file://" + os.path.abspath(os.path.join(site, "index.html")), ""),
                ("no-wasm", None, "delete window.WebAssembly;"),
                ("missing", f"http://127.0.0.1:{server.server_port}/index.html", "")):
            b = cdp.Browser()
            try:
                b.size(1024, 700)
                if before:
                    b.call("Page.addScriptToEvaluateOnNewDocument", source=before)
                if url is None:
                    good = serve.start(site)
                    url = f"http://127.0.0.1:{good.server_port}/index.html"
                b.open(url)
                text = b.wait_for("(t => t.includes(%r) && t)(document.getElementById('notice')?.innerText || '')"
                                  % expected[case], 30, f"the page's words when {case}")
                check(bool(text), f"{case}: the page says so: {text.splitlines()[0]!r}")
                b.screenshot(os.path.join(out, f"cannot-start-{case}.png"))
            finally:
                b.close()
        server.shutdown()
    finally:
        shutil.rmtree(broken)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/index.html"
    for walk in (desktop, ipad):
        b = cdp.Browser()
        try:
            walk(b, url, out)
            complaints = b.complaints()
            check(not complaints, f"{walk.__name__}: nothing in the console" + "".join("\n  " + c for c in complaints))
        finally:
            b.close()
    cannot_start(site, out)
    server.shutdown()
    sys.exit(f"{len(failures)} checks failed" if failures else 0)


if __name__ == "__main__":
    main()
