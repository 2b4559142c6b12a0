#!/usr/bin/python3
"""A plain static web server for the web folder, on this machine only: what tools/web.sh's browser
tests and the benchmark serve it with, and a way to try it by hand (localhost needs no HTTPS).
Serves .wasm as application/wasm, as browsers require for streaming compilation, and sends the
page's Content-Security-Policy (from its <meta>) as a header too, as a real server should.

Usage: serve.py FOLDER [PORT]
"""
import functools
import http.server
import os
import re
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    policy = None

    def end_headers(self):
        if self.policy:
            self.send_header("Content-Security-Policy", self.policy)
        super().end_headers()

    def log_message(self, *args):  # quiet: the tests print what matters
        pass


def page_policy(folder):
    """The policy that FOLDER's index.html names in its <meta>, or None."""
    try:
        page = open(os.path.join(folder, "index.html"), encoding="utf-8").read()
    except OSError:
        return None
    found = re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)"', page)
    return found.group(1) if found else None


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes while a file is on its way is no fault of the folder.
        if not isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            super().handle_error(request, client_address)


def start(folder, port=0):
    """Serves FOLDER from 127.0.0.1 on a thread; returns the server (its port: server.server_port)."""
    handler = type("FolderHandler", (Handler,), {"policy": page_policy(folder)})
    server = Server(("127.0.0.1", port), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = start(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"Serving {sys.argv[1]} at http://127.0.0.1:{server.server_port}/ (Ctrl+C ends)")
    threading.Event().wait()
