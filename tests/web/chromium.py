"""Debian's Chromium, headless, over the DevTools protocol (a WebSocket); beyond the driver's
interface, the protocol itself (call, pump): device and touch emulation, the zoom, the whole tree."""
import base64
import json
import os

from driver import Browser, key_of

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-port=0", "--mute-audio"]


class Chromium(Browser):
    name = "Chromium"

    def __init__(self, before_load="", binary="/usr/bin/chromium", flags=()):
        super().__init__()
        self.launch([binary, *FLAGS, *flags, f"--user-data-dir={self.profile.name}", "about:blank"])
        # Chromium picks a free port, and writes it and its browser's address into the profile.
        active = os.path.join(self.profile.name, "DevToolsActivePort")
        self.open_socket(lambda: "ws://127.0.0.1:{}{}".format(*open(active).read().split()), "Chromium's DevTools")
        page = next(t for t in self.call("Target.getTargets")["targetInfos"] if t["type"] == "page")
        self.session = self.call("Target.attachToTarget", targetId=page["targetId"], flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Log"):
            self.call(f"{domain}.enable")
        if before_load:
            self.call("Page.addScriptToEvaluateOnNewDocument", source=before_load)

    def _quit(self):
        self.call("Browser.close")

    def _evaluate(self, script):
        result = self.call("Runtime.evaluate", expression=script, awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            self.fail(details.get("exception", {}).get("description") or details.get("text"))
        return result["result"].get("value")

    def _open(self, url):
        self.call("Page.navigate", url=url)

    def size(self, width, height, scale=1, mobile=False):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=scale,
                  mobile=mobile)
        self.call("Emulation.setTouchEmulationEnabled", enabled=mobile, maxTouchPoints=5 if mobile else 1)

    def _keys(self, presses, code=None):
        for key, alt, shift in presses:
            place, vk, text, shifted = key_of(key) if code is None else (code, ord(code[-1]), key, False)
            text = None if alt and code is None else text  # Alt with a key types nothing
            keys = {"key": key, "code": place, "windowsVirtualKeyCode": vk, "modifiers": alt | (shift or shifted) << 3}
            self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown", **keys,
                      **({"text": text, "unmodifiedText": text} if text else {}))
            self.call("Input.dispatchKeyEvent", type="keyUp", **keys)

    def typed_at(self, character, code):
        """Alt with the key at CODE, which types CHARACTER (Option+M types "µ" on a Mac)."""
        self._keys([(character, True, False)], code=code)

    def paste(self, text):
        self.call("Input.insertText", text=text)

    def pointer(self, x, y, touch=False):
        if touch:
            for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
                self.call("Input.dispatchTouchEvent", type=kind, touchPoints=points)
        else:
            for kind, button in (("mouseMoved", "none"), ("mousePressed", "left"), ("mouseReleased", "left")):
                self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                          buttons=int(kind == "mousePressed"), clickCount=1)

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"]))

    def accessible(self, selector):
        """The role and name that Chromium's accessibility tree gives the element at SELECTOR."""
        element = self.call("Runtime.evaluate", expression=f"document.querySelector({json.dumps(selector)})")["result"]
        found = self.call("Accessibility.getPartialAXTree", objectId=element.get("objectId"), fetchRelatives=False)
        return tuple(found["nodes"][0].get(key, {}).get("value", "") for key in ("role", "name"))

    def complaints(self):
        """Console errors and warnings, uncaught exceptions and the browser's own log entries."""
        self.pump(0)
        def complains(method, params):
            return (method == "Runtime.exceptionThrown"
                    or method == "Runtime.consoleAPICalled" and params["type"] in ("error", "warning", "assert")
                    or method == "Log.entryAdded" and params["entry"]["level"] in ("error", "warning"))
        return [f"{e['method']}: {json.dumps(e['params'])[:400]}" for e in self.events
                if complains(e["method"], e.get("params", {}))]
