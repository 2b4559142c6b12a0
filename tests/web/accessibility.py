#!/usr/bin/python3
"""What a screen reader finds in the page (Chromium's accessibility tree, WebKit's computed roles and
labels) on the terms screen and after each quiz's first verdict, the drill played by the mouse:
the dialog, each control by the name it is read by, the live region's words (Chromium: also the
description, values and checked state as read, the live region's kind).

Usage: accessibility.py ENGINE WEB_FOLDER
"""
import driver
from checks import check
from drill import (ANNUNCIATORS, ANNUNCIATORS_FIRST, ANSWER_BOX, CHOICES, DRILL, LIMITATIONS, LIMITATIONS_FIRST,
                   MEMORY_ITEMS, MEMORY_ITEMS_FIRST, STEPS, TERMS)
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


if __name__ == "__main__":
    driver.test(accessibility, __doc__)
