"""One driver for the page's tests: Chromium over the DevTools protocol, Firefox over WebDriver BiDi,
WebKitGTK over W3C WebDriver (chromium.py, firefox.py, webkit.py, each a transport under Browser).
Whatever goes wrong is a Failure: one sentence naming the engine and the step."""
import contextlib
import importlib
import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "app")]  # the transports; the drill table, the checks
ENGINES = {"chromium": "Chromium", "firefox": "Firefox", "webkit": "WebKit"}
OPEN = "#screen .bw-window:not([hidden])"  # the program's open window, as CSS
WINDOW = f"[...document.querySelectorAll({OPEN!r})].pop()"
SAID = "document.querySelector('[aria-live=assertive]')"  # the live region: what the screen reader is told
# The roles that the accessibility trees give a control, by a screen reader's words for them.
ROLES = {"button": ("button",), "text box": ("textbox",), "radio button": ("radio",), "combo box": ("combobox",),
         "picture": ("image", "img")}
# The page's own notice where it cannot start, did not load or stopped; else "".
NOTICE = """(n => n && !n.hidden && !/^(Brivan Review Program|The review program has ended)$/
  .test(n.querySelector('h1').textContent) ? n.innerText.trim().split('\\n')[0] : '')(document.getElementById('notice'))"""


def control(name):
    """The control NAME (its layout table's name) of the open window, as a script."""
    return f"{WINDOW}?.querySelector('[data-name=\"{name}\"]')"


def arrow(name):
    """The arrow drawn at the right end of the drop-down box NAME."""
    return f"""(b => b && [...b.parentElement.querySelectorAll('.bw-arrow')].find(a => {{
        const r = a.getBoundingClientRect(), s = b.getBoundingClientRect();
        return Math.abs(r.right - s.right) < 2 && Math.abs(r.top - s.top) < 2; }}))({control(name)})"""


def item(name, index):  # of the drop-down box NAME's list
    return f"document.getElementById({control(name)}?.getAttribute('aria-controls'))?.children[{index}]"


# Keys by the names KeyboardEvent.key gives them: code, Windows key code, WebDriver's key.
KEYS = {"Enter": ("Enter", 13, "\ue007"), "Tab": ("Tab", 9, "\ue004"), "Escape": ("Escape", 27, "\ue00c"),
        " ": ("Space", 32, " "), "Backspace": ("Backspace", 8, "\ue003"), "F4": ("F4", 115, "\ue034"),
        "ArrowLeft": ("ArrowLeft", 37, "\ue012"), "ArrowUp": ("ArrowUp", 38, "\ue013"),
        "ArrowRight": ("ArrowRight", 39, "\ue014"), "ArrowDown": ("ArrowDown", 40, "\ue015")}
ALT, SHIFT = "\ue00a", "\ue008"
# The other printable characters of a US keyboard: each one's key, plain and with Shift.
PLAIN, SHIFTED = "0123456789.,-=/;'[]\\`", ')!@#$%^&*(><_+?:"{}|~'
CODES = [f"Digit{n}" for n in range(10)] + "Period Comma Minus Equal Slash Semicolon Quote BracketLeft BracketRight \
    Backslash Backquote".split()
VKS = (*range(48, 58), 190, 188, 189, 187, 191, 186, 222, 219, 221, 220, 192)


def key_of(key):
    """KEY's code, Windows key code, the text it types, and whether it takes Shift."""
    if key in KEYS:
        return KEYS[key][0], KEYS[key][1], {"Enter": "\r", " ": " "}.get(key), False
    if key.isascii() and key.isalpha():
        return f"Key{key.upper()}", ord(key.upper()), key, key.isupper()
    at = PLAIN.find(key) if key in PLAIN else SHIFTED.find(key)
    return CODES[at], VKS[at], key, key in SHIFTED


def key_actions(presses):
    """Key presses (key, alt, shift) as a WebDriver input source (BiDi and classic alike)."""
    steps = []
    for key, alt, shift in presses:
        held = [k for k, on in ((ALT, alt), (SHIFT, shift)) if on]
        value = KEYS[key][2] if key in KEYS else key
        steps += [{"type": "keyDown", "value": k} for k in held + [value]]
        steps += [{"type": "keyUp", "value": k} for k in [value] + held[::-1]]
    return [{"type": "key", "id": "keyboard", "actions": steps}]


def pointer_actions(x, y, touch):
    """A press at (X, Y), by a mouse or a finger, as a WebDriver pointer input source."""
    kind = "touch" if touch else "mouse"
    return [{"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
        {"type": "pointerMove", "x": round(x), "y": round(y), "origin": "viewport"},
        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}]


class Failure(Exception):
    """One sentence: the engine, the step, and what went wrong."""


class Unreachable(Failure):
    """A control that a press where it is drawn does not reach."""


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def end(process):
    """Ends PROCESS and all it started (its process group): politely, then for certain."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
            os.killpg(process.pid, sig)
            return process.wait(timeout=10)


class Browser(contextlib.AbstractContextManager):
    """A transport gives _evaluate, _open, size, screenshot, complaints, _quit, and either act (WebDriver
    input sources) or _keys and pointer; accessible where it can read the accessibility tree."""
    name = "a browser"
    session = None  # the DevTools protocol's session of the page, that page commands go to

    def __init__(self):
        self.step, self.events, self.processes, self._id = "its start", [], [], 0
        self.profile = tempfile.TemporaryDirectory(prefix=f"brivan-{type(self).__name__.lower()}-")
        self.log = open(os.path.join(self.profile.name, "browser.log"), "w")

    def launch(self, command, **options):
        """COMMAND started in a process group of its own, its output in the log."""
        try:
            self.processes.append(subprocess.Popen(command, stdout=self.log, stderr=subprocess.STDOUT,
                                                   start_new_session=True, **options))
        except OSError as error:
            self.fail(f"{command[0]} does not start ({error.strerror})")

    def connect(self, attempt, what):  # ATTEMPT's value once it stops raising OSError, within a minute
        deadline = time.monotonic() + 60
        while True:
            try:
                return attempt()
            except OSError:
                if time.monotonic() > deadline or any(p.poll() is not None for p in self.processes):
                    self.fail(f"{what} does not answer" + self.last_words())
                time.sleep(0.2)

    def open_socket(self, address, what):
        global websocket
        import websocket  # Debian's python3-websocket; a browser refuses a WebSocket with a foreign Origin

        self.ws = self.connect(lambda: websocket.create_connection(address(), timeout=60, suppress_origin=True), what)

    def call(self, method, **params):
        """A command's result over the WebSocket (the DevTools protocol or WebDriver BiDi, which
        answer alike); the events that come meanwhile are kept."""
        self._id += 1
        page = self.session and not method.startswith(("Target.", "Browser."))
        self.ws.send(json.dumps({"id": self._id, "method": method, "params": params,
                                 **({"sessionId": self.session} if page else {})}))
        while (answer := self._receive(60)) is not None:
            if answer.get("id") == self._id:
                if "error" in answer:
                    self.fail(f"{method}: {answer.get('message') or answer['error']}")
                return answer.get("result", {})
            self.events.append(answer)
        self.fail(f"{self.name} did not answer {method} within 60 s")

    def _receive(self, seconds):
        self.ws.settimeout(max(seconds, 0.01))
        try:
            return json.loads(self.ws.recv())
        except websocket.WebSocketTimeoutException:
            return None
        except (websocket.WebSocketException, OSError) as error:
            self.fail(f"{self.name} ended ({error})" + self.last_words())

    def pump(self, seconds):
        """Keeps the events that come within SECONDS."""
        deadline = time.monotonic() + seconds
        while (event := self._receive(deadline - time.monotonic())) is not None:
            self.events.append(event)

    def last_words(self):
        self.log.flush()
        tail = open(self.log.name, errors="replace").read()[-600:].strip()
        return f"; its log ends: {tail}" if tail else ""

    def close(self):
        with contextlib.suppress(Exception):  # a browser already gone is closed too
            self._quit()
            self.ws.close()
        for process in reversed(self.processes):
            end(process)
        self.log.close()
        self.profile.cleanup()

    def __exit__(self, *_):
        self.close()

    def fail(self, what):
        raise Failure(f"{self.name}, at {self.step}: {what}")

    def run(self, script):
        """The value of the JavaScript expression SCRIPT in the page, a promise awaited."""
        return json.loads(self._evaluate(f"(async () => JSON.stringify(await ({script})) ?? 'null')()"))

    def wait(self, script, what, timeout=30.0, notice=True):
        """SCRIPT's value once true, within TIMEOUT seconds; ended at once by the page's NOTICE."""
        deadline, probe, error = time.monotonic() + timeout, NOTICE if notice else "''", ""
        while True:
            try:
                value, said = self.run(f"[await ({script}), {probe}]")
            except Failure as failure:  # the page went away under the script; another is coming
                value, said, error = None, "", f" ({failure})"
            if value:
                return value
            if said:
                self.fail(f"waiting for {what}, the page says {said!r}")
            if time.monotonic() > deadline:
                self.fail(f"{what} did not come within {timeout:.0f} s{error}")
            time.sleep(0.05)

    def open(self, url):  # once the page that was open has gone and the new one's markup is read
        self.run("window.brivanLeft = true")
        self._open(url)
        self.wait("!window.brivanLeft && document.readyState !== 'loading'", f"the page {url}", 60, notice=False)

    def wait_window(self, caption, timeout=30):
        self.wait(f"{WINDOW}?.getAttribute('aria-label') === {json.dumps(caption)}", f"the window {caption!r}", timeout)

    def focused(self):
        return self.run("document.activeElement?.closest('[data-name]')?.dataset.name ?? ''")

    def said(self):
        return self.run(f"{SAID}?.textContent ?? ''")

    def where(self, element, what, left=None):
        """Where ELEMENT (a script) is drawn and a press reaches it, LEFT pixels in or in its middle."""
        x = f"r.x + {left}" if left is not None else "r.x + r.width / 2"
        found = self.run(f"""(e => {{ if (!e?.isConnected) return null;
            const r = e.getBoundingClientRect(), x = {x}, y = r.y + r.height / 2, hit = document.elementFromPoint(x, y);
            return [x, y, !!hit && (hit === e || e.contains(hit))]; }})({element})""")
        if not found or not found[2]:
            raise Unreachable(f"{self.name}, at {self.step}: {what} is " +
                              ("covered where it is drawn" if found else "not in the page"))
        return found[0], found[1]

    def press(self, name, touch=False):  # a click or a tap on the control NAME of the open window
        self.pointer(*self.where(control(name), name), touch=touch)

    def key(self, key, alt=False, shift=False):
        self._keys([(key, alt, shift)])

    def _keys(self, presses):
        self.act(key_actions(presses))

    def pointer(self, x, y, touch=False):
        self.act(pointer_actions(x, y, touch))

    def type(self, text):
        self._keys([(c, False, False) for c in text])

    def paste(self, text):  # into the focused box as a paste puts it, through the browser's own editing
        self.run(f"document.execCommand('insertText', false, {json.dumps(text)})")

    def accessible(self, selector):
        self.fail("this driver cannot read the accessibility tree")


def start(engine, **options):  # a browser of ENGINE (chromium, firefox or webkit); see its transport
    return getattr(importlib.import_module(engine), ENGINES[engine])(**options)


def need_folder(site):
    """Ends the test unless SITE is a web folder: skipped (77), or failed under CI, where it must be."""
    if not os.path.isfile(os.path.join(site, "index.html")):
        print(f"There is no web folder at {site}: tools/web.sh builds it.", flush=True)
        sys.exit(1 if os.environ.get("CI") else 77)


def test(run, usage):
    """ENGINE WEB_FOLDER [MORE...]: RUN(engine, site, url, *more) with the folder served at URL; a
    Failure is a failed check."""
    import checks
    import serve
    checks.verbose = True
    if len(sys.argv) < 3 or sys.argv[1] not in ENGINES:
        sys.exit(usage)
    engine, site, *more = sys.argv[1:]
    need_folder(site)
    server = serve.start(site)
    try:
        run(engine, site, f"http://127.0.0.1:{server.server_port}/index.html", *more)
    except Failure as failure:
        checks.check(False, str(failure))
    finally:
        server.stop()
    checks.finish()
