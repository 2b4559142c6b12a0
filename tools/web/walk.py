#!/usr/bin/python3
"""The browser test of tools/web.sh: the web folder served from 127.0.0.1 and walked in headless
Chromium as a pilot would, at a desktop's size and at an iPad's in portrait (device scale 2):

- the terms screen, then "I Agree" by a click;
- Limitations question 1 answered wrong with typed keys: the verdict and the correct answer shown,
  and read in the page's accessibility tree;
- an Annunciators question answered by a tap;
- a Memory Items order entered, and the results screen reached;
- every control of the screens passed, where Qt's mirror of the page puts it, against where the
  Linux program puts it (the layout tables, 15 twips to the pixel), within TOLERANCE pixels;
- no error or warning in the page's console;
- and where the program cannot start (opened from file://, its .wasm missing on the server, a
  browser without WebAssembly), the page's own words.

Prints "ok: ..." for each proof and leaves a screenshot of each moment in OUT.

Usage: walk.py WEB_FOLDER OUT
"""
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402
import serve  # noqa: E402

SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
TOLERANCE = 1  # pixels, in Qt's units: the Linux program's own rounding of twips
# Qt 6.8.2 says this once as its mirror of the page is switched on: the mirror starts from the
# application, which has no window. Said by Qt, not the program, and only with the mirror on.
MIRROR_ON = "qt.qpa.accessibility: Unable to find window for QAccessibleInterface("
# Chromium says this once a drop-down list opened by a tap has closed: Qt 6.8.2 gives the window's
# canvas the focus back, and that canvas is marked aria-hidden by Qt.
CANVAS_FOCUSED = "Blocked aria-hidden on an element because its descendant retained focus."
QT_OWN = (MIRROR_ON, CANVAS_FOCUSED)

ROW = re.compile(r'\.name = "(\w+)", \.kind = (\w+), \.left = (-?\d+), \.top = (\d+), \.width = (\d+), '
                 r'\.height = (\d+)')


# Rows that a table makes with a helper of its own: kind, left, width and height of each; and the
# results screens' two quiz buttons, at Left 4800 or 6120.
HELPERS = {"option": ("OptionButton", 2040, 255, 495), "choice": ("Label", 2400, 7935, 615),
           "box": ("ComboBox", 2160, 495, 315), "line": ("Label", 2880, 7455, 375)}
HELPER_ROW = re.compile(r'\b(option|choice|box|line)\("(\w+)",(?: "\d",)? (\d+),')
QUIZ_BUTTONS = {"quiz button at left": ("Button", 4800, 7080, 1335, 492),
                "quiz button at right": ("Button", 6120, 7080, 1335, 492)}


def layout(screen):
    """The controls of one layout table: name -> (kind, x, y, w, h) in pixels, 15 twips to one."""
    with open(os.path.join(SOURCE, "src", "ui", "layouts", f"{screen}_layout.cpp"), encoding="utf-8") as f:
        text = f.read()
    rows = {m[1]: (m[2], *(int(n) for n in m.groups()[2:])) for m in ROW.finditer(text)}
    for helper, name, top in HELPER_ROW.findall(text):
        kind, left, width, height = HELPERS[helper]
        rows[name] = (kind, left, int(top), width, height)
    if screen == "results":
        rows.update(QUIZ_BUTTONS)
    return {name: (kind, *(n // 15 for n in numbers)) for name, (kind, *numbers) in rows.items()}


class Walk:
    def __init__(self, browser, out, scale=1.0):
        self.b, self.out, self.scale = browser, out, scale
        self.shots = []

    def said(self):
        return self.b.evaluate("document.getElementById('brivan-said').textContent")

    def window(self, title, timeout=30):
        """The client area of the shown window with this title, in page pixels, once it is drawn."""
        return self.b.wait_for(f"""(() => {{
            for (const w of qtRoot().querySelectorAll('.qt-window')) {{
                const name = w.querySelector('.window-name');
                if (!name || name.textContent !== {title!r} || w.style.display === 'none') continue;
                const r = w.querySelector('canvas').getBoundingClientRect();
                if (r.width > 0) return {{x: r.x, y: r.y, w: r.width, h: r.height}};
            }}
            return null; }})()""", timeout, f"the window {title!r}")

    def at(self, client, row):
        """The middle of a control, in page pixels."""
        _, x, y, w, h = row
        return client["x"] + (x + w / 2) * self.scale, client["y"] + (y + h / 2) * self.scale

    def shot(self, name):
        self.b.pump(0.3)  # let the frame that follows the last event be drawn
        path = os.path.join(self.out, f"{name}.png")
        self.b.screenshot(path)
        self.shots.append(path)

    def wait_said(self, *parts, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            said = self.said() or ""
            if all(p in said for p in parts):
                return said
            self.b.pump(0.05)
        raise AssertionError(f"the page's live region holds {self.said()!r}, not {parts}")


def ok(text):
    print(f"ok: {text}", flush=True)


def mirror_on(b):
    """Presses Qt's "Enable Screen Reader" button: Qt mirrors every control in the page."""
    b.evaluate("(() => { const e = qtRoot().querySelector('button.hidden-visually-read-by-screen-reader');"
               " if (e) e.click(); return true; })()")
    b.pump(0.5)


def check_positions(b, title, rows):
    """Qt's mirror of the window TITLE against the layout: each mirrored control's box, in the
    window's own pixels, must be a control of the table within TOLERANCE (or the edit field inside a
    drop-down box); and every button of the table must be among them."""
    b.pump(0.3)
    boxes = b.evaluate(f"""(() => {{
        const w = [...qtRoot().querySelectorAll('.qt-window')]
            .find(w => w.querySelector('.window-name')?.textContent === {title!r});
        return [...w.querySelectorAll('.qt-window-a11y-container *')]
            .filter(e => e.style && e.style.left && e.ariaHidden !== 'true')
            .map(e => ({{x: parseFloat(e.style.left), y: parseFloat(e.style.top),
                        w: parseFloat(e.style.width), h: parseFloat(e.style.height),
                        label: (e.getAttribute('aria-label') || e.textContent || '').trim().slice(0, 40)}}));
    }})()""")
    near = lambda box, row: all(abs(box[k] - v) <= TOLERANCE for k, v in zip("xywh", row[1:]))  # noqa: E731
    boxes = [box for box in boxes if not (box["label"] == title and box["x"] == box["y"] == 0)]  # the window
    inside = lambda box, row: (row[1] - TOLERANCE <= box["x"] and box["x"] + box["w"] <= row[1] + row[3] + TOLERANCE  # noqa: E731
                               and row[2] - TOLERANCE <= box["y"] and box["y"] + box["h"] <= row[2] + row[4] + TOLERANCE)
    # A control, or a part of one (the edit field of a drop-down box).
    wrong = [box for box in boxes if not any(near(box, row) or (row[0] == "ComboBox" and inside(box, row))
                                             for row in rows.values())]
    assert not wrong, f"{title}: controls away from their Linux places: {wrong}"
    missing = [name for name, row in rows.items() if row[0] == "Button" and not any(near(box, row) for box in boxes)]
    assert not missing, f"{title}: buttons not found where the Linux program puts them: {missing}"
    ok(f"{title}: {len(boxes)} controls and captions where the Linux program puts them, within {TOLERANCE} px")


def expect_quiet_console(b, allowed, said):
    """No error or warning in the page's console but the allowed ones (Qt's own, named above)."""
    complaints = [c for c in b.complaints() if not any(known in c for known in allowed)]
    assert not complaints, "the console has errors or warnings:\n" + "\n".join(complaints)
    ok(said)


def on_failure(b, out, name):
    """What the page showed and said when a step failed."""
    try:
        b.screenshot(os.path.join(out, f"{name}-failed.png"))
        print(f"screenshot of the failure: {os.path.join(out, name + '-failed.png')}")
    except Exception:
        pass
    print("console:\n  " + "\n  ".join(b.console()[-30:]))
    print("live region: " + repr(b.evaluate("document.getElementById('brivan-said').textContent")))


def desktop(url, out):
    b = cdp.Browser()
    try:
        b.size(1280, 800)
        started = time.monotonic()
        b.open(url)
        w = Walk(b, out)
        intro = layout("intro")
        terms = w.window("Brivan Review Program", 60)
        ok(f"the terms screen is shown {time.monotonic() - started:.1f} s after the page was opened")
        w.shot("desktop-1-terms")
        mirror_on(b)
        check_positions(b, "Brivan Review Program", intro)

        b.click(*w.at(terms, intro["cmdContinue"]))
        lims = layout("limitations")
        client = w.window("Brivan 2000 Limitations")
        ok("I Agree, clicked, opened Limitations")
        b.click(*w.at(client, lims["cmdEnter"]))
        w.wait_said("wing span")
        b.type("64")
        b.key("Enter")
        said = w.wait_said("That's Not Correct!", "The Correct Answer is 63")
        ok(f"64 typed and Enter: the page's live region says {said!r}")
        w.shot("desktop-2-limitations-verdict")
        tree = b.call("Accessibility.getFullAXTree")["nodes"]
        names = [n["name"]["value"] for n in tree if n.get("name", {}).get("value")]
        held = [n for n in names if "That's Not Correct!" in n]
        assert held, f"the accessibility tree holds no verdict: {names[:40]}"
        ok(f"Chromium's accessibility tree holds the verdict: {held[0]!r}")

        check_positions(b, "Brivan 2000 Limitations", lims)

        b.click(*w.at(client, lims["Command2"]))  # &Master Warning
        anns = layout("annunciators")
        client = w.window("Brivan 2000 Annunciators")
        b.click(*w.at(client, anns["cmdEnter"]))
        w.wait_said("Warning light")
        b.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        # Option A: a radio without text answers on its 14-pixel indicator only.
        _, x, y, _, h = anns["OptionA"]
        b.tap(client["x"] + x + 7, client["y"] + y + h / 2)
        said = w.wait_said("Correct")
        b.call("Emulation.setTouchEmulationEnabled", enabled=False)
        ok(f"Annunciators answered by a tap on option A: {said[:60]!r}...")
        w.shot("desktop-3-annunciators-verdict")
        check_positions(b, "Brivan 2000 Annunciators", anns)

        b.click(*w.at(client, anns["Command3"]))  # Memory &Items
        mems = layout("memory_items")
        client = w.window("Brivan 2000 Memory Items")
        b.click(*w.at(client, mems["cmdEnter"]))
        w.wait_said("ENGINE FIRE")
        # The right order of the first checklist: the first box chosen from its list by taps, the
        # others typed over.
        _, x, y, bw, bh = mems["com1"]
        b.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        b.tap(client["x"] + x + bw - 6, client["y"] + y + bh / 2)  # the box's arrow
        popup = b.wait_for("""(() => { const c = [...qtRoot().querySelectorAll('.qt-window')]
            .filter(w => w.style.display !== 'none' && !w.querySelector('.window-name')?.textContent)
            .map(w => w.querySelector('canvas').getBoundingClientRect()).filter(r => r.height > 0);
            return c.length ? {x: c[0].x, y: c[0].y, w: c[0].width, h: c[0].height} : null; })()""",
                           10, "the first box's list")
        b.tap(popup["x"] + popup["w"] / 2, popup["y"] + popup["h"] * 1.5 / 7)  # "2", the second of seven
        b.pump(0.3)
        b.call("Emulation.setTouchEmulationEnabled", enabled=False)
        for n, digit in zip(range(2, 8), "134576"):
            _, x, y, bw, bh = mems[f"com{n}"]
            b.click(client["x"] + x + 8, client["y"] + y + bh / 2)
            b.key("a", modifiers=2)  # Ctrl+A: the box's number, selected
            b.type(digit)
        b.click(*w.at(client, mems["cmdEnteranswer"]))
        said = w.wait_said("Correct!")
        assert said.startswith("Correct!"), f"the order 2134576, chosen and typed, was judged: {said!r}"
        ok(f"a Memory Items order entered, the first number chosen by taps: {said!r}")
        w.shot("desktop-4-memory-items-verdict")
        check_positions(b, "Brivan 2000 Memory Items", mems)
        for _ in range(20):
            b.click(*w.at(client, mems["cmdEnter"]))
            b.pump(0.2)
            if b.evaluate("[...qtRoot().querySelectorAll('.window-name')].some(e => e.textContent === "
                          "'Brivan 2000 Quit or Continue?')"):
                break
        w.window("Brivan 2000 Quit or Continue?")
        ok("the results screen reached")
        w.shot("desktop-5-results")
        check_positions(b, "Brivan 2000 Quit or Continue?", layout("results"))

        expect_quiet_console(b, QT_OWN, "no error or warning in the console but Qt's own two (see QT_OWN)")
    except Exception:
        on_failure(b, out, "desktop")
        raise
    finally:
        b.close()


def ipad(url, out):
    """An iPad (device scale 2), opened in landscape, where the screens fit, then turned."""
    b = cdp.Browser()
    try:
        b.size(1024, 768, scale=2, mobile=True)
        b.open(url)
        w = Walk(b, out)
        terms = w.window("Brivan Review Program", 60)
        assert round(terms["w"]) == 11415 // 15, f"in landscape the terms screen is {terms['w']} px wide"
        w.shot("ipad-1-landscape-terms")
        b.size(768, 1024, scale=2, mobile=True)  # turned to portrait
        deadline = time.monotonic() + 10
        while (terms := w.window("Brivan Review Program"))["w"] >= 11415 // 15 and time.monotonic() < deadline:
            b.pump(0.1)
        w.scale = terms["w"] / (11415 // 15)
        assert w.scale < 1 and terms["x"] >= 0 and terms["x"] + terms["w"] <= 768, f"turned: {terms}"
        ok(f"iPad turned to portrait: the screens are scaled by {w.scale:.3f}, the terms screen "
           f"{terms['w']:.0f} px wide from x = {terms['x']:.0f}")
        w.shot("ipad-2-portrait-terms")
        b.tap(*w.at(terms, layout("intro")["cmdContinue"]))
        client = w.window("Brivan 2000 Limitations")
        ok("I Agree, tapped, opened Limitations")
        b.tap(*w.at(client, layout("limitations")["cmdEnter"]))
        w.wait_said("wing span")
        b.tap(*w.at(client, layout("limitations")["txtAnswer"]))
        b.type("63")
        b.tap(*w.at(client, layout("limitations")["cmdEnteranswer"]))
        said = w.wait_said("Correct!")
        ok(f"63 typed in the tapped answer box, Enter Answer tapped: {said!r}")
        w.shot("ipad-3-portrait-limitations")
        b.key("Escape")
        b.wait_for("!document.getElementById('notice').hidden && "
                   "document.getElementById('notice-title').textContent === 'The review program has ended'",
                   10, "the page saying that the program ended")
        ok("Escape ended the program: the page says so and offers to start again")
        w.shot("ipad-4-ended")
        expect_quiet_console(b, (), "no error or warning in the console on the iPad")
    except Exception:
        on_failure(b, out, "ipad")
        raise
    finally:
        b.close()


def notice(b, title, words, button=None):
    """Waits for the page's own notice with this title, holding these words (and this button)."""
    said = b.wait_for(f"""(() => {{
        const n = document.getElementById('notice'), t = document.getElementById('notice-title');
        const button = document.getElementById('notice-button');
        if (!n || !t || !button || n.hidden || t.textContent !== {title!r}) return null;
        return {{text: document.getElementById('notice-text').textContent,
                button: button.hidden ? null : button.textContent}};
    }})()""", 30, f"the notice {title!r}")
    assert words in said["text"] and said["button"] == button, f"the notice {title!r} says {said}"
    return said["text"]


def failures(site, out):
    """A page that cannot start says why, in plain words, and a failed download offers a retry."""
    import shutil
    import tempfile
    b = cdp.Browser()
    try:
        b.open("file://" + os.path.abspath(os.path.join(site, "index.html")))
        notice(b, "The review program cannot start here", "opened as a file")
        ok("opened from file://, the page says that it must come from a web server")
        with tempfile.TemporaryDirectory() as broken:  # the folder without its .wasm
            for name in os.listdir(site):
                if name != "brivan.wasm":
                    (shutil.copytree if os.path.isdir(os.path.join(site, name)) else shutil.copy)(
                        os.path.join(site, name), os.path.join(broken, name))
            server = serve.start(broken)
            b.open(f"http://127.0.0.1:{server.server_port}/index.html")
            notice(b, "The review program did not load", "could not be downloaded", "Try again")
            b.screenshot(os.path.join(out, "failed-download.png"))
            ok("with brivan.wasm missing on the server, the page says so and offers \"Try again\"")
            server.shutdown()
    finally:
        b.close()
    b = cdp.Browser()
    try:
        b.call("Page.addScriptToEvaluateOnNewDocument", source="delete window.WebAssembly;")  # as if it had none
        server = serve.start(site)
        b.open(f"http://127.0.0.1:{server.server_port}/index.html")
        notice(b, "The review program cannot start here", "cannot run WebAssembly")
        ok("in a browser without WebAssembly, the page says that it needs it")
        server.shutdown()
    finally:
        b.close()


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    site, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    server = serve.start(site)
    url = f"http://127.0.0.1:{server.server_port}/index.html"
    desktop(url, out)
    ipad(url, out)
    failures(site, out)
    server.shutdown()


if __name__ == "__main__":
    main()
