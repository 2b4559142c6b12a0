#!/usr/bin/python3
"""The page walked as a pilot would, in Chromium or WebKit (Firefox: its start alone): the drill by
keys and by the mouse, the results, the end and "Start again", a tablet in portrait with taps
(Chromium: also at 2x, with its keyboard up, in landscape), a clean console, the page's own words
where the program cannot start. Screenshots in OUT.

Usage: walk.py ENGINE WEB_FOLDER OUT
"""
import json
import os
import shutil
import tempfile

import driver
import serve
from checks import check
from drill import ANNUNCIATORS_FIRST, DRILL, OPENING, OPTION_BY_SPACE, RESULTS, TERMS
from driver import OPEN, ROLES, SAID, WINDOW, arrow, control, item

# True once the live region holds a new announcement (one not yet HEARD) with WORDS in order.
TOLD = f"""(words => {{ const said = {SAID}.firstElementChild; let at = 0;
  return !!said && !said.brivanHeard && words.every(w => (at = said.textContent.indexOf(w, at)) >= 0 && (at += w.length));
}})(%s)"""
HEARD = f"(s => s && (s.brivanHeard = true))({SAID}.firstElementChild)"
ENDED = "document.getElementById('notice-title').textContent === 'The review program has ended'"
START_AGAIN = "document.getElementById('notice-button')"


def focus_is(b, name, role=""):
    """Whether the focused control is read by NAME (and ROLE, in a screen reader's words)."""
    focused = b.focused()
    got_role, got_name = b.accessible(f"{OPEN} [data-name={focused}]") if focused else ("", "")
    return got_name == name and (not role or got_role in ROLES[role])


def expect_told(b, words, what):
    """Waits until the live region tells WORDS afresh: a check."""
    try:
        b.wait(TOLD % json.dumps(list(words)), "the program's words", 10)
        return check(True, f"{b.name}, {what}: the live region tells {' / '.join(words)}")
    except driver.Failure:
        return check(False, f"{b.name}, {what}: the live region holds {b.said()!r}, not {words}")


def play(b, step, by="keys"):
    """One step of the drill, by its keys (or by "mouse" or "touch", as its clicks), and what it must
    produce."""
    b.step = step.what + ("" if by == "keys" else f" by {by}")
    b.run(HEARD)
    for _ in range(10 if step.until else 1):
        for click in step.clicks if by != "keys" else ():
            if click[0] == "pick":
                b.pointer(*b.where(arrow(click[1]), f"the arrow of {click[1]}"), touch=by == "touch")
                b.pointer(*b.where(item(*click[1:]), f"item {click[2]} of {click[1]}'s list"), touch=by == "touch")
            else:
                b.type(click[1]) if click[0] == "type" else b.press(click, touch=by == "touch")
        if by == "keys" and b.name == "Chromium" and step.keys == (("Alt", "m"),):
            b.typed_at("µ", "KeyM")  # Option+M as a Mac sends it: the key's place, typing "µ"
        elif by == "keys" and step.keys:
            b._keys([(k[1], k[0] == "Alt", k[0] == "Shift") if isinstance(k, tuple) else (k, False, False)
                     for k in step.keys])
        if not step.until or focus_is(b, step.focus):
            break
    if step.window:
        b.wait_window(step.window)
    if step.told:
        expect_told(b, step.told, b.step)
    if step.focus:
        check(focus_is(b, step.focus, step.role), f"{b.name}, {b.step}: the focus is on {step.focus!r} {step.role}")
    if step.value:
        value = b.run(f"{control(b.focused())}.value")
        check(value == step.value, f"{b.name}, {b.step}: the focused box holds {step.value!r} (it holds {value!r})")


def desktop(b, url, shot):
    b.size(1280, 800)
    b.open(url)
    for step in DRILL:
        play(b, step)
        if step.told:
            shot(step.what)
    b.step = "paging on to the results screen"
    b._keys([("n", True, False)] * 15)
    b.wait_window(RESULTS)
    check(b.run(f"{control('lblPercent')}.textContent").startswith("You answered "),
          f"{b.name}: the last Next Question opens the results screen")
    b.step = "Escape on the results screen"
    b.key("Escape")
    b.wait(ENDED, "the page's words after the end", 10)
    check(not b.run(f"!!{WINDOW}"), f"{b.name}: Escape on a results screen ends the program: no window is left")
    shot("the end")
    b.step = "Start again"
    b.pointer(*b.where(START_AGAIN, "Start again"))
    b.wait_window(TERMS)
    for step in (step for step in DRILL if step.clicks):
        play(b, step, "mouse")
    shot("by the mouse")


def tablet(b, url, shot):  # in portrait; Chromium also at two device pixels to one, then in landscape
    chromium = b.name == "Chromium"
    b.size(768, 1024, scale=2, mobile=True) if chromium else b.size(768, 1024)
    b.open(url)
    b.step = "a tablet in portrait"
    whole = f"(r => [r.left, r.top, r.right, r.bottom].map(Math.round))({WINDOW}.getBoundingClientRect())"
    fits = lambda width, height, box: box[0] >= 0 and box[1] >= 0 and box[2] <= width and box[3] <= height  # noqa: E731
    b.wait_window(TERMS)
    check(fits(768, 1024, box := b.run(whole)), f"{b.name}: in portrait the window is scaled to fit the page ({box})")
    if chromium:
        check(b.run("[...document.querySelectorAll('img.bw-picture')].every(i => i.currentSrc.includes('@2x'))"),
              "Chromium: with two device pixels to one the pictures come from their 2x renderings")
    shot("tablet terms")
    play(b, OPENING[1], "touch")
    check(fits(768, 1024, box := b.run(whole)), f"{b.name}: the widest screen fits the page ({box})")
    b.press("txtAnswer", touch=True)
    check(b.focused() == "txtAnswer", f"{b.name}: a tap in the answer box gives it the focus")
    check(b.run(f"{control('txtAnswer')}.inputMode") == "decimal",
          f"{b.name}: the Limitations answer box asks a tablet for its digits keyboard")
    shot("tablet limitations")
    if chromium:
        keyboard_up(b)
    for step in (*ANNUNCIATORS_FIRST, OPTION_BY_SPACE[1]):  # an option tapped, then the right one
        play(b, step, "touch")
    if chromium:
        b.size(1024, 768, scale=2, mobile=True)
        b.pump(0.3)
        check(fits(1024, 768, box := b.run(whole)), f"Chromium: turned to landscape, the window is fitted again ({box})")


def keyboard_up(b):
    # A tablet's keyboard leaves only the top of the page visible: the visual viewport shrinks,
    # the page does not. Zooming the page in three times shrinks it the same way, to its top third.
    in_view = (f"(v => (r => [r.top - v.offsetTop, v.height - (r.bottom - v.offsetTop)].map(Math.round))"
               f"({control('txtAnswer')}.getBoundingClientRect()))(visualViewport)")
    for zoom, event, what in ((3, "", "with a tablet's keyboard up, the answer box is moved up into the visible part"),
                              (3, "dispatchEvent(new Event('resize'))", "fitted again with the keyboard up, it stays"),
                              (1, "", "")):
        b.call("Emulation.setPageScaleFactor", pageScaleFactor=zoom)
        b.run(event or "0")
        b.pump(0.4)
        if what:
            check(min(room := b.run(in_view)) >= 0, f"Chromium: {what} (room above and below: {room})")


def cannot_start(engine, site, url, out):  # the page's words where the program cannot start
    broken = tempfile.mkdtemp(prefix="brivan-broken-")
    shutil.copytree(site, broken, dirs_exist_ok=True)
    os.remove(os.path.join(broken, "brivan.wasm"))
    server = serve.start(broken)
    try:
        for case, address, before, words in (
                ("file", "file://" + os.path.abspath(os.path.join(site, "index.html")), "", "opened as a file"),
                ("no-wasm", url, "delete window.WebAssembly;", "cannot run WebAssembly"),
                ("missing", f"http://127.0.0.1:{server.server_port}/index.html", "", "could not be downloaded")):
            with driver.start(engine, before_load=before) as b:
                b.step = f"the page {case}"
                b.open(address)
                text = b.wait(f"(t => t.includes({words!r}) && t)(document.getElementById('notice')?.innerText || '')",
                              f"the page's words when {case}", 30, notice=False)
                check(True, f"{b.name}, {case}: the page says so: {text.splitlines()[0]!r}")
                b.screenshot(os.path.join(out, f"{engine}-cannot-start-{case}.png"))
    finally:
        server.stop()
        shutil.rmtree(broken)


def walk(engine, site, url, out):
    os.makedirs(out, exist_ok=True)
    for part in (desktop, tablet) if engine != "firefox" else ():
        with driver.start(engine) as b:
            part(b, url, lambda what: b.screenshot(os.path.join(out, f"{engine}-{what.replace(' ', '-')}.png")))
            check(not (said := b.complaints()), f"{b.name}, {part.__name__}: nothing in the console {said}")
    if engine == "firefox":  # the start-up check
        with driver.start(engine) as b:
            b.open(url)
            b.wait_window(TERMS, 120)
            check(b.focused() == "cmdContinue", "Firefox: the terms screen is shown, with the focus on \"I Agree\"")
            check(not (said := b.complaints()), f"Firefox: no error or warning in the console {said}")
    else:
        cannot_start(engine, site, url, out)


if __name__ == "__main__":
    driver.test(walk, __doc__)
