"""Headless Chromium driven over the DevTools protocol, through a pipe (no port, no WebSocket):
one page, its console and its errors collected, input as a pilot's (mouse, touch, keys)."""
import json
import os
import subprocess
import tempfile
import time

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe", "--mute-audio"]




def _above_nine(fd):
    import fcntl
    moved = fcntl.fcntl(fd, fcntl.F_DUPFD, 10)
    os.close(fd)
    return moved


class Browser:
    def __init__(self, chromium="/usr/bin/chromium", flags=()):
        self.profile = tempfile.TemporaryDirectory(prefix="brivan-chromium-")
        to_browser_r, self._to_browser = os.pipe()
        self._from_browser, from_browser_w = os.pipe()
        # The browser reads commands on fd 3 and writes answers on fd 4. Its ends are moved above
        # 9 first, so that putting one in place cannot overwrite the other.
        to_browser_r, from_browser_w = (_above_nine(fd) for fd in (to_browser_r, from_browser_w))
        command = [chromium, *FLAGS, *flags, f"--user-data-dir={self.profile.name}", "about:blank"]
        self.log = open(os.path.join(self.profile.name, "chromium.log"), "w")

        def put_in_place():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self.process = subprocess.Popen(command, preexec_fn=put_in_place, pass_fds=(3, 4),
                                        stdout=self.log, stderr=subprocess.STDOUT)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self._buffer = b""
        self._next_id = 0
        self.events = []
        self.session = None
        targets = self.call("Target.getTargets")["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.call("Target.attachToTarget", targetId=page["targetId"], flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Log"):
            self.call(f"{domain}.enable")

    def close(self):
        try:
            self.call("Browser.close")
        except Exception:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._to_browser)
        os.close(self._from_browser)
        self.profile.cleanup()

    def _read(self, timeout):
        import select
        while b"\0" not in self._buffer:
            ready, _, _ = select.select([self._from_browser], [], [], timeout)
            if not ready:
                return None
            chunk = os.read(self._from_browser, 1 << 20)
            if not chunk:
                self.log.flush()
                with open(self.log.name, errors="replace") as log:
                    raise RuntimeError("Chromium ended: " + log.read()[-2000:])
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, session=True, **params):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            answer = self._read(deadline - time.monotonic())
            if answer is None:
                break
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise RuntimeError(f"{method}: {answer['error']}")
                return answer.get("result", {})
            if "method" in answer:
                self.events.append(answer)
        raise TimeoutError(method)

    def pump(self, seconds=0.0):
        """Collects the events that arrive within SECONDS."""
        deadline = time.monotonic() + seconds
        while True:
            answer = self._read(max(0.0, deadline - time.monotonic()))
            if answer is None:
                return
            if "method" in answer:
                self.events.append(answer)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page."""
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30.0, what=None):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            self.pump(0.05)
        raise TimeoutError(what or expression)

    def size(self, width, height, scale=1, mobile=False):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                  mobile=mobile)
        self.call("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5 if mobile else 1)

    def open(self, url):
        self.call("Page.navigate", url=url)

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left" if kind != "mouseMoved" else "none",
                      buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def tap(self, x, y):
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, key, code=None, text=None, vk=None, modifiers=0):
        """One key pressed and released, as a keyboard sends it."""
        if text is None and len(key) == 1:
            text = key
        code = code or (f"Digit{key}" if key.isdigit() else f"Key{key.upper()}" if len(key) == 1 else key)
        vk = vk or (ord(key.upper()) if len(key) == 1 else {"Enter": 13, "Tab": 9, "Escape": 27, "Backspace": 8, "F4": 115, "ArrowLeft": 37,
                                                      "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40}[key])
        down = {"type": "keyDown" if text else "rawKeyDown", "key": key, "code": code, "windowsVirtualKeyCode": vk,
                "modifiers": modifiers}
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", **down)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code, windowsVirtualKeyCode=vk,
                  modifiers=modifiers)

    def type(self, text):
        for ch in text:
            self.key(ch)

    def screenshot(self, path):
        import base64
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))

    def complaints(self):
        """Console errors and warnings, uncaught exceptions and browser log entries, as lines."""
        self.pump(0)
        lines = []
        for event in self.events:
            method, params = event["method"], event.get("params", {})
            if method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning", "assert"):
                lines.append(f"console.{params['type']}: " + " ".join(
                    str(a.get("value", a.get("description", ""))) for a in params.get("args", [])))
            elif method == "Runtime.exceptionThrown":
                lines.append("exception: " + params["exceptionDetails"].get("text", "") + " " +
                             str(params["exceptionDetails"].get("exception", {}).get("description", "")))
            elif method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"):
                lines.append(f"log.{params['entry']['level']}: {params['entry']['text']} {params['entry'].get('url', '')}")
        return lines

    def console(self):
        """Every console message, as lines (what Qt printed included)."""
        return [f"{e['params']['type']}: " + " ".join(str(a.get("value", "")) for a in e["params"].get("args", []))
                for e in self.events if e["method"] == "Runtime.consoleAPICalled"]
