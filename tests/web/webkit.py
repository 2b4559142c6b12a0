"""WebKitGTK (Safari's engine, every iPad browser's) over W3C WebDriver, plain HTTP to Debian's
WebKitWebDriver, which starts MiniBrowser in automation mode in a window of the X display (xvfb-run).
WebDriver has no console: a script MiniBrowser runs before each page keeps its errors and warnings."""
import base64
import glob
import json
import os
import urllib.error
import urllib.request

from driver import Browser, free_port

MINIBROWSER = (glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser") or ["MiniBrowser"])[0]
COMPLAINTS = """window.brivanComplaints = [];
for (const [level, say] of [['error', console.error], ['warn', console.warn]])
  console[level] = (...words) => { brivanComplaints.push(`console.${level}: ${words.join(' ')}`); say.apply(console, words); };
addEventListener('error', e => brivanComplaints.push(`error: ${e.message || e.target?.src || e.target?.href}`), true);
addEventListener('unhandledrejection', e => brivanComplaints.push(`unhandled rejection: ${e.reason}`));
document.addEventListener('securitypolicyviolation', e => brivanComplaints.push(`policy: ${e.violatedDirective} ${e.blockedURI}`));
"""


class WebKit(Browser):
    name = "WebKit"

    def __init__(self, before_load=""):
        super().__init__()
        script = os.path.join(self.profile.name, "before-load.js")
        with open(script, "w", encoding="utf-8") as f:
            f.write(COMPLAINTS + before_load)
        port = free_port()
        self.launch(["WebKitWebDriver", f"--port={port}"])
        self.base = f"http://127.0.0.1:{port}"
        self.connect(lambda: urllib.request.urlopen(self.base + "/status", timeout=5).close(), "WebKitWebDriver")
        args = ["--automation", f"--profile-dir={self.profile.name}/data", f"--user-script-at-start={script}"]
        session = self.http("POST", "/session", {"capabilities": {"alwaysMatch": {
            "webkitgtk:browserOptions": {"binary": MINIBROWSER, "args": args},
            "timeouts": {"script": 60000, "pageLoad": 60000}}}})
        self.base += f"/session/{session['sessionId']}"

    def _quit(self):
        self.http("DELETE", "")

    def http(self, method, path, body=None):  # a WebDriver command's value
        request = urllib.request.Request(self.base + path, method=method, headers={"Content-Type": "application/json"},
                                         data=None if body is None else json.dumps(body).encode())
        try:
            with urllib.request.urlopen(request, timeout=90) as answer:
                return json.loads(answer.read())["value"]
        except OSError as error:  # an HTTP error answer carries WebDriver's own words
            said = json.loads(error.read())["value"].get("message") if isinstance(error, urllib.error.HTTPError) else error
            self.fail(f"WebKitWebDriver, {method} {path or '/'}: {said}" + self.last_words())

    def _evaluate(self, script):
        return self.http("POST", "/execute/sync", {"script": f"return {script}", "args": []})

    def _open(self, url):
        self.http("POST", "/url", {"url": url})

    def size(self, width, height):
        """The page (not the window around it, with its tool bar) WIDTH by HEIGHT pixels."""
        self.http("POST", "/window/rect", {"width": width, "height": height})
        inner = self.run("[innerWidth, innerHeight]")
        self.http("POST", "/window/rect", {"width": 2 * width - inner[0], "height": 2 * height - inner[1]})

    def act(self, sources):
        self.http("POST", "/actions", {"actions": sources})

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.http("GET", "/screenshot")))

    def accessible(self, selector):
        """WebDriver's computed role and label of the element at SELECTOR."""
        element = next(iter(self.http("POST", "/element", {"using": "css selector", "value": selector}).values()))
        return self.http("GET", f"/element/{element}/computedrole"), self.http("GET", f"/element/{element}/computedlabel")

    def complaints(self):
        return self.run("window.brivanComplaints ?? []")
