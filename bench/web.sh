#!/usr/bin/env bash
# The browser benchmark: what a first visit downloads and the time to the terms screen's first
# complete frame, the program beside the floor (the same page, pictures and fonts, no program),
# in headless Chromium in the Debian 13 root "web" (entered unless already in a Debian 13 system).
# Needs the program's web folder: tools/web.sh builds it.
# Usage: bash bench/web.sh [RUNS] [WEB_FOLDER] [--local-fonts]
#   RUNS defaults to 5; WEB_FOLDER to build-web/brivan-VERSION-web; --local-fonts lets Chromium use
#   the machine's fonts (otherwise the page's own fonts are downloaded, as on a tablet).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=5 site="" flags=()
for arg in "$@"; do
  case $arg in
    --local-fonts) flags+=("$arg") ;;
    *[!0-9]*) site=$(realpath "$arg") ;;
    *) runs=$arg ;;
  esac
done
version=$(sed -n 's/^project(brivan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
site=${site:-$PWD/build-web/brivan-$version-web}
if ! grep -q '^VERSION_ID="13"' /etc/os-release; then
  binds=(--bind "$PWD")
  case $site in "$PWD"/*) ;; *) binds+=(--bind "$(dirname "$site")") ;; esac
  exec bash tools/debian13.sh run web "${binds[@]}" -- bash "$PWD/bench/web.sh" "$runs" "$site" "${flags[@]}"
fi
[ -f "$site/brivan.wasm" ] || { echo "bench/web.sh: no web folder at $site: build it with tools/web.sh" >&2; exit 1; }
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs);" \
  "$(chromium --version 2>/dev/null)"
echo "Web folder: $site"
python3 bench/web_measure.py "$site" "$(dirname "$site")/bench-floor" "$runs" "${flags[@]}"
