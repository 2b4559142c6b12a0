"""Debian's Firefox ESR over WebDriver BiDi, a WebSocket to its remote agent (python3-websocket):
headless, or in a window for a screen reader, with a fresh profile that opens nothing else."""
import base64
import json
import os

from driver import Browser, free_port

# A fresh profile that opens the page and nothing else: no welcome tab, no notices.
PREFERENCES = {"browser.aboutwelcome.enabled": False, "browser.startup.homepage_override.mstone": "ignore",
               "startup.homepage_welcome_url": "", "browser.shell.checkDefaultBrowser": False,
               "datareporting.policy.dataSubmissionPolicyBypassNotification": True,
               "toolkit.telemetry.reportingpolicy.firstRun": False, "browser.sessionstore.resume_from_crash": False,
               # no New Tab page loaded unseen beside the first: Orca 43 says "Finished loading New Tab"
               "browser.newtab.preload": False}


class Firefox(Browser):
    name = "Firefox"

    def __init__(self, before_load="", headless=True, env=None, first_page="about:blank"):
        # In a window, the remote agent's own preferences are left out (with them Orca hears nothing
        # of Firefox), and FIRST_PAGE has the focus (a page opened later leaves it in the address bar).
        super().__init__()
        with open(os.path.join(self.profile.name, "user.js"), "w", encoding="utf-8") as prefs:
            for key, value in {**PREFERENCES, "remote.prefs.recommended": headless}.items():
                prefs.write(f"user_pref({json.dumps(key)}, {json.dumps(value)});\n")
        port = free_port()
        self.launch(["firefox-esr", *(["--headless"] if headless else []), "--no-remote", "--profile",
                     self.profile.name, f"--remote-debugging-port={port}", first_page], env=env)
        self.open_socket(lambda: f"ws://127.0.0.1:{port}/session", "Firefox's remote agent")
        self.call("session.new", capabilities={})
        self.call("session.subscribe", events=["log.entryAdded"])
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        if before_load:
            self.call("script.addPreloadScript", functionDeclaration=f"() => {{ {before_load} }}")

    def _quit(self):
        self.call("session.end")

    def _evaluate(self, script):
        result = self.call("script.evaluate", expression=script, awaitPromise=True, target={"context": self.context})
        if result["type"] == "exception":
            self.fail(result["exceptionDetails"]["text"])
        return result["result"].get("value")

    def _open(self, url):
        self.call("browsingContext.navigate", context=self.context, url=url, wait="interactive")

    def size(self, width, height):
        self.call("browsingContext.setViewport", context=self.context, viewport={"width": width, "height": height})

    def act(self, sources):
        self.call("input.performActions", context=self.context, actions=sources)

    def screenshot(self, path):
        with open(path, "wb") as f:
            f.write(base64.b64decode(self.call("browsingContext.captureScreenshot", context=self.context)["data"]))

    def complaints(self):
        return [f"{e['params'].get('level')}: {e['params'].get('text')}" for e in self.events
                if e.get("method") == "log.entryAdded" and e["params"].get("level") in ("error", "warn")]
