#!/usr/bin/python3
"""What a screen reader finds in the page (Chromium's accessibility tree, WebKit's computed roles and
labels) on the terms screen and after each quiz's first verdict, the drill played by the mouse:
the dialog, each control by the name it is read by, the live region's words (Chromium: also the
description, values and checked state as read, the live region's kind). In Chromium, axe-core
audits those screens and the results screen, with the defaults and with each contrast mode.

Usage: accessibility.py ENGINE WEB_FOLDER
"""
import os

import driver
from checks import check
from drill import (ANNUNCIATORS, ANNUNCIATORS_FIRST, ANSWER_BOX, CHOICES, DRILL, LIMITATIONS, LIMITATIONS_FIRST,
                   MEMORY_ITEMS, MEMORY_ITEMS_FIRST, RESULTS, STEPS, TERMS)
from driver import OPEN, ROLES, WINDOW
from walk import play

QUIZ_BUTTONS = ("Next Question", "Enter Answer", "Exit", "Terms and Conditions")
LOGO, LIGHT = "Skyward Study Press logo", "Warning light: FIRE 1"  # the light, a picture to a screen reader
SCREENS = {
    TERMS: {"button": ("I Agree", "Exit Program"), "picture": ("Disclaimer",),
            "description": "Skyward Study Press does not guarantee"},
    LIMITATIONS: {"button": QUIZ_BUTTONS + ("Master Warning", "Memory Items"), "text box": (ANSWER_BOX,),
                  "picture": (LOGO, "Business jet climbing over snow-covered mountains"), "values": {ANSWER_BOX: "64"}},
    ANNUNCIATORS: {"button": QUIZ_BUTTONS + ("Limitations", "Memory Items"), "text box": (ANSWER_BOX,),
                   "radio button": CHOICES, "picture": (LOGO, LIGHT), "checked": (CHOICES[1],)},
    MEMORY_ITEMS: {"button": QUIZ_BUTTONS + ("Limitations", "Master Warning"), "combo box": STEPS, "picture": (LOGO, LIGHT),
                   "values": {step: str(n) for n, step in enumerate(STEPS, 1)}},
}
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "axe", "node_modules", "axe-core", "axe.min.js")
# Each rule axe-core breaks, with the control it found breaking it (by its table name).
AXE_RUN = """axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22a',
  'wcag22aa', 'best-practice']}}).then(r => r.violations.flatMap(v => v.nodes.map(n => [v.id,
  document.querySelector(n.target[0])?.closest('[data-name]')?.dataset.name ?? n.target.join(' ')])))"""
CONTRAST_MODES = {"the defaults": [], "more contrast": [{"name": "prefers-contrast", "value": "more"}],
                  "forced colours": [{"name": "forced-colors", "value": "active"}]}
# The one fault allowed with the defaults, the screens' own colours: a wrong verdict and the correct
# answer in red on a quiz's grey.
OWN_COLOURS = {quiz: [["color-contrast", "lblResponse2"], ["color-contrast", "lblResponse"]]
               for quiz in (LIMITATIONS, ANNUNCIATORS, MEMORY_ITEMS)}
# Each quiz screen is read after its first verdict.
READ_AFTER = {LIMITATIONS_FIRST[1]: LIMITATIONS, ANNUNCIATORS_FIRST[2]: ANNUNCIATORS, MEMORY_ITEMS_FIRST[2]: MEMORY_ITEMS}


def read_screen(b, caption, told):
    """Checks what the accessibility tree gives the open window and each of its controls, and that
    the live region tells TOLD."""
    expect, b.step = SCREENS[caption], f"reading {caption}"
    b.run("new Promise(done => setTimeout(done, 300))")  # the tree follows the page within a frame
    check(b.accessible(OPEN) == ("dialog", caption), f"{b.name}, {caption}: a dialog named by its caption")
    names = b.run(f"[...{WINDOW}.querySelectorAll('[data-name]')].map(e => e.dataset.name)")
    controls = [b.accessible(f"{OPEN} [data-name={name}]") for name in names]
    print(f"--- {b.name} reads {caption!r}: " + "; ".join(f"{r} {n!r}" for r, n in controls if n), flush=True)
    for kind, roles in ROLES.items():
        for name in expect.get(kind, ()):
            found = [r for r, n in controls if n == name]
            check(len(found) == 1 and found[0] in roles, f"{b.name}, {caption}: one {kind} named {name!r} ({found})")
    marked = [n for r, n in controls if r == "button" and "&" in n]
    check(not marked, f"{b.name}, {caption}: no button named with the access key's mark {marked}")
    check(b.said() == " ".join(told), f"{b.name}, {caption}: the live region tells {told} (it holds {b.said()!r})")
    if b.name == "Chromium":
        read_tree(b, caption, expect)
        audit(b, caption)


def audit(b, caption):
    """axe-core on the open screen, with the defaults and with each contrast mode emulated, switched
    while the program runs: with the defaults, the screens' own colours alone may fail."""
    if not os.path.isfile(AXE):
        return check(False, f"axe-core is at {AXE} (tools/web/build.sh installs it)")
    # The screen as it stands: the window it replaced stays, unseen, until the screen reader has
    # heard the focus move.
    b.wait("document.querySelectorAll('.bw-window').length === 1", "the screen alone in the page", 10)
    if not b.run("!!window.axe"):
        b.call("Runtime.evaluate", expression=open(AXE, encoding="utf-8").read())
    for mode, features in CONTRAST_MODES.items():
        b.call("Emulation.setEmulatedMedia", features=features)
        b.run("new Promise(done => requestAnimationFrame(() => setTimeout(done, 50)))")
        found, allowed = sorted(b.run(AXE_RUN)), sorted(OWN_COLOURS.get(caption, [])) if not features else []
        print(f"--- axe-core, {caption}, {mode}: {found or 'no violation'}", flush=True)
        check(found == allowed, f"Chromium, {caption}, {mode}: axe-core finds {allowed or 'no violation'} ({found})")
    b.call("Emulation.setEmulatedMedia", features=[])


def read_tree(b, caption, expect):
    """What Chromium's whole tree gives besides: descriptions, values and checked state as read, and
    the live region as a screen reader meets it."""
    nodes = [n for n in b.call("Accessibility.getFullAXTree")["nodes"] if not n.get("ignored")]
    field = lambda n, key: str(n.get(key, {}).get("value", ""))  # noqa: E731
    prop = lambda n, name: next((p["value"].get("value") for p in n.get("properties", []) if p["name"] == name), None)  # noqa: E731
    if "description" in expect:
        said = [field(n, "description") for n in nodes if field(n, "role") == "dialog"]
        check(len(said) == 1 and said[0].startswith(expect["description"]), f"Chromium, {caption}: the dialog is "
                                                                              f"described ({said[0][:40] if said else None}...)")
    for name, value in expect.get("values", {}).items():
        held = [field(n, "value") for n in nodes if field(n, "name") == name]
        check(held == [value], f"Chromium, {caption}: {name!r} holds {value!r} as read (it holds {held})")
    for name in expect.get("checked", ()):
        check(any(prop(n, "checked") == "true" for n in nodes if field(n, "name") == name),
              f"Chromium, {caption}: {name!r} is read as checked")
    regions = [n for n in nodes if prop(n, "live") == "assertive"]
    check(len(regions) == 1 and prop(regions[0], "atomic") is True,
          f"Chromium, {caption}: one assertive live region, read whole (atomic); {len(regions)} found")


def accessibility(engine, site, url):
    with driver.start(engine) as b:
        b.size(1280, 900)
        if engine == "chromium":
            b.call("Accessibility.enable")
        b.open(url)
        b.wait_window(TERMS)
        read_screen(b, TERMS, ())
        for step in (step for step in DRILL if step.clicks):
            play(b, step, "mouse")
            if step in READ_AFTER:
                read_screen(b, READ_AFTER[step], step.told)
        if engine == "chromium":
            b.step = "paging on to the results screen"
            b._keys([("n", True, False)] * 15)
            b.wait_window(RESULTS)
            audit(b, RESULTS)


if __name__ == "__main__":
    driver.test(accessibility, __doc__)
