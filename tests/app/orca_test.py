#!/usr/bin/python3
"""What Orca speaks while a pilot drills every quiz with the keyboard alone.

Run by orca_test.sh, which gives Orca and speech-dispatcher a home of their own and a voice that
writes every utterance to $BRIVAN_SPOKEN. Starts Orca as a desktop does, then the program, presses
real X keys (xdotool) and, after each press, waits until the expected words have been spoken, in
order, and the speech has settled; then checks that nothing was said twice.

Orca 48 hears a key at the same moment as the program, not before it. When the program has already
opened the next window by the time Orca handles the key, Orca announces that window and then, still
handling the same key press, interrupts its own speech, as it does on every key press: the window's
name never reaches the voice. So a window's name counts as spoken when the voice says it, or when
Orca's own log shows it sent the name to speech and then cut it off for that key press.
"""

import os
import re
import subprocess
import sys
import time

from gi.repository import Gio, GLib

from checks import check, failures, finish
from drill import ANNUNCIATORS_FIRST, ANSWER_BOX, LIMITATIONS_FIRST, MEMORY_ITEMS_FIRST, OPENING

SPOKEN = os.environ["BRIVAN_SPOKEN"]
ORCA_LOG = os.path.join(os.path.dirname(SPOKEN), "orca-debug.txt")
SPEECH_OUTPUT = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: \{.*)?$", re.M)  # a line of Orca's log
# Seconds for words to be spoken. A pass takes well under one each on a quiet machine; on a busy
# one (the sanitizer build, two cores shared with other work) Orca 43 was seen to take more than 20
# to start speaking at all. Only a failing step waits this long.
PATIENCE = 60.0
QUIET = 0.6      # seconds without new speech after which a step's speech is over


def spoken():
    with open(SPOKEN, encoding="utf-8", errors="replace") as f:
        return re.sub(r"\s+", " ", f.read())


def in_order(text, phrases):
    """The phrases found one after another in text; the first missing one, or None."""
    at = 0
    for phrase in phrases:
        found = text.find(phrase, at)
        if found < 0:
            return phrase
        at = found + len(phrase)
    return None


def orca_log(since=0):
    """Orca's debug log from byte offset SINCE."""
    try:
        with open(ORCA_LOG, "rb") as f:
            f.seek(since)
            return f.read().decode("utf-8", errors="replace")
    except FileNotFoundError:
        return ""


def cut_off_by_its_key(log, phrase):
    """What Orca sent to speech with PHRASE in it, where it then, before saying anything else,
    interrupted that speech while handling a key press; or ""."""
    for said in re.finditer(SPEECH_OUTPUT, log):
        if phrase in said.group(1):
            before_next = log[said.end():].split("SPEECH OUTPUT:", 1)[0]
            if "PROCESS ATSPI_KEY_PRESSED_EVENT" in before_next and "Interrupting presentation" in before_next:
                return said.group(1)
    return ""


def wait_until_quiet(quiet=QUIET, most=5.0):
    """Until Orca has said nothing for QUIET seconds (at most MOST seconds)."""
    deadline = time.monotonic() + most
    size, since = -1, time.monotonic()
    while time.monotonic() < deadline:
        now = os.path.getsize(SPOKEN)
        if now != size:
            size, since = now, time.monotonic()
        elif time.monotonic() - since >= quiet:
            return
        time.sleep(0.05)


class Step:
    """One press (or several) and what Orca must say for it, in order (or in ANY_ORDER). WINDOW is the
    name of the window the press opens: said first, with what Orca reads of the window (its
    description) cut off with it where Orca handled the key after the window opened."""

    def __init__(self, what, action, says=(), once=(), never=(), window=None, any_order=False):
        self.what, self.action, self.says, self.once, self.never = what, action, says, once, never
        self.window, self.any_order = window, any_order

    def run(self):
        start = len(spoken())
        log_start = os.path.getsize(ORCA_LOG) if os.path.exists(ORCA_LOG) else 0
        self.action()
        deadline = time.monotonic() + PATIENCE
        while self.missing(spoken()[start:], log_start) and time.monotonic() < deadline:
            time.sleep(0.05)
        wait_until_quiet()
        heard = spoken()[start:]
        missing = self.missing(heard, log_start)
        ok = check(missing is None, f"{self.what}: Orca says {missing!r} (it said {heard!r})")
        if ok and self.window and self.window not in heard:
            print(f"note: {self.what}: Orca handled the key after the window opened, and cut off its own "
                  f"{self.window!r}", flush=True)
        for phrase in self.once:
            ok &= check(heard.count(phrase) == 1, f"{self.what}: {phrase!r} is said once (it said {heard!r})")
        for phrase in self.never:
            ok &= check(phrase not in heard, f"{self.what}: {phrase!r} is not said (it said {heard!r})")
        return ok

    def missing(self, heard, log_start):
        """The first expected phrase not said, or None."""
        if self.any_order:
            return next((phrase for phrase in self.says if phrase not in heard), None)
        if not self.window:
            return in_order(heard, self.says)
        if self.window not in heard:
            heard = cut_off_by_its_key(orca_log(log_start), self.window) + " " + heard
        return in_order(heard, (self.window, *self.says))


class Review:
    """Orca's flat review, line by line upwards from the focus (keypad 7), until the given lines
    have been read in turn; keypad minus then leaves review."""

    def __init__(self, where, lines):
        self.where, self.lines = where, lines

    def run(self):
        start = len(spoken())
        deadline = time.monotonic() + PATIENCE
        for _ in range(3 * len(self.lines) + 6):
            before = len(spoken())
            keys("KP_Home")()
            while len(spoken()) == before and time.monotonic() < deadline:
                time.sleep(0.05)
            wait_until_quiet()
            if in_order(spoken()[start:], self.lines) is None or time.monotonic() > deadline:
                break
        heard = spoken()[start:]
        missing = in_order(heard, self.lines)
        keys("KP_Subtract")()  # leave review
        wait_until_quiet()
        return check(missing is None, f"{self.where}: Orca's review finds {missing!r} (it read {heard!r})")


def keys(*names):
    return lambda: subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *names], check=True)


def typed(text):
    return lambda: subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


def both(*actions):
    def run():
        for action in actions:
            action()
    return run


# The drill table's keys (named as a page's KeyboardEvent names them) as X key names.
X_KEYS = {"Enter": "Return", " ": "space", "ArrowDown": "Down", "ArrowUp": "Up"}


def pressed(names):
    """The drill table's key NAMES as real X key presses, in turn. A key held with another is pressed
    as a hand does: the modifier down, the key down and up, the modifier up. (xdotool's "alt+m" lets
    go of Alt first; Orca 43 on a busy machine may then take the bare letter's release for its own
    command of a web page, M for the next media, and leave the focus move the press made unsaid.)"""
    command = ["xdotool"]
    for k in names:
        if isinstance(k, tuple):
            command += ["keydown", "--clearmodifiers", k[0].lower(), "sleep", "0.06", "key", "--delay", "60",
                        X_KEYS.get(k[1], k[1]), "sleep", "0.06", "keyup", k[0].lower(), "sleep", "0.06"]
        else:
            command += ["key", "--clearmodifiers", "--delay", "60", X_KEYS.get(k, k)]
    return lambda: subprocess.run(command, check=True)


def tab_until(phrase, most=10, patience=3.0):
    """Tab, one press at a time, until Orca says PHRASE (at most MOST presses, each given
    PATIENCE seconds for Orca to speak)."""
    def run():
        start = len(spoken())
        for _ in range(most):
            keys("Tab")()
            deadline = time.monotonic() + patience
            while phrase not in spoken()[start:] and time.monotonic() < deadline:
                time.sleep(0.05)
            if phrase in spoken()[start:]:
                return
    return run


def from_drill(step, firefox=False):
    """A step of the drill table as Orca must speak it: the window it opens (on the desktop
    followed by its role; counted where Orca's log shows it cut the name off itself), what is read
    of it, the control that a new window or Tab puts the focus on, with its role and value, then
    what the program tells. In Firefox the answer box that a question puts the focus in is said
    once."""
    action = tab_until(step.role) if step.until else pressed(step.keys) if step.keys else (lambda: None)
    focused = (step.focus, step.role) if step.role else ()
    says = tuple(w for w in (*step.read, *focused, step.value, *step.told) if w)
    once = step.once + ((ANSWER_BOX,) if firefox and step.focus == ANSWER_BOX else ())
    return Step(step.what, action, says=says, once=once, never=step.never,
                window=step.window and step.window + ("" if firefox else " dialog"))


def click_in(title, x, y):
    """A real mouse click at (x, y) pixels inside the client area of the window with this title."""
    def run():
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                                capture_output=True, text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], check=True)
    return run


def window_open(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                           capture_output=True, text=True)
    return found.returncode == 0 and found.stdout.strip() != ""


def orca_version():
    version = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    return int(m.group(1)) if (m := re.search(r"(\d+)\.", version)) else 0


def start_orca():
    """Orca, replacing any other screen reader, in a process group of its own. From Orca 48 on,
    which hears keys alongside the program, with its debug log; Orca 43 takes each key before the
    program and cannot start with a debug log here."""
    log = ["--debug-file", ORCA_LOG] if orca_version() >= 48 else []
    return subprocess.Popen(["orca", "--replace", *log], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)


def enable_accessibility():
    """What a desktop does when a screen reader starts."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1, None)


def drill(program):
    terms, enter_on_i_agree = (from_drill(s) for s in OPENING)
    alt_m, first_light, typed_b = (from_drill(s) for s in ANNUNCIATORS_FIRST)
    alt_i, engine_fire, *checklist = (from_drill(s) for s in MEMORY_ITEMS_FIRST)
    steps = [
        terms,
        enter_on_i_agree,
        # Orca's title command reads the window's name again, where it was cut off.
        Step("Limitations, Orca's title command", keys("Insert+KP_Enter"), says=("Brivan 2000 Limitations",)),
        *(from_drill(s) for s in LIMITATIONS_FIRST),
        Step("Limitations, Enter on Next Question", keys("Return"),
             says=("Maximum zero fuel weight is _ _ , _ _ _ Lbs.",), never=("The Correct Answer",)),
        Step("Limitations, Enter in the empty answer box", keys("Return"),
             says=("The Correct Answer is 28660.", "Reference Vol 1 Page 10-5.", "0 out of 2 correct!",
                   "0 percent."),
             never=("That's Not Correct!",)),
        Step("Limitations, Enter on Next Question", keys("Return"), says=("Maximum ramp weight is",)),
        # Enter, not Alt+E: Qt handles an access key at once, ahead of typed keys that still wait
        # for Orca to let them through.
        Step("Limitations, 36700 and Enter", both(typed("36700"), keys("Return")),
             says=("Correct!", "1 out of 3 correct!", "33 percent."), once=("Correct!",),
             never=("The Correct Answer",)),

        alt_m,
        first_light,
        Review("Annunciators", ("Warning light: FIRE 1", "What will cause the illumination")),
        typed_b,
        Step("Annunciators, Alt+N to the second light", keys("alt+n"), says=("Warning light: OIL 1.", "D. ")),
        Step("Annunciators, Tab to option A", keys("Tab", "Tab", "Tab"), says=("radio button",)),
        Step("Annunciators, Space on option A", keys("space"),
             says=("That's Not Correct!", "The Correct Answer is B.", "0 out of 2 correct!", "0 percent.")),
        Step("Annunciators, Down arrow to option B", keys("Down"),
             says=("Correct!", "1 out of 3 correct!", "33 percent."), never=("The Correct Answer",)),
        # Option C's button stands at 136, 248 pixels in a 17 x 33 frame; its check mark on the left.
        Step("Annunciators, a click on option C", click_in("Brivan 2000 Annunciators", 143, 264),
             says=("That's Not Correct!", "The Correct Answer is B.", "1 out of 4 correct!", "25 percent.")),

        alt_i,
        engine_fire,
        Review("Memory Items", ("Fire Extinguisher DISCH Switch", "If fire warning persists after 30 seconds",
                                "Power Lever", "ESS/RH Bus Tie Rotary Switch", "Warning light: FIRE 1",
                                "ENGINE FIRE")),
        *checklist,
    ]
    for step in steps:
        if not step.run():
            return

    # Escape with the list of a box open closes the list and nothing else.
    Step("Memory Items, Tab to the first box", keys("Tab", "Tab", "Tab"), says=("combo box",)).run()
    keys("alt+Down")()
    time.sleep(0.3)
    keys("Escape")()
    wait_until_quiet()
    check(program.poll() is None and window_open("Brivan 2000 Memory Items"),
          "Memory Items: Escape with a list open closes only the list")

    for _ in range(14):
        keys("alt+n")()
    results = Step("Memory Items, Alt+N past the last checklist", keys("alt+n"),
                   window="Brivan 2000 Quit or Continue? dialog",
                   says=("You answered 0 percent correct!", "Start Over!", "button"))
    if results.run():
        keys("Escape")()
        try:
            check(program.wait(timeout=PATIENCE) == 0, "results: Escape ends the program")
        except subprocess.TimeoutExpired:
            check(False, "results: Escape ends the program")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    enable_accessibility()
    orca = start_orca()
    program = None
    try:
        if not Step("Orca starts", lambda: None, says=("Screen reader on",)).run():
            finish()
        # What Qt says of its talk with the accessibility bus is kept, and shown only on a failure.
        program_log = open(os.path.join(os.path.dirname(SPOKEN), "program.log"), "w")
        program = subprocess.Popen([sys.argv[1]], stderr=program_log)
        drill(program)
    finally:
        for process in (program, orca):
            if process and process.poll() is None:
                process.kill()
                process.wait()
    if failures:
        print("Orca said:\n" + spoken(), flush=True)
        sent = SPEECH_OUTPUT.findall(orca_log())
        print("Orca sent to speech, its log says:\n" + "\n".join(sent), flush=True)
        with open(os.path.join(os.path.dirname(SPOKEN), "program.log"), encoding="utf-8", errors="replace") as log:
            print("The program wrote:\n" + log.read(), flush=True)
    finish()


if __name__ == "__main__":
    main()
