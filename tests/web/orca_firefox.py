#!/usr/bin/python3
"""What Orca speaks in Firefox ESR while the drill (tests/app/drill.py) is pressed as real X keys
(keys a driver puts into a page do not reach Orca), heard as on the desktop (orca_test.py). Run
by tests/app/orca_test.sh with BRIVAN_ORCA_DRIVER naming this file. Orca 48 (Debian 13) writes a
debug log that shows a window's name it cut off itself; Orca 43 (Debian 12) writes none, so there
every window's name must be heard.

Usage: orca_firefox.py WEB_FOLDER
"""
import os
import sys
import time

import driver
import serve
from checks import check, finish
from drill import DRILL
from orca_test import (PATIENCE, Step, both, enable_accessibility, from_drill, keys, orca_version, spoken, start_orca,
                       wait_until_quiet)

ORCA = orca_version()


def page_ready(title, focus):
    """Waits until Firefox's accessibility tree holds the page TITLE loaded, with the button FOCUS
    focused: the program's first window is up, whatever Orca read as the page loaded."""
    import pyatspi

    def found(node, depth=0):  # below the page's document only, never into the browser's bars
        role = node.getRole()
        if role == pyatspi.ROLE_DOCUMENT_WEB:
            return node.name == title and not node.getState().contains(pyatspi.STATE_BUSY) and inside(node)
        return depth < 12 and role not in (pyatspi.ROLE_TOOL_BAR, pyatspi.ROLE_MENU_BAR) and any(
            found(c, depth + 1) for c in node if c is not None)

    def inside(node):
        return (node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == focus
                and node.getState().contains(pyatspi.STATE_FOCUSED)) or any(inside(c) for c in node if c is not None)

    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        try:
            if any(found(app) for app in pyatspi.Registry.getDesktop(0) if app and "firefox" in app.name.lower()):
                return True
        except Exception:  # an object went away while it was read: read again
            pass
        time.sleep(0.2)
    return False


def in_firefox(step):
    """A step of the drill as Orca in Firefox must speak it. Orca 43 says nothing of the number that
    a key puts in the focused box: its "where am I" (keypad Enter) reads it."""
    said = from_drill(step, firefox=True)
    if ORCA < 48 and step.value and not step.role:
        said.action = both(said.action, keys("KP_Enter"))
    return said


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    driver.need_folder(sys.argv[1])
    server = serve.start(sys.argv[1])
    enable_accessibility()
    orca = start_orca()
    firefox = []

    def open_page():  # Firefox, opening the page
        firefox.append(driver.start("firefox", headless=False, env=dict(os.environ, GNOME_ACCESSIBILITY="1"),
                                    first_page=f"http://127.0.0.1:{server.server_port}/index.html"))

    # As the page loads, Orca reads it through, and the program's first window may be there before
    # that reading or not: its words come in any order. Orca 43 reads from wherever the focus is by
    # then, so only the page's name is sure; the tree shows the window is up.
    first = DRILL[0]
    says = (first.window, *first.read, f"{first.focus} {first.role}") if ORCA >= 48 else (first.window,)
    opening = Step("the page opens", open_page, says=says, any_order=True)
    try:
        if (Step("Orca starts", lambda: None, says=("Screen reader on",)).run() and opening.run()
                and check(page_ready(first.window, first.focus), "the page has loaded, with the focus on I Agree")):
            # Until Orca leaves its reading of the loaded page, it says no window around a newly
            # focused control. Control ends the reading, as a pilot would.
            wait_until_quiet(quiet=2.0, most=PATIENCE)
            keys("Control_L")()
            wait_until_quiet()
            for step in map(in_firefox, DRILL[1:]):
                if not step.run():
                    break
                print(f"ok: Orca {ORCA} in Firefox, {step.what}: {' / '.join(filter(None, (step.window, *step.says)))}",
                      flush=True)
    except driver.Failure as failure:
        check(False, str(failure))
    finally:
        for browser in firefox:
            browser.close()
        driver.end(orca)
        server.stop()
    print("Orca said:\n" + spoken(), flush=True)
    finish()


if __name__ == "__main__":
    main()
