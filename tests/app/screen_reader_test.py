#!/usr/bin/python3
"""The program as a screen reader meets it: read from outside over the accessibility bus (AT-SPI).

Usage: dbus-run-session -- xvfb-run -a /usr/bin/python3 screen_reader_test.py PATH/TO/brivan

Starts the program once before accessibility is on, and hears its window announced when it is
turned on; then turns accessibility on for the session as a desktop does for a screen reader
(org.a11y.Status IsEnabled), starts the real program again, and reads the names of its controls, presses its buttons
and option buttons through their accessible actions, types through the editable-text interface,
and listens for the announcements that tell what a press wrote on the screen. Needs Debian's
python3 with python3-pyatspi, at-spi2-core, dbus and xvfb.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

import pyatspi  # noqa: E402
from checks import check, failures, finish  # noqa: E402

TIMEOUT = 30.0  # seconds for anything to appear; a pass takes far less



def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it gives something true; None after the timeout."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            result = probe()
        except GLib.Error:  # an object went away while it was being read: read again
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            check(False, "timed out waiting for " + what)
            return None
        time.sleep(0.05)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_all(root, role=None, name=None):
    return [o for o in walk(root)
            if (role is None or o.getRole() == role) and (name is None or o.name == name) and showing(o)]


def find(root, role, name):
    found = find_all(root, role, name)
    return found[0] if found else None


def press(obj, action="Press"):
    actions = obj.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if not check(action in names, f"{obj.name!r} offers the action {action} (it offers {names})"):
        return
    actions.doAction(names.index(action))


def text_of(obj):
    text = obj.queryText()
    return text.getText(0, text.characterCount)


class Program:
    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.DEVNULL)
        self.app = wait_for("the program on the accessibility bus", self._application)
        if self.app is None:
            self.stop()
            finish()
        # Every read goes to the program itself, never to a copy that could be out of date.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _application(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "brivan":
                return app
        return None

    def window(self, title):
        """The open window with this title, once it is the only one the program shows."""
        def probe():
            windows = [w for w in (self.app.getChildAtIndex(i) for i in range(self.app.childCount))
                       if w is not None and showing(w)]
            return windows[0] if len(windows) == 1 and windows[0].name == title else None
        return wait_for(f"the window {title!r}", probe)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class Announcements:
    """What the program tells a screen reader, as it hears it: Qt's announcements (Qt 6.8 and
    later), or the notification objects shown in their place before."""

    def __init__(self):
        self.heard = []
        pyatspi.Registry.registerEventListener(self._on_event, "object:announcement",
                                               "object:state-changed:showing")

    def _on_event(self, event):
        if event.type == "object:announcement":
            self.heard.append(str(event.any_data))
        elif event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.heard.append(event.source.name)

    def count(self, text):
        """How many notifications began with text."""
        pump()
        return sum(said.startswith(text) for said in self.heard)


def enable_accessibility():
    """What a desktop does when a screen reader starts."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


def screen_reader_turned_on_later(path):
    """The program started before accessibility is on, as when a pilot turns the screen reader on
    with the program open: its window, active already, is announced to the screen reader then."""
    process = subprocess.Popen([path], stdout=subprocess.DEVNULL)
    try:
        shown = wait_for("the terms window on the X display", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Brivan Review Program$"],
            capture_output=True).returncode == 0)
        activated = []
        listener = lambda event: activated.append(event.source.name)  # noqa: E731
        pyatspi.Registry.registerEventListener(listener, "window:activate")
        enable_accessibility()
        if shown:
            wait_for("the terms window announced as activated once accessibility is on",
                     lambda: "Brivan Review Program" in activated)
        pyatspi.Registry.deregisterEventListener(listener, "window:activate")
    finally:
        process.kill()
        process.wait()


LABEL = pyatspi.ROLE_LABEL
BUTTON = pyatspi.ROLE_PUSH_BUTTON


def terms_screen(program):
    terms = program.window("Brivan Review Program")
    if terms is None:
        return False
    for caption in ("I Agree", "Exit Program"):
        check(find(terms, BUTTON, caption) is not None, f"terms: a button read as {caption!r}")
    notice = find(terms, pyatspi.ROLE_TEXT, "Notice of rights")
    if check(notice is not None, "terms: the notice box is read as 'Notice of rights'"):
        check(text_of(notice) == "\u00a9 Skyward Study Press. All rights reserved.", "terms: the notice's text")
    for picture in ("Skyward Study Press logo", "Terms and Conditions for use", "Disclaimer"):
        check(find(terms, pyatspi.ROLE_IMAGE, picture) is not None, f"terms: a picture described as {picture!r}")
    disclaimer = find(terms, pyatspi.ROLE_IMAGE, "Disclaimer")
    if disclaimer is not None:
        check("used for training purposes only" in disclaimer.description, "terms: the disclaimer's wording is read")
    press(find(terms, BUTTON, "I Agree"))
    return True


def limitations_screen(program, heard):
    quiz = program.window("Brivan 2000 Limitations")
    if quiz is None:
        return False
    for caption in ("Next Question", "Enter Answer", "Exit", "Terms and Conditions", "Master Warning", "Memory Items"):
        check(find(quiz, BUTTON, caption) is not None, f"Limitations: a button read as {caption!r}")
    check(find(quiz, pyatspi.ROLE_IMAGE, "Business jet climbing over snow-covered mountains") is not None,
          "Limitations: the aircraft picture is described")
    answer = find(quiz, pyatspi.ROLE_TEXT, "Enter your answer here!")
    check(answer is not None, "Limitations: the answer box is read by its tool tip")

    press(find(quiz, BUTTON, "Next Question"))
    check(wait_for("question 1", lambda: find(quiz, LABEL, "The wing span is __ ft. 5 in.")) is not None,
          "Limitations: the first question is read after Next Question")
    if answer is None:
        return True

    def answer_with(text, verdict):
        before = heard.count(verdict)
        answer.queryEditableText().setTextContents(text)
        wait_for(f"the typed answer {text!r}", lambda: text_of(answer) == text)
        press(find(quiz, BUTTON, "Enter Answer"))
        check(wait_for(f"the announcement {verdict!r}", lambda: heard.count(verdict) > before) is not None,
              f"Limitations: the verdict {verdict!r} is announced after answering {text!r}")

    answer_with("64", "That's Not Correct!")
    for line in ("That's Not Correct!", "The Correct Answer is 63", "Reference Vol 1 Page 0-5",
                 "0 out of 1 correct!", "0 percent"):
        check(wait_for(repr(line), lambda line=line: find(quiz, LABEL, line)) is not None,
              f"Limitations: after a wrong answer the line {line!r} is read")
    answer_with("64", "That's Not Correct!")  # the same verdict again is announced again
    check(wait_for("the second score", lambda: find(quiz, LABEL, "0 out of 2 correct!")) is not None,
          "Limitations: the score after two answers")
    answer_with("63", "Correct!")
    for line in ("Correct!", "1 out of 3 correct!", "33 percent"):
        check(wait_for(repr(line), lambda line=line: find(quiz, LABEL, line)) is not None,
              f"Limitations: after a right answer the line {line!r} is read")
    press(find(quiz, BUTTON, "Master Warning"))
    return True


def annunciators_screen(program, heard):
    quiz = program.window("Brivan 2000 Annunciators")
    if quiz is None:
        return False
    next_question = find(quiz, BUTTON, "Next Question")
    press(next_question)
    light = wait_for("the first light", lambda: find(quiz, LABEL, "Warning light: FIRE 1"))
    check(light is not None, "Annunciators: the light reads 'Warning light: FIRE 1'")
    choices = ["A. Fire condition exists in #1 Engine (with fire audio warning)", "B. Fire condition exists in APU",
               "C. Fire condition exists baggage", "D. Smoke detected in baggage compartment"]
    for choice in choices:
        check(find(quiz, pyatspi.ROLE_RADIO_BUTTON, choice) is not None,
              f"Annunciators: an option button read as {choice!r}")
    option_a = find(quiz, pyatspi.ROLE_RADIO_BUTTON, choices[0])
    if option_a is not None:
        before = heard.count("Correct!")
        actions = option_a.queryAction()
        press(option_a, actions.getName(0))
        check(wait_for("the verdict", lambda: heard.count("Correct!") > before) is not None,
              "Annunciators: choosing A through its action is judged and announced")

    # On to light 19, a caution with a two-line legend, one press at a time.
    def shown():
        lights = [o.name for o in find_all(quiz, LABEL) if " light: " in o.name]
        options = [o.name for o in find_all(quiz, pyatspi.ROLE_RADIO_BUTTON)]
        return (tuple(lights), tuple(options))

    for question in range(2, 20):
        before = shown()
        press(next_question)
        if wait_for(f"light {question}", lambda: shown() != before and shown()) is None:
            return False
    check(find(quiz, LABEL, "Caution light: PUMP 1, HYDR #1") is not None,
          "Annunciators: light 19 reads 'Caution light: PUMP 1, HYDR #1'")
    check(not find_all(quiz, name="HYDR #1"), "Annunciators: the lower legend is not read on its own")
    press(find(quiz, BUTTON, "Memory Items"))
    return True


def memory_items_screen(program):
    quiz = program.window("Brivan 2000 Memory Items")
    if quiz is None:
        return False
    press(find(quiz, BUTTON, "Next Question"))
    check(wait_for("the checklist's light", lambda: find(quiz, LABEL, "Warning light: FIRE 1")) is not None,
          "Memory Items: the light of the first checklist is read")
    boxes = wait_for("the drop-down boxes", lambda: len(find_all(quiz, pyatspi.ROLE_COMBO_BOX)) == 7
                     and find_all(quiz, pyatspi.ROLE_COMBO_BOX))
    if not check(boxes is not None, "Memory Items: seven drop-down boxes for the first checklist"):
        return False
    names = {box.name for box in boxes}
    for step in ("ESS/RH Bus Tie Rotary Switch, TIED", "Power Lever, FLIGHT IDLE", "FUEL ENG switch, OFF"):
        check(step in names, f"Memory Items: a box is read as {step!r}, without its leader dots")
    press(find(quiz, BUTTON, "Exit"))
    return True


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    os.environ.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # turned on the way a desktop does it
    os.environ.pop("QT_QPA_PLATFORM", None)
    os.environ["QT_SCALE_FACTOR"] = "1"
    screen_reader_turned_on_later(sys.argv[1])
    enable_accessibility()
    heard = Announcements()
    program = Program(sys.argv[1])
    try:
        (terms_screen(program) and limitations_screen(program, heard)
         and annunciators_screen(program, heard) and memory_items_screen(program))
        if not failures:
            try:
                code = program.process.wait(timeout=TIMEOUT)
                check(code == 0, f"the program ends cleanly after Exit (exit code {code})")
            except subprocess.TimeoutExpired:
                check(False, "the program ends after Exit")
    finally:
        program.stop()
    finish()


if __name__ == "__main__":
    main()
