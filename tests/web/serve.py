#!/usr/bin/python3
"""A static web server for the web folder on this machine, for the browser tests, the benchmark and
trying it by hand (localhost needs no HTTPS): .wasm as application/wasm, the page's policy as a
header too.  Usage: serve.py FOLDER [PORT]"""
import contextlib
import functools
import http.server
import os
import re
import socket
import sys
import threading
import weakref


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".js": "text/javascript", ".webmanifest": "application/manifest+json"}
    policy = None
    hold = None  # (a file, an event): the service worker's own request for it waits for the event

    def end_headers(self):
        if self.policy:
            self.send_header("Content-Security-Policy", self.policy)
        super().end_headers()

    def do_GET(self):
        if self.hold and self.path.endswith(self.hold[0]) and self.headers.get("Referer", "").endswith("/sw.js"):
            self.hold[1].wait(60)
        super().do_GET()

    def log_message(self, *args):  # quiet: the tests say what matters
        return


def page_policy(folder):
    """The policy that FOLDER's index.html names in its <meta>, or None."""
    page = os.path.join(folder, "index.html")
    found = os.path.isfile(page) and re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)"',
                                               open(page, encoding="utf-8").read())
    return found.group(1) if found else None


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes while a file is on its way is no fault of the folder.
        if not isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            super().handle_error(request, client_address)

    def process_request(self, request, client_address):
        self.connections.add(request)
        super().process_request(request, client_address)

    def stop(self):
        """Stops serving, the connections it accepted too: a browser connects before it asks."""
        self.shutdown()
        self.server_close()
        for connection in list(self.connections):
            with contextlib.suppress(OSError):
                connection.shutdown(socket.SHUT_RDWR)


def start(folder, port=0, hold=None):
    """Serves FOLDER from 127.0.0.1 on a thread; returns the server (its port: server.server_port)."""
    handler = type("FolderHandler", (Handler,), {"policy": page_policy(folder), "hold": hold})
    server = Server(("127.0.0.1", port), functools.partial(handler, directory=folder))
    server.connections = weakref.WeakSet()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = start(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"Serving {sys.argv[1]} at http://127.0.0.1:{server.server_port}/ (Ctrl+C ends)")
    threading.Event().wait()
