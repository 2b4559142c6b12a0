#!/usr/bin/python3
"""What Orca speaks while a pilot drills the first question of each quiz in Firefox ESR, with the
keyboard alone: the question, and a wrong answer's verdict, as the desktop program tells them.

Run by orca_firefox.sh, through tests/app/orca_test.sh, which gives Orca and speech-dispatcher a
home of their own and a voice that writes every utterance to $BRIVAN_SPOKEN. The steps, keys and
checks are the desktop drill's (tests/app/orca_test.py); the web folder is served from 127.0.0.1
and opened in Firefox with a fresh profile.

Usage: orca_firefox.py WEB_FOLDER
"""
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "..", "tests", "app")]
import serve  # noqa: E402
from checks import check, failures, finish  # noqa: E402
from orca_test import (ENGINE_FIRE, FIRST_LIGHT, JUDGED_WRONG_1, PATIENCE, Step, both,  # noqa: E402
                       enable_accessibility, keys, spoken, typed, wait_until_quiet)

# A fresh profile that opens the page and nothing else: no welcome tab, no notices.
PREFERENCES = {
    "browser.aboutwelcome.enabled": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "startup.homepage_welcome_url": "",
    "browser.shell.checkDefaultBrowser": False,
    "datareporting.policy.dataSubmissionPolicyBypassNotification": True,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "browser.sessionstore.resume_from_crash": False,
}


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


class AnyOrder(Step):
    """A step whose words may come in any order: as a page loads, Orca reads it through, and the
    program's first window may be there before that reading or appear during it."""

    def run(self):
        start = len(spoken())
        self.action()
        deadline = time.monotonic() + PATIENCE
        while (missing := [p for p in self.says if p not in spoken()[start:]]) and time.monotonic() < deadline:
            time.sleep(0.05)
        wait_until_quiet()
        return check(not missing, f"{self.what}: Orca says {missing} (it said {spoken()[start:]!r})")


def settled(phrase, wait=5.0, quiet=2.0):
    """Waits (up to WAIT seconds) until Orca has said PHRASE, then until it has said nothing for
    QUIET seconds: once a page has loaded Orca reads it through, and a key pressed meanwhile would
    meet that reading. (Whether Orca says it depends on whether the program had put the focus in
    the page before the page finished loading.)"""
    deadline = time.monotonic() + wait
    while phrase not in spoken() and time.monotonic() < deadline:
        time.sleep(0.1)
    size, since = len(spoken()), time.monotonic()
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() - since < quiet and time.monotonic() < deadline:
        time.sleep(0.1)
        if len(spoken()) != size:
            size, since = len(spoken()), time.monotonic()


def firefox(url, profile):
    with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as prefs:
        for name, value in PREFERENCES.items():
            prefs.write(f'user_pref("{name}", {str(value).lower() if isinstance(value, bool) else repr(value)});\n')
    log = open(os.path.join(os.path.dirname(os.environ["BRIVAN_SPOKEN"]), "firefox.log"), "w")
    return subprocess.Popen(["firefox-esr", "--no-remote", "--profile", profile, url],
                            env=dict(os.environ, GNOME_ACCESSIBILITY="1"), stdout=log, stderr=subprocess.STDOUT)


WRONG_LIGHT = ("That's Not Correct!", "The Correct Answer is A.", "Reference: Flight Safety Manual 4-3.")


def drill(open_page):
    # Read without its number: Firefox gives Orca no value for an editable box (an <input> with the
    # combo box role), and Orca then reads its name in the value's place. The number is heard as
    # soon as it changes (the next step). The desktop says "combo box 1".
    first_box = Step("Memory Items, Tab to the first box", tab_until("combo box"),
                     says=("ESS/RH Bus Tie Rotary Switch, TIED", "combo box"), never=(". .",))
    steps = [
        AnyOrder("the page opens", open_page,
                 says=("Brivan Review Program", "Skyward Study Press does not guarantee",
                       "used for training purposes only", "I Agree button")),
        Step("Enter on I Agree", keys("Return"), says=("Brivan 2000 Limitations", "Next Question", "button"),
             never=("&",)),
        Step("Limitations, Alt+N", keys("alt+n"),
             says=("The wing span is __ ft. 5 in.",), once=("The wing span is", "Enter your answer here!")),
        Step("Limitations, 64 and Enter in the answer box", both(typed("64"), keys("Return")),
             says=JUDGED_WRONG_1, once=("That's Not Correct!", "The Correct Answer is 63")),

        Step("Alt+M", keys("alt+m"), says=("Brivan 2000 Annunciators", "Next Question", "button"), never=("&",)),
        Step("Annunciators, Alt+N", keys("alt+n"), says=FIRST_LIGHT, once=("Warning light: FIRE 1",)),
        Step("Annunciators, typed b and Enter", both(typed("b"), keys("Return")),
             says=(*WRONG_LIGHT, "0 out of 1 correct!", "0 percent.")),
        Step("Annunciators, Tab to the option buttons", tab_until("radio button"),
             says=("A. Fire condition exists in #1 Engine (with fire audio warning)", "radio button")),
        # Space on the option that has the focus answers with it. (Tab goes on past the options:
        # they are one stop, as on the desktop; and in Orca's browse mode the arrows read the page
        # line by line instead of moving among them.)
        Step("Annunciators, Space on option A", keys("space"),
             says=("Correct!", "1 out of 2 correct!", "50 percent."), never=("That's Not Correct!",)),

        Step("Alt+I", keys("alt+i"), says=("Brivan 2000 Memory Items", "Next Question", "button"), never=("&",)),
        Step("Memory Items, Alt+N", keys("alt+n"), says=ENGINE_FIRE, once=("ENGINE FIRE",), never=(". .",)),
        Step("Memory Items, Alt+E with the focus kept on Next Question", keys("alt+e"),
             says=("That's Not Correct!", "The Correct Order is 2 1 3 4 5 7 6.", "Reference: Checklist E-2.",
                   "0 out of 1 correct!", "0 percent."), never=("Edit menu",)),
        first_box,
        Step("Memory Items, Down arrow in the box", keys("Down"), says=("2",)),
        Step("Memory Items, Enter in the box", keys("Return"),
             says=("That's Not Correct!", "The Correct Order is 2 1 3 4 5 7 6.", "0 out of 2 correct!", "0 percent.")),
    ]
    for step in steps:
        if step.run():
            print(f"ok: Orca in Firefox, {step.what}: {' / '.join(step.says)}", flush=True)
            if step is steps[0]:
                settled("Finished loading")
        else:
            return


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    server = serve.start(sys.argv[1])
    url = f"http://127.0.0.1:{server.server_port}/index.html"
    enable_accessibility()
    orca = subprocess.Popen(["orca", "--replace"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    browser = None
    with tempfile.TemporaryDirectory(prefix="brivan-firefox-") as profile:
        def open_page():
            nonlocal browser
            browser = firefox(url, profile)
        try:
            if Step("Orca starts", lambda: None, says=("Screen reader on",)).run():
                drill(open_page)
        finally:
            for process in (browser, orca):
                if process and process.poll() is None:
                    process.terminate()
                    try:
                        process.wait(timeout=10)
                    except subprocess.TimeoutExpired:
                        process.kill()
                        process.wait()
            server.shutdown()
    print("Orca said:\n" + spoken(), flush=True)
    if not failures:
        print(f"ok: Orca 48 in Firefox ESR speaks each quiz's question and verdict as on the desktop ({PATIENCE:.0f} s "
              "allowed for each step)", flush=True)
    finish()


if __name__ == "__main__":
    main()
