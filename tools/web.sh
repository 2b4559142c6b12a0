#!/usr/bin/env bash
# Builds the program for web browsers and proves it in a real one. In a Debian 13 root of its
# own ("web", made by tools/debian13.sh), tools/web/build.sh builds Qt for WebAssembly once (cached
# outside the root), builds the program, assembles build-web/brivan-VERSION-web.zip (the folder to
# put on a web server) and brivan-VERSION-web-relink.zip (what relinking with another Qt needs),
# and walks the program in headless Chromium, then starts it once in headless Firefox.
# Every step writes a log of its own under build-web/logs; the first step that fails stops the
# script with one sentence naming it and its log.
set -euo pipefail
cd "$(dirname "$0")/.."
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"
mkdir -p "$cache"
bash tools/debian13.sh make web
exec bash tools/debian13.sh run web --bind "$PWD" --bind "$cache" -- \
  env BRIVAN_CACHE="$cache" bash "$PWD/tools/web/build.sh"
