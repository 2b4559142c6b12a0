#!/usr/bin/python3
"""The differential test of the two screen backends: the desktop program (Qt, offscreen, through
diff_driver_qt) and the page (the web folder in headless Chromium) play the same seeded random
pilot actions, and after every action what a pilot sees must be the same on both: the open
window and its colour, every control's caption or text, access key, visibility, checked state,
boldness and colours, the control with the focus and the text selected in it, the beeps so far
and the program's end. After an end both start afresh.

The actions come from the generator of the long random walk (diff_driver_qt --generate), written
once per seed; each names what it acts on by a number taken modulo what the open screen offers,
resolved here against what both sides show. One case where each side follows its platform's own
rule is left out (see resolve).

A difference prints the seed, the step, the action and both values, and ends that seed's run.
The last line reads "N passed, N failed": the actions compared, with and without a difference.

Usage: diff_test.py QT_DRIVER WEB_FOLDER [--seeds 1-5 | --seeds 3,7] [--actions 400] [--chromium PATH]
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from page_driver import PageDriver, PageError  # noqa: E402

ARROWS = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"]


class QtDriver:
    def __init__(self, binary):
        self.log = tempfile.TemporaryFile(mode="w+")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="1")
        self.process = subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.log,
                                        text=True, env=env)

    def send(self, action):
        self.process.stdin.write(json.dumps(action) + "\n")
        self.process.stdin.flush()

    def receive(self):
        line = self.process.stdout.readline()
        if not line:
            self.log.seek(0)
            raise RuntimeError("the Qt driver ended: " + self.log.read()[-2000:])
        return json.loads(line)

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)


def generate(binary, seed, count):
    out = subprocess.run([binary, "--generate", str(seed), str(count)], check=True, capture_output=True, text=True)
    return [json.loads(line) for line in out.stdout.splitlines()]


def shown(state, kind):
    return sorted(c["name"] for c in state["controls"] if c["kind"] in kind and c["visible"])


def resolve(a, state):
    """The abstract action A as a concrete one on the screen STATE shows, or None where it has
    nothing to act on there."""
    kind, pick = a["kind"], a["pick"]
    control = {"click": ("button",), "access-key": ("button",), "type": ("text", "combo"), "choose": ("combo",),
               "option": ("option",)}.get(kind)
    if control:
        names = shown(state, control)
        if not names:
            return None
        name = names[pick % len(names)]
    if kind in ("click", "option"):
        return {"op": kind, "name": name}
    if kind == "access-key":
        key = next(c["key"] for c in state["controls"] if c["name"] == name)
        if not key:  # Alt with a letter that no shown button has: nothing happens
            taken = {c["key"].lower() for c in state["controls"] if c["kind"] == "button" and c["visible"] and c["key"]}
            free = [letter for letter in "abcdefghijklmnopqrstuvwxyz" if letter not in taken]
            key = free[(pick >> 8) % len(free)]
        return {"op": "key", "key": key.lower(), "alt": True}
    if kind == "type":
        return {"op": "type", "name": name, "text": a["text"], "keys": a["keys"]}
    if kind == "choose":
        items = next(c["items"] for c in state["controls"] if c["name"] == name)
        return {"op": "choose", "name": name, "item": a["item"] % items} if items else None
    if kind == "frame-close":
        return {"op": "close"}
    key = {"enter": "Enter", "escape": "Escape", "space": " ", "tab": "Tab", "key": a.get("key")}.get(kind)
    if kind == "arrow":
        key = ARROWS[a["arrow"]]
        if key in ("ArrowLeft", "ArrowRight") and state["selection"]:
            # Left on selected text: the desktop (Windows' rules) moves one back from the caret,
            # a browser (and a Linux desktop) to the selection's start. Each its platform's own.
            return None
    return {"op": "key", "key": key, "shift": kind == "tab" and not a["forward"]}


def next_press(state):
    """Alt+N where a shown button has N for its access key."""
    if any(c["kind"] == "button" and c["visible"] and c["key"] == "N" for c in state["controls"]):
        return {"op": "key", "key": "n", "alt": True}
    return None


def short(value, at=0):
    """VALUE for a line of the report; a long text shown from a little before character AT."""
    text = json.dumps(value, ensure_ascii=False)
    if len(text) <= 60:
        return text
    start = max(0, at - 20)
    return ("..." if start else "") + text[start:start + 50] + f"...({len(text)} chars)"


def both(q, p):
    """The two sides' values, long texts shown where they part."""
    at = 0
    if isinstance(q, str) and isinstance(p, str):
        at = next((i for i, (a, b) in enumerate(zip(q, p)) if a != b), min(len(q), len(p)))
    return f"qt={short(q, at)} page={short(p, at)}"


def describe(a, concrete):
    said = a["kind"] + f" #{a['pick']}"
    if concrete is None:
        return said
    shown_ = {k: v for k, v in concrete.items() if k != "op" and v is not False and v is not None}
    return said + " -> " + concrete["op"] + " " + " ".join(f"{k}={short(v)}" for k, v in shown_.items())


def differences(qt, page):
    """What a pilot sees differently on the two sides, as lines."""
    found = []
    for field in ("windows", "back", "ended", "focus", "selection", "beeps"):
        if qt.get(field) != page.get(field):
            found.append(f"{field}: {both(qt.get(field), page.get(field))}")
    qt_controls = {c["name"]: c for c in qt["controls"]}
    page_controls = {c["name"]: c for c in page["controls"]}
    for name in sorted(set(qt_controls) | set(page_controls)):
        q, p = qt_controls.get(name), page_controls.get(name)
        if q is None or p is None:
            found.append(f"control {name}: qt={'there' if q else 'missing'} page={'there' if p else 'missing'}")
            continue
        for field in sorted(set(q) | set(p)):
            if q.get(field) != p.get(field):
                found.append(f"control {name} {field}: {both(q.get(field), p.get(field))}")
    return found


class Run:
    def __init__(self, qt_binary, folder, chromium, trace=False):
        self.trace = trace
        self.seen = set()  # the captions of the windows the actions were compared on
        self.ends = self.beeps = 0  # the program's ends and the beeps heard, both sides agreeing
        self.page = PageDriver(folder, chromium)
        self.qt = QtDriver(qt_binary)
        self.compared = 0

    def close(self):
        self.qt.close()
        self.page.close()

    def act(self, concrete):
        """Plays one concrete action on both sides (the desktop's at the same time as the page's);
        both states, or the page's failure to play it."""
        self.qt.send(concrete)
        problem = None
        try:
            self.page.perform(concrete)
        except PageError as e:
            problem = str(e)
        qt = self.qt.receive()
        page = self.page.state()
        return qt, page, problem

    def restart(self):
        self.qt.send({"op": "restart"})
        self.page.restart()
        return self.qt.receive(), self.page.state()

    def seed(self, seed, actions):
        """Plays a seed's actions; None, or the lines that describe the first difference."""
        qt, page = self.restart()
        found = differences(qt, page)
        if found:
            self.compared += 1  # counted as an action that failed
            return [f"seed {seed} at the start:"] + found
        for step, a in enumerate(actions, 1):
            presses = a["presses"] if a["kind"] == "next-run" else 1
            for press in range(presses):
                if a["kind"] == "next-run":  # a pilot paging on through a quiz with Alt+N
                    if press and (qt["windows"] != before or qt["ended"]):
                        break
                    before = qt["windows"]
                    concrete = next_press(qt)
                else:
                    concrete = resolve(a, qt)
                if concrete is None:
                    break
                qt, page, problem = self.act(concrete)
                self.compared += 1
                self.seen.update(qt["windows"])
                if self.trace:
                    print(f"  {step}.{press + 1}: {describe(a, concrete)}; focus {qt['focus']}", flush=True)
                found = ([f"page: {problem}"] if problem else []) + differences(qt, page)
                where = f"{step}.{press + 1}" if a["kind"] == "next-run" else str(step)
                if found:
                    return [f"seed {seed} step {where}: {describe(a, concrete)}"] + found
                if qt["ended"]:
                    self.ends += 1
                    self.beeps += qt["beeps"]
                    qt, page = self.restart()
                    found = differences(qt, page)
                    if found:
                        return [f"seed {seed} step {where}, after the restart that followed the end:"] + found
                    break
        return None


def seeds_of(text):
    seeds = []
    for part in text.split(","):
        first, _, last = part.partition("-")
        seeds += list(range(int(first), int(last or first) + 1))
    return seeds


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("qt_driver")
    parser.add_argument("web_folder")
    parser.add_argument("--seeds", default="1-5", help="seeds, e.g. 1-5 or 3,7 (default 1-5)")
    parser.add_argument("--actions", type=int, default=400, help="actions per seed (default 400)")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    parser.add_argument("--trace", action="store_true", help="print every action as it is played")
    args = parser.parse_args()

    run = Run(args.qt_driver, args.web_folder, args.chromium, args.trace)
    failed = 0
    started = time.monotonic()
    try:
        for seed in seeds_of(args.seeds):
            before, t = run.compared, time.monotonic()
            run.seen.clear()
            run.ends = run.beeps = 0
            found = run.seed(seed, generate(args.qt_driver, seed, args.actions))
            print(f"seed {seed}: {run.compared - before} actions compared on {len(run.seen)} screens,"
                  f" {run.ends} ends, {run.beeps} beeps before them, in {time.monotonic() - t:.0f} s"
                  + (", then a difference" if found else ""), flush=True)
            if found:
                failed += 1
                print("DIFFERENCE " + "\n  ".join(found), flush=True)
    finally:
        run.close()
    print(f"{time.monotonic() - started:.0f} s in all", flush=True)
    print(f"{run.compared - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
