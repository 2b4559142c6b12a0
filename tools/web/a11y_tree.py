#!/usr/bin/python3
"""What a screen reader finds in the page, read from Chromium's accessibility tree (the DevTools
protocol's Accessibility.getFullAXTree) after one wrong answer on each quiz, given as a pilot
gives it (clicks and typed keys in headless Chromium): the window as a dialog named by its
caption, the buttons by their captions, the answer box by its tool tip, the light, the option
buttons by their choices, the drop-down boxes by the steps they number, the pictures, and the
live region holding the verdict as the desktop program tells it.

Prints "ok: ..." for each proof, and what the tree held for each screen.

Usage: a11y_tree.py WEB_FOLDER
"""
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402
import serve  # noqa: E402

LOGO = "Skyward Study Press logo"
AIRCRAFT = "Business jet climbing over snow-covered mountains"
ANSWER_BOX = "Enter your answer here!"
QUIZ_BUTTONS = ("Next Question", "Enter Answer", "Exit", "Terms and Conditions")
CHOICES = ("A. Fire condition exists in #1 Engine (with fire audio warning)", "B. Fire condition exists in APU",
           "C. Fire condition exists baggage", "D. Smoke detected in baggage compartment")
STEPS = ("ESS/RH Bus Tie Rotary Switch, TIED", "Power Lever, FLIGHT IDLE", "FUEL ENG switch, OFF",
         "FUEL SHUT-OFF Switch, ACTUATE", "Airspeed, BELOW 250 KIAS", "Fire Extingisher DISCH Switch, POSITION 2",
         "Fire Extinguisher DISCH Switch, POSITION 1")
# Chromium's role names, as the protocol gives them.
BUTTON, TEXT_BOX, RADIO, IMAGE = ("button",), ("textbox",), ("radio",), ("image", "img")
COMBO_BOX = ("combobox", "ComboBoxSelect", "ComboBoxGrouping", "ComboBoxMenuButton")

failures = []


def ok(text):
    print(f"ok: {text}", flush=True)


def fail(text):
    failures.append(text)
    print(f"FAIL: {text}", flush=True)


class Tree:
    """One reading of the page's accessibility tree."""

    def __init__(self, browser):
        self.nodes = {n["nodeId"]: n for n in browser.call("Accessibility.getFullAXTree")["nodes"]}

    @staticmethod
    def role(node):
        return node.get("role", {}).get("value", "")

    @staticmethod
    def field(node, key):
        return str(node.get(key, {}).get("value", ""))

    @staticmethod
    def prop(node, name):
        return next((p["value"].get("value") for p in node.get("properties", []) if p["name"] == name), None)

    def below(self, node, depth=0):
        """The nodes under NODE, with their depth; ignored nodes are passed through, not given."""
        for child_id in node.get("childIds", []):
            child = self.nodes.get(child_id)
            if child is None:
                continue
            if child.get("ignored"):
                yield from self.below(child, depth)
            else:
                yield child, depth
                yield from self.below(child, depth + 1)

    def find(self, roles, name=None, under=None):
        nodes = [n for n, _ in self.below(under)] if under else [n for n in self.nodes.values() if not n.get("ignored")]
        return [n for n in nodes if self.role(n) in roles and (name is None or self.field(n, "name") == name)]

    def text(self, node):
        return " ".join(self.field(n, "name") for n, _ in self.below(node) if self.role(n) == "StaticText")

    def dump(self, node):
        """NODE and what is under it, one line each: a text's words on its holder's line, the
        pieces of a name that its holder already says left out."""
        lines = []

        def walk(n, depth):
            role, name = self.role(n), self.field(n, "name")
            children = [c for c, d in self.below(n) if d == 0]
            if role == "generic" and not name and children and all(self.role(c) == "StaticText" for c in children):
                role, name, children = "text", " ".join(self.field(c, "name") for c in children), []
            if role in ("InlineTextBox", "LineBreak"):
                return
            extra = [f"{key}={self.field(n, key)!r}" for key in ("value", "description") if self.field(n, key)]
            extra += [f"{p}={self.prop(n, p)}" for p in ("checked", "live", "atomic", "focused")
                      if self.prop(n, p) not in (None, False, "false")]
            lines.append("  " * depth + " ".join([role, repr(name), *extra]))
            for child in children:
                if not (name and self.role(child) == "StaticText"):
                    walk(child, depth + 1)

        walk(node, 0)
        return "\n".join(lines)


class Page:
    def __init__(self, browser):
        self.b = browser

    def wait_window(self, caption):
        self.b.wait_for(f"""[...document.querySelectorAll('.bw-window')]
            .some(w => w.getAttribute('aria-label') === {caption!r} && !w.hidden)""", 90, f"the window {caption!r}")

    def click(self, name):
        """A real click in the middle of the shown control NAME."""
        selector = json.dumps(f'.bw-window:not([hidden]) [data-name="{name}"]')
        box = self.b.wait_for(f"""(() => {{
            const e = [...document.querySelectorAll({selector})]
                .find(e => !e.hidden && e.getBoundingClientRect().width > 0);
            if (!e) return null;
            const r = e.getBoundingClientRect();
            return {{x: r.x + r.width / 2, y: r.y + r.height / 2}}; }})()""", 10, f"the control {name}")
        self.b.click(box["x"], box["y"])

    def said(self):
        return self.b.evaluate("document.getElementById('brivan-said')?.textContent ?? ''")

    def wait_said(self, words):
        try:
            self.b.wait_for(f"(document.getElementById('brivan-said')?.textContent ?? '').includes({words!r})", 10)
        except TimeoutError:
            fail(f"the page's live region never held {words!r} (it holds {self.said()!r})")


def check_screen(b, caption, *, description=None, buttons=(), text_boxes=(), lights=(), options=(), boxes=(),
                 pictures=(), values=None, checked=(), told=None):
    b.pump(0.3)  # the tree follows the page within a frame
    tree = Tree(b)
    dialogs = tree.find(("dialog",), caption)
    if len(dialogs) != 1:
        fail(f"{caption}: {len(dialogs)} dialogs named {caption!r}; dialogs: "
             f"{[tree.field(d, 'name') for d in tree.find(('dialog', 'alertdialog'))]}")
        return
    dialog = dialogs[0]
    print(f"--- the tree of {caption!r}:\n{tree.dump(dialog)}", flush=True)
    ok(f"{caption}: a dialog named by its caption")
    if description is not None:
        said = tree.field(dialog, "description")
        if said.startswith(description):
            ok(f"{caption}: the dialog is described ({said[:40]}...)")
        else:
            fail(f"{caption}: the dialog's description is {said!r}, not {description!r}...")

    expected = [(BUTTON, n, "button") for n in buttons] + [(TEXT_BOX, n, "text box") for n in text_boxes] + \
               [(RADIO, n, "option button") for n in options] + [(COMBO_BOX, n, "drop-down box") for n in boxes] + \
               [(IMAGE, n, "picture") for n in pictures]
    unnamed = 0
    for roles, name, kind in expected:
        if len(tree.find(roles, name, dialog)) == 1:
            continue
        unnamed += 1
        others = [f"{tree.role(n)} {tree.field(n, 'name')!r}" for n in tree.find(roles, under=dialog)]
        named = [tree.role(n) for n, _ in tree.below(dialog) if tree.field(n, "name") == name]
        fail(f"{caption}: no single {kind} named {name!r}" + (f" (that name is on: {named})" if named else "") +
             f"; the page has: {others}")
    if expected and not unnamed:
        ok(f"{caption}: {len(expected)} controls named: " + ", ".join(f"{kind} {name!r}" for _, name, kind in expected))
    values = values or {}
    wrong = {name: [tree.field(n, "value") for n, _ in tree.below(dialog) if tree.field(n, "name") == name]
             for name in values}
    wrong = {name: held for name, held in wrong.items() if held != [values[name]]}
    for name, held in wrong.items():
        fail(f"{caption}: {name!r} holds {held}, not {values[name]!r}")
    if values and not wrong:
        ok(f"{caption}: the values read as shown: " + ", ".join(values.values()))
    for name in checked:
        found = [n for n in tree.find(RADIO, name, dialog) if tree.prop(n, "checked") == "true"]
        if found:
            ok(f"{caption}: {name!r} is checked")
        else:
            fail(f"{caption}: {name!r} is not read as checked")
    marked = [tree.field(n, "name") for n in tree.find(BUTTON, under=dialog) if "&" in tree.field(n, "name")]
    if marked:
        fail(f"{caption}: buttons named with the access key mark: {marked}")
    for light in lights:
        found = [n for n, _ in tree.below(dialog) if tree.field(n, "name") == light]
        if found:
            ok(f"{caption}: the light is named {light!r} (role {tree.role(found[0])})")
        else:
            fail(f"{caption}: nothing is named {light!r}")

    if told is not None:
        regions = [n for n in tree.nodes.values() if not n.get("ignored") and tree.prop(n, "live") == "assertive"]
        if len(regions) != 1:
            fail(f"{caption}: {len(regions)} assertive live regions in the tree, not 1")
            return
        region = regions[0]
        held = tree.text(region)
        print(f"--- the live region holds: {held!r}", flush=True)
        if tree.prop(region, "atomic") is not True:
            fail(f"{caption}: the live region is not atomic")
        if held == told:
            ok(f"{caption}: the live region tells {told!r}")
        else:
            fail(f"{caption}: the live region tells {held!r}, not {told!r}")


def walk(b, url):
    page = Page(b)
    b.open(url)
    page.wait_window("Brivan Review Program")
    check_screen(b, "Brivan Review Program", description="Skyward Study Press does not guarantee",
                 buttons=("I Agree", "Exit Program"), pictures=("Disclaimer",))

    page.click("cmdContinue")
    page.wait_window("Brivan 2000 Limitations")
    page.click("cmdEnter")
    page.wait_said("The wing span is")
    page.click("txtAnswer")
    b.type("64")
    b.key("Enter")
    page.wait_said("percent")
    check_screen(b, "Brivan 2000 Limitations",
                 buttons=QUIZ_BUTTONS + ("Master Warning", "Memory Items"), text_boxes=(ANSWER_BOX,),
                 pictures=(LOGO, AIRCRAFT), values={ANSWER_BOX: "64"},
                 told="That's Not Correct! The Correct Answer is 63. Reference Vol 1 Page 0-5. 0 out of 1 correct! "
                      "0 percent.")

    page.click("Command2")  # Master Warning
    page.wait_window("Brivan 2000 Annunciators")
    page.click("cmdEnter")
    page.wait_said("Warning light: FIRE 1")
    page.click("OptionB")
    page.wait_said("percent")
    check_screen(b, "Brivan 2000 Annunciators",
                 buttons=QUIZ_BUTTONS + ("Limitations", "Memory Items"), text_boxes=(ANSWER_BOX,),
                 lights=("Warning light: FIRE 1",), options=CHOICES, pictures=(LOGO,), checked=(CHOICES[1],),
                 told="That's Not Correct! The Correct Answer is A. Reference: Flight Safety Manual 4-3. "
                      "0 out of 1 correct! 0 percent.")

    page.click("Command3")  # Memory Items
    page.wait_window("Brivan 2000 Memory Items")
    page.click("cmdEnter")
    page.wait_said("ENGINE FIRE")
    page.click("cmdEnteranswer")  # the boxes as they come, 1 to 7: a wrong order
    page.wait_said("percent")
    check_screen(b, "Brivan 2000 Memory Items",
                 buttons=QUIZ_BUTTONS + ("Limitations", "Master Warning"), lights=("Warning light: FIRE 1",),
                 boxes=STEPS, pictures=(LOGO,), values={step: str(n) for n, step in enumerate(STEPS, 1)},
                 told="That's Not Correct! The Correct Order is 2 1 3 4 5 7 6. Reference: Checklist E-2. "
                      "0 out of 1 correct! 0 percent.")


def main():
    if len(sys.argv) != 2 or not os.path.isfile(os.path.join(sys.argv[1], "index.html")):
        sys.exit(__doc__)
    server = serve.start(sys.argv[1])
    b = cdp.Browser()
    try:
        b.size(1280, 900)
        b.call("Accessibility.enable")
        walk(b, f"http://127.0.0.1:{server.server_port}/index.html")
    except (TimeoutError, RuntimeError) as error:
        fail(f"the walk stopped: {error}")
    finally:
        b.close()
        server.shutdown()
    print(f"{len(failures)} failed" if failures else "ok: Chromium's accessibility tree holds what the desktop's screen reader reads",
          flush=True)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
