"""The browser side of the differential test (diff_test.py): the web folder served from 127.0.0.1
and played in headless Chromium over the DevTools protocol, with the pilot's own input (mouse
presses and key events, text inserted as an input method or a paste does), answering each action
with what a pilot sees then, in the same form as diff_driver_qt."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "web"))
import cdp  # noqa: E402
import serve  # noqa: E402

# Before the page's own scripts: counts the beeps (each a Web Audio oscillator started) and notes
# the program's start and end.
WATCH = """
window.__brivan = {beeps: 0, started: false, ended: false};
document.addEventListener('brivan-started', () => { window.__brivan.started = true; });
document.addEventListener('brivan-ended', () => { window.__brivan.ended = true; });
for (const type of [window.AudioContext, window.webkitAudioContext]) {
  if (!type) continue;
  const make = type.prototype.createOscillator;
  type.prototype.createOscillator = function (...args) {
    const tone = make.apply(this, args);
    const start = tone.start;
    tone.start = function (...when) { window.__brivan.beeps++; return start.apply(this, when); };
    return tone;
  };
}
"""

WINDOW = "[...document.querySelectorAll('#screen .bw-window')].find(w => !w.hidden)"

# What a pilot sees, once the tasks the program left for later (windows taken out of the page, the
# end announced) have run.
STATE = """(async () => {
  for (let i = 0; i < 3; ++i) await new Promise(done => setTimeout(done, 0));
  const hex = css => {
    const m = css.match(/rgba?\\(([\\d.]+),? ([\\d.]+),? ([\\d.]+)(?:[,/] ?([\\d.]+))?\\)/);
    if (!m) return css;
    if (m[4] !== undefined && Number(m[4]) === 0) return 'transparent';
    return '#' + [m[1], m[2], m[3]].map(v => Number(v).toString(16).padStart(2, '0')).join('');
  };
  const kinds = {'bw-label': 'label', 'bw-text': 'text', 'bw-combo': 'combo', 'bw-option': 'option',
                 'bw-button': 'button', 'bw-picture': 'picture'};
  const shown = [...document.querySelectorAll('#screen .bw-window')].filter(w => !w.hidden);
  const state = {windows: shown.map(w => w.querySelector('.bw-caption').textContent),
                 beeps: window.__brivan.beeps, ended: window.__brivan.ended, focus: '', selection: '',
                 controls: []};
  const window_ = shown.length === 1 ? shown[0] : null;
  if (!window_) return state;
  state.back = hex(getComputedStyle(window_.querySelector('.bw-client')).backgroundColor);
  const focus = document.activeElement?.closest('[data-name]');
  if (focus && window_.contains(focus)) state.focus = focus.dataset.name;
  const edit = document.activeElement;
  state.selection = edit?.type === 'text' && window_.contains(edit)
    ? edit.value.substring(edit.selectionStart, edit.selectionEnd) : '';
  for (const e of window_.querySelectorAll('.bw-client [data-name]')) {
    const kind = kinds[[...e.classList].find(c => c in kinds)] || e.className;
    const c = {name: e.dataset.name, kind, visible: e.checkVisibility()};
    if (kind === 'label' || kind === 'button') c.text = e.textContent;
    if (kind === 'label') c.bold = Number(getComputedStyle(e).fontWeight) >= 600;
    if (kind === 'text' || kind === 'combo') c.text = e.value;
    if (kind === 'combo') c.items = document.getElementById(e.getAttribute('aria-controls'))?.children.length ?? 0;
    if (kind === 'button') c.key = (e.querySelector('u')?.textContent || '').toUpperCase();
    if (kind === 'option') c.checked = e.checked;
    if (kind !== 'option' && kind !== 'picture') {
      const style = getComputedStyle(e);
      c.fore = hex(style.color);
      c.back = hex(style.backgroundColor);
    }
    state.controls.push(c);
  }
  return state;
})()"""

# The keys the actions press: DOM key -> (code, Windows key code, text typed).
KEYS = {"Tab": ("Tab", 9, None), "Enter": ("Enter", 13, "\r"), "Escape": ("Escape", 27, None),
        " ": ("Space", 32, " "), "ArrowUp": ("ArrowUp", 38, None), "ArrowDown": ("ArrowDown", 40, None),
        "ArrowLeft": ("ArrowLeft", 37, None), "ArrowRight": ("ArrowRight", 39, None)}
# Printable characters that are not letters or digits: their key on a US keyboard, shifted or not.
PUNCTUATION = {".": ("Period", 190, False), ",": ("Comma", 188, False), "-": ("Minus", 189, False),
               "=": ("Equal", 187, False), "/": ("Slash", 191, False), ";": ("Semicolon", 186, False),
               "'": ("Quote", 222, False), "[": ("BracketLeft", 219, False), "]": ("BracketRight", 221, False),
               "\\": ("Backslash", 220, False), "`": ("Backquote", 192, False), "<": ("Comma", 188, True),
               ">": ("Period", 190, True), "_": ("Minus", 189, True), "+": ("Equal", 187, True),
               "?": ("Slash", 191, True), ":": ("Semicolon", 186, True), '"': ("Quote", 222, True),
               "{": ("BracketLeft", 219, True), "}": ("BracketRight", 221, True), "|": ("Backslash", 220, True),
               "~": ("Backquote", 192, True), "!": ("Digit1", 49, True), "@": ("Digit2", 50, True),
               "#": ("Digit3", 51, True), "$": ("Digit4", 52, True), "%": ("Digit5", 53, True),
               "^": ("Digit6", 54, True), "&": ("Digit7", 55, True), "*": ("Digit8", 56, True),
               "(": ("Digit9", 57, True), ")": ("Digit0", 48, True)}
ALT, SHIFT = 1, 8


class PageError(Exception):
    """The page could not be played as a pilot would (a control out of reach): a difference too."""


class PageDriver:
    def __init__(self, folder, chromium="/usr/bin/chromium"):
        self.server = serve.start(folder)
        self.url = f"http://127.0.0.1:{self.server.server_port}/index.html"
        self.b = cdp.Browser(chromium)
        self.b.size(1280, 1024)
        self.b.call("Emulation.setFocusEmulationEnabled", enabled=True)
        self.b.call("Page.addScriptToEvaluateOnNewDocument", source=WATCH)
        self.restart()

    def close(self):
        self.b.close()
        self.server.shutdown()

    def restart(self):
        """The page loaded afresh, as a pilot's "Start again" does, until the terms screen is up."""
        self.b.open(self.url)
        self.b.wait_for(f"window.__brivan?.started && !!{WINDOW}", 60, "the program's first window")

    def state(self):
        self.b.events.clear()  # only the protocol's answers matter here
        return self.b.evaluate(STATE)

    # -- the pilot's hands

    def _centre(self, element, what, x_offset=None):
        """Where ELEMENT (a JavaScript expression) is drawn, checked to be what a press there reaches."""
        x = f"r.x + {x_offset}" if x_offset is not None else "r.x + r.width / 2"
        where = self.b.evaluate(f"""(e => {{
            if (!e) return null;
            const r = e.getBoundingClientRect(), x = {x}, y = r.y + r.height / 2;
            const hit = document.elementFromPoint(x, y);
            return [x, y, !!hit && (hit === e || e.contains(hit))];
        }})({element})""")
        if where is None:
            raise PageError(f"{what} is not in the open window")
        if not where[2]:
            raise PageError(f"{what} is covered where it is drawn: a press there does not reach it")
        return where[0], where[1]

    def _control(self, name):
        return f"{WINDOW}?.querySelector('[data-name=\"{name}\"]')"

    def _press(self, x, y):
        self.b.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        self.b.call("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", buttons=1, clickCount=1)
        self.b.call("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button="left", buttons=0, clickCount=1)

    def key(self, key, shift=False, alt=False):
        modifiers = (SHIFT if shift else 0) | (ALT if alt else 0)
        if key in KEYS:
            code, vk, text = KEYS[key]
        elif key.isascii() and key.isalpha():
            code, vk, text = f"Key{key.upper()}", ord(key.upper()), key
            modifiers |= SHIFT if key.isupper() else 0
        elif key.isdigit():
            code, vk, text = f"Digit{key}", ord(key), key
        else:
            code, vk, shifted = PUNCTUATION[key]
            text = key
            modifiers |= SHIFT if shifted else 0
        if alt:
            text = None  # Alt with a key types nothing
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": vk, "modifiers": modifiers}
        if text:
            down.update(text=text, unmodifiedText=text)
        self.b.call("Input.dispatchKeyEvent", **down)
        self.b.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code, windowsVirtualKeyCode=vk,
                    modifiers=modifiers)

    def perform(self, action):
        op, name = action["op"], action.get("name", "")
        if op == "click":
            self._press(*self._centre(self._control(name), name))
        elif op == "option":
            self._press(*self._centre(self._control(name), name, x_offset=7))
        elif op == "close":
            self._press(*self._centre(f"{WINDOW}?.querySelector('.bw-close')", "the close box"))
        elif op == "key":
            self.key(action["key"], action.get("shift", False), action.get("alt", False))
        elif op == "type":
            self.b.evaluate(f"(e => {{ e.focus(); e.select(); }})({self._control(name)})")
            if action["keys"]:
                for ch in action["text"]:
                    self.key(ch)
            else:
                self.b.call("Input.insertText", text=action["text"])  # pasted
        elif op == "choose":
            box = self._control(name)
            # The box's arrow is the one drawn at its right end; its list, the one it controls.
            arrow = f"""(b => [...b.parentElement.querySelectorAll('.bw-arrow')].find(a => {{
                const r = a.getBoundingClientRect(), s = b.getBoundingClientRect();
                return Math.abs(r.right - s.right) < 2 && Math.abs(r.top - s.top) < 2; }}))({box})"""
            self._press(*self._centre(arrow, f"the arrow of {name}"))
            item = f"document.getElementById({box}.getAttribute('aria-controls'))?.children[{action['item']}]"
            self._press(*self._centre(item, f"item {action['item']} of {name}'s list"))
        else:
            raise ValueError(f"unknown action {op}")
