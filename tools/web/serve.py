#!/usr/bin/python3
"""A plain static web server for the web folder, on this machine only: what tools/web.sh's browser
tests and the benchmark serve it with, and a way to try it by hand (localhost needs no HTTPS).
Serves .wasm as application/wasm, as browsers require for streaming compilation.

Usage: serve.py FOLDER [PORT]
"""
import functools
import http.server
import sys
import threading


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    def log_message(self, *args):  # quiet: the tests print what matters
        pass


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes while a file is on its way is no fault of the folder.
        if not isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            super().handle_error(request, client_address)


def start(folder, port=0):
    """Serves FOLDER from 127.0.0.1 on a thread; returns the server (its port: server.server_port)."""
    server = Server(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    server = start(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"Serving {sys.argv[1]} at http://127.0.0.1:{server.server_port}/ (Ctrl+C ends)")
    threading.Event().wait()
