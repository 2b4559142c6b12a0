#!/usr/bin/python3
"""The differential test of the two screen backends: the desktop program (diff_driver_qt, offscreen)
and the page (Chromium or WebKit) play the long random walk's seeded actions, and after each one
what a pilot sees must be the same on both (windows, every control's text, key, visibility, state,
colours, the focus and selection, beeps, the end). A difference names the engine, seed, step,
action, control and both values; the last line counts the actions compared: "N passed, N failed".

Usage: diff_test.py QT_DRIVER WEB_FOLDER [--engine chromium|webkit] [--seeds 1-5 | --seeds 3,7] [--actions 400]
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web"))
import driver  # noqa: E402
import serve  # noqa: E402
from driver import WINDOW, arrow, control, item  # noqa: E402

ARROWS = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"]
CONTROLS = {"click": ("button",), "access-key": ("button",), "type": ("text", "combo"), "choose": ("combo",),
            "option": ("option",)}


class QtSide:
    def __init__(self, binary):
        self.log = tempfile.TemporaryFile(mode="w+")
        self.process = subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.log,
                                        text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="1"))

    def send(self, action):
        self.process.stdin.write(json.dumps(action) + "\n")
        self.process.stdin.flush()

    def receive(self):
        if not (line := self.process.stdout.readline()):
            self.log.seek(0)
            raise driver.Failure("the Qt driver ended: " + self.log.read()[-2000:])
        return json.loads(line)

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=30)


# Before the page's own scripts: counts the beeps (each a Web Audio oscillator started) and notes
# the program's start and end.
WATCH = """window.__brivan = {beeps: 0, started: false, ended: false};
for (const moment of ['started', 'ended']) document.addEventListener(`brivan-${moment}`, () => { __brivan[moment] = true; });
for (const type of [window.AudioContext, window.webkitAudioContext].filter(Boolean)) {
  const make = type.prototype.createOscillator;
  type.prototype.createOscillator = function (...args) {
    const tone = make.apply(this, args), start = tone.start;
    tone.start = function (...when) { __brivan.beeps++; return start.apply(this, when); };
    return tone;
  };
}"""
# What a pilot sees, once the tasks the program left for later (windows taken out of the page, the
# end announced) have run.
STATE = """(async () => {
  for (let i = 0; i < 3; ++i) await new Promise(done => setTimeout(done, 0));
  const hex = css => (m => !m ? css : m[4] !== undefined && Number(m[4]) === 0 ? 'transparent'
    : '#' + m.slice(1, 4).map(v => Number(v).toString(16).padStart(2, '0')).join(''))(
    css.match(/rgba?\\(([\\d.]+),? ([\\d.]+),? ([\\d.]+)(?:[,/] ?([\\d.]+))?\\)/));
  const kinds = {'bw-label': 'label', 'bw-text': 'text', 'bw-combo': 'combo', 'bw-option': 'option',
                 'bw-button': 'button', 'bw-picture': 'picture'};
  const shown = [...document.querySelectorAll('#screen .bw-window')].filter(w => !w.hidden);
  const state = {windows: shown.map(w => w.querySelector('.bw-caption').textContent), beeps: __brivan.beeps,
                 ended: __brivan.ended, focus: '', selection: '', controls: []};
  const open = shown.length === 1 ? shown[0] : null, edit = document.activeElement;
  if (!open) return state;
  const client = open.querySelector('.bw-client'), origin = client.getBoundingClientRect();
  const scale = origin.width / client.offsetWidth;
  state.back = hex(getComputedStyle(client).backgroundColor);
  if (open.contains(edit?.closest('[data-name]'))) state.focus = edit.closest('[data-name]').dataset.name;
  if (edit?.type === 'text' && open.contains(edit)) state.selection = edit.value.substring(edit.selectionStart, edit.selectionEnd);
  for (const e of open.querySelectorAll('.bw-client [data-name]')) {
    const kind = kinds[[...e.classList].find(c => c in kinds)] || e.className, style = getComputedStyle(e);
    const r = (e.closest('.bw-option-box') ?? e).getBoundingClientRect();  // an option's whole box
    const c = {name: e.dataset.name, kind, visible: e.checkVisibility(),
      rect: [r.x - origin.x, r.y - origin.y, r.width, r.height].map(v => Math.round(v / scale))};
    if (kind === 'label' || kind === 'button') c.text = e.textContent;
    if (kind === 'label') c.bold = Number(style.fontWeight) >= 600;
    if (kind === 'text' || kind === 'combo') c.text = e.value;
    if (kind === 'combo') c.items = document.getElementById(e.getAttribute('aria-controls'))?.children.length ?? 0;
    if (kind === 'button') c.key = (e.querySelector('u')?.textContent || '').toUpperCase();
    if (kind === 'option') c.checked = e.checked;
    if (kind !== 'option' && kind !== 'picture') [c.fore, c.back] = [hex(style.color), hex(style.backgroundColor)];
    state.controls.push(c);
  }
  return state;
})()"""


class PageSide:  # the page, played through the page tests' driver with a pilot's own input
    def __init__(self, folder, engine):
        self.server = serve.start(folder)
        self.url = f"http://127.0.0.1:{self.server.server_port}/index.html"
        self.b = driver.start(engine, before_load=WATCH)
        self.b.size(1280, 1024)
        if engine == "chromium":  # as if the headless page had the window's focus
            self.b.call("Emulation.setFocusEmulationEnabled", enabled=True)
        self.restart()

    def close(self):
        self.b.close()
        self.server.stop()

    def restart(self):
        """The page loaded afresh, as a pilot's "Start again" does, until the terms screen is up."""
        self.b.open(self.url)
        self.b.wait(f"window.__brivan?.started && !!{WINDOW}", "the program's first window", 60)

    def state(self):
        self.b.events.clear()  # only the answers matter here
        return self.b.run(STATE)

    def press(self, element, what, left=None):
        self.b.pointer(*self.b.where(element, what, left))

    def perform(self, action):
        """Plays ACTION; driver.Unreachable where a press cannot reach what it is meant for."""
        op, name, b = action["op"], action.get("name", ""), self.b
        if op == "click":
            self.press(control(name), name)
        elif op == "point":  # a point of the open window's client area, whatever is drawn there
            x, y = action["at"]
            b.pointer(*b.run(f"""(r => [r.x + ({x} + 0.5) * r.width / {WINDOW}.querySelector('.bw-client').offsetWidth,
                r.y + ({y} + 0.5) * r.width / {WINDOW}.querySelector('.bw-client').offsetWidth])(
                {WINDOW}.querySelector('.bw-client').getBoundingClientRect())"""))
        elif op == "close":
            self.press(f"{WINDOW}?.querySelector('.bw-close')", "the close box")
        elif op == "key":
            b.key(action["key"], action.get("alt", False), action.get("shift", False))
        elif op == "type":
            b.run(f"(e => {{ e.focus(); e.select(); }})({control(name)})")
            (b.type if action["keys"] else b.paste)(action["text"])  # pasted as an input method or a paste puts it
        elif op == "choose":
            self.press(arrow(name), f"the arrow of {name}")
            self.press(item(name, action["item"]), f"item {action['item']} of {name}'s list")
        else:
            raise ValueError(f"unknown action {op}")


def resolve(a, state, engine):
    """The abstract action A as a concrete one on the screen STATE shows, or None where it has
    nothing to act on there."""
    kind, pick, controls = a["kind"], a["pick"], state["controls"]
    names = sorted(c["name"] for c in controls if c["kind"] in CONTROLS.get(kind, ()) and c["visible"])
    if kind == "option" and any(c["kind"] == "option" for c in controls):
        return option_point(a, controls, names[pick % len(names)] if names else None)
    if kind in CONTROLS and not names:
        return None
    name = names[pick % len(names)] if names else ""
    if kind == "click":
        return {"op": kind, "name": name}
    if kind == "access-key":
        key = next(c["key"] for c in controls if c["name"] == name)
        if not key:  # Alt with a letter that no shown button has: nothing happens
            taken = {c["key"].lower() for c in controls if c["kind"] == "button" and c["visible"] and c["key"]}
            free = [letter for letter in "abcdefghijklmnopqrstuvwxyz" if letter not in taken]
            key = free[(pick >> 8) % len(free)]
        return {"op": "key", "key": key.lower(), "alt": True}
    if kind == "type":
        return {"op": "type", "name": name, "text": a["text"], "keys": a["keys"]}
    if kind == "choose":
        items = next(c["items"] for c in controls if c["name"] == name)
        return {"op": "choose", "name": name, "item": a["item"] % items} if items else None
    if kind == "frame-close":
        return {"op": "close"}
    key = ARROWS[a["arrow"]] if kind == "arrow" else {"enter": "Enter", "escape": "Escape", "space": " ", "tab": "Tab",
                                                      "key": a.get("key")}.get(kind)
    if key in ("ArrowLeft", "ArrowRight") and state["selection"]:
        # Left on selected text: the desktop (Windows' rules) moves one back from the caret,
        # a browser (and a Linux desktop) to the selection's start. Each its platform's own.
        return None
    if kind == "tab" and not a["forward"] and engine == "WebKit":
        # WebKitGTK gives Shift+Tab the key "Unidentified" (GTK's ISO_Left_Tab; Safari says "Tab"),
        # which the page does not take for Tab: left out there until the page reads Tab by its code.
        return None
    return {"op": "key", "key": key, "shift": kind == "tab" and not a["forward"]}


def option_point(a, controls, name):
    """A click where a pilot aims at an answer, as a point of the window's client area: on the shown
    option NAME (its circle, or just inside an edge of its box), or on the text beside an option
    (its middle, its start, or the gap below it), always so while no option is shown."""
    place = (a["pick"] >> 8) % 8 if name else 5 + (a["pick"] >> 8) % 3
    if place < 5:
        x, y, w, h = next(c["rect"] for c in controls if c["name"] == name)
        return {"op": "point", "at": [(x + 7, x + w // 2, x + w // 2, x + w - 2, x + 1)[place],
                                      (y + h // 2, y + 1, y + h - 2, y + h // 2, y + h // 2)[place]]}
    # The texts beside the options, shown or not: the labels stay while the options are hidden.
    options = [c["rect"] for c in controls if c["kind"] == "option"]
    texts = sorted((c["rect"] for c in controls if c["kind"] == "label" and c["visible"] and any(
        o[1] < c["rect"][1] + c["rect"][3] and c["rect"][1] < o[1] + o[3] and c["rect"][0] >= o[0] for o in options)),
        key=lambda r: r[1])
    if not texts:
        return None
    at = (a["pick"] >> 11) % len(texts)
    x, y, w, h = texts[at]
    below = texts[at + 1][1] if at + 1 < len(texts) else y + h + 8
    return {"op": "point", "at": [(x + w // 2, x + 3, x + w // 2)[place - 5],
                                  (y + h // 2, y + 3, (y + h + below) // 2)[place - 5]]}


def short(value, at=0):
    """VALUE for a line of the report; a long text shown from a little before character AT."""
    text = json.dumps(value, ensure_ascii=False)
    start = max(0, at - 20) if len(text) > 60 else 0
    return text if len(text) <= 60 else ("..." if start else "") + text[start:start + 50] + f"...({len(text)} chars)"


def differences(qt, page, engine):
    """What a pilot sees differently on the two sides, as lines: each names both values."""
    def both(q, p):
        at = next((i for i, (x, y) in enumerate(zip(q, p)) if x != y), min(len(q), len(p))) \
            if isinstance(q, str) and isinstance(p, str) else 0
        return f"qt={short(q, at)} {engine}={short(p, at)}"
    found = [f"{field}: {both(qt.get(field), page.get(field))}" for field in
             ("windows", "back", "ended", "focus", "selection", "beeps") if qt.get(field) != page.get(field)]
    sides = [{c["name"]: c for c in side["controls"]} for side in (qt, page)]
    for name in sorted(set(sides[0]) | set(sides[1])):
        q, p = (side.get(name) for side in sides)
        if q is None or p is None:
            found.append(f"control {name}: qt={'there' if q else 'missing'} {engine}={'there' if p else 'missing'}")
        else:
            found += [f"control {name} {field}: {both(q.get(field), p.get(field))}"
                      for field in sorted(set(q) | set(p)) if q.get(field) != p.get(field)
                      and (field != "rect" or q["visible"])]  # a hidden control is drawn nowhere
    return found


class Run:
    def __init__(self, qt_binary, folder, engine, trace=False):
        self.trace, self.engine = trace, driver.ENGINES[engine]
        self.page, self.qt = PageSide(folder, engine), QtSide(qt_binary)
        self.compared = 0

    def close(self):
        self.qt.close()
        self.page.close()

    def both(self, concrete):
        """CONCRETE played on both sides at once (a restart where None): the two states, and lines
        for what a pilot would see differently, the page's failure to play it among them."""
        self.qt.send(concrete or {"op": "restart"})
        try:
            self.page.perform(concrete) if concrete else self.page.restart()
            problem = []
        except driver.Unreachable as unreachable:  # a difference too: not played as a pilot would
            problem = [str(unreachable)]
        qt, page = self.qt.receive(), self.page.state()
        return qt, problem + differences(qt, page, self.engine)

    def seed(self, seed, actions):
        """Plays a seed's actions: the screens seen, the ends and the beeps before them, and the
        lines that describe the first difference, if any."""
        seen, ends, beeps = set(), 0, 0
        qt, found = self.both(None)
        self.compared += bool(found)  # a difference at the start counts as an action that failed
        where = "at the start"
        for step, a in enumerate(actions if not found else (), 1):
            paging, before = a["kind"] == "next-run", qt["windows"]  # a pilot paging on with Alt+N
            for press in range(a["presses"] if paging else 1):
                shows_n = any(c["kind"] == "button" and c["visible"] and c["key"] == "N" for c in qt["controls"])
                concrete = ({"op": "key", "key": "n", "alt": True} if shows_n else None) if paging \
                    else resolve(a, qt, self.engine)
                if concrete is None or (paging and press and (qt["windows"] != before or qt["ended"])):
                    break
                qt, found = self.both(concrete)
                self.compared += 1
                seen.update(qt["windows"])
                where = f"step {step}.{press + 1}" if paging else f"step {step}"
                said = f"{a['kind']} #{a['pick']} -> {concrete['op']} " + " ".join(
                    f"{k}={short(v)}" for k, v in concrete.items() if k != "op" and v is not False)
                if self.trace:
                    print(f"  {where}: {said}; focus {qt['focus']}", flush=True)
                if found:
                    where += f": {said}"
                    break
                if qt["ended"]:
                    ends, beeps = ends + 1, beeps + qt["beeps"]
                    qt, found = self.both(None)
                    where += ", after the restart that followed the end"
                    break
            if found:
                break
        return seen, ends, beeps, [f"{self.engine}, seed {seed} {where}:"] + found if found else None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("qt_driver")
    parser.add_argument("web_folder")
    parser.add_argument("--engine", default="chromium", choices=("chromium", "webkit"))
    parser.add_argument("--seeds", default="1-5", help="seeds, e.g. 1-5 or 3,7 (default 1-5)")
    parser.add_argument("--actions", type=int, default=400, help="actions per seed (default 400)")
    parser.add_argument("--trace", action="store_true", help="print every action as it is played")
    args = parser.parse_args()
    driver.need_folder(args.web_folder)
    seeds = [n for part in args.seeds.split(",") for first, _, last in [part.partition("-")]
             for n in range(int(first), int(last or first) + 1)]
    failed, started = 0, time.monotonic()
    try:
        run = Run(args.qt_driver, args.web_folder, args.engine, args.trace)
    except driver.Failure as failure:
        sys.exit(str(failure))
    try:
        for seed in seeds:
            before, t = run.compared, time.monotonic()
            actions = subprocess.run([args.qt_driver, "--generate", str(seed), str(args.actions)], check=True,
                                     capture_output=True, text=True).stdout.splitlines()
            seen, ends, beeps, found = run.seed(seed, [json.loads(line) for line in actions])
            print(f"seed {seed}: {run.compared - before} actions compared on {len(seen)} screens, {ends} ends, "
                  f"{beeps} beeps before them, in {time.monotonic() - t:.0f} s" + (", then a difference" if found else ""),
                  flush=True)
            if found:
                failed += 1
                print("DIFFERENCE " + "\n  ".join(found), flush=True)
    except driver.Failure as failure:
        failed += 1
        print(f"STOPPED: {failure}", flush=True)
    finally:
        run.close()
    print(f"{time.monotonic() - started:.0f} s in all", flush=True)
    print(f"{run.compared - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
