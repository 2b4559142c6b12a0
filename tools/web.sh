#!/usr/bin/env bash
# Builds the program for web browsers and proves it in real ones. In a Debian 13 root of its own
# ("web", made by tools/debian13.sh; directly when this already is a Debian 13 machine or root),
# tools/web/build.sh builds the program with Emscripten, assembles build-web/brivan-VERSION-web.zip
# (the folder to put on a web server) and runs the browser tests on it (CTest's label "web": in
# Chromium, Firefox and WebKitGTK, Orca in Firefox, and the page compared action by action with
# the desktop program). Every step writes a log of its own under build-web/logs; the first step
# that fails stops the script with one sentence naming it and its log.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = trixie ]; then
  [ "$(id -u)" -eq 0 ] || exec sudo -E bash tools/web/build.sh
  exec bash tools/web/build.sh
fi
bash tools/debian13.sh make web
exec bash tools/debian13.sh run web --bind "$PWD" -- bash "$PWD/tools/web/build.sh"
