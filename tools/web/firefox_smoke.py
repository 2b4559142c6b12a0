#!/usr/bin/python3
"""Starts the web folder once in headless Firefox (Debian's firefox-esr), driven over WebDriver
BiDi: the page is served from 127.0.0.1 and the program must show its terms screen, with no error
in the console. A smoke test that the program starts in a second browser engine.

Usage: firefox_smoke.py WEB_FOLDER
"""
import json
import os
import socket
import subprocess
import sys
import tempfile
import time

import websocket  # Debian's python3-websocket

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import serve  # noqa: E402

TERMS_SHOWN = """document.querySelector('.bw-window:not([hidden])')?.getAttribute('aria-label') === 'Brivan Review Program'"""


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Bidi:
    def __init__(self, port):
        deadline = time.monotonic() + 60
        while True:
            try:
                self.ws = websocket.create_connection(f"ws://127.0.0.1:{port}/session", timeout=60,
                                                         suppress_origin=True)  # Firefox refuses a foreign Origin
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.5)
        self.next_id, self.events = 0, []

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            answer = json.loads(self.ws.recv())
            if answer.get("id") == self.next_id:
                if answer.get("type") == "error":
                    raise RuntimeError(f"{method}: {answer}")
                return answer["result"]
            self.events.append(answer)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    server = serve.start(sys.argv[1])
    url = f"http://127.0.0.1:{server.server_port}/index.html"
    port = free_port()
    with tempfile.TemporaryDirectory(prefix="brivan-firefox-") as profile:
        firefox = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--profile", profile,
                                    f"--remote-debugging-port={port}", "about:blank"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            bidi = Bidi(port)
            bidi.call("session.new", capabilities={})
            bidi.call("session.subscribe", events=["log.entryAdded"])
            context = bidi.call("browsingContext.getTree")["contexts"][0]["context"]
            started = time.monotonic()
            bidi.call("browsingContext.navigate", context=context, url=url, wait="complete")
            while time.monotonic() - started < 120:
                shown = bidi.call("script.evaluate", expression=TERMS_SHOWN, awaitPromise=False,
                                  target={"context": context})
                if shown.get("result", {}).get("value") is True:
                    break
                time.sleep(0.2)
            else:
                sys.exit("Firefox: the terms screen was not shown within 120 s")
            print(f"ok: Firefox ESR shows the terms screen {time.monotonic() - started:.1f} s after the page was opened")
            complaints = [e["params"] for e in bidi.events if e.get("method") == "log.entryAdded"
                          and e["params"].get("level") in ("error", "warn")]
            if complaints:
                sys.exit("Firefox's console has errors or warnings:\n" +
                         "\n".join(f"{c.get('level')}: {c.get('text')}" for c in complaints))
            print("ok: no error or warning in Firefox's console")
        finally:
            firefox.terminate()
            try:
                firefox.wait(timeout=20)
            except subprocess.TimeoutExpired:
                firefox.kill()
                firefox.wait()
    server.shutdown()


if __name__ == "__main__":
    main()
