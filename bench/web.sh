#!/usr/bin/env bash
# The browser benchmark: download size and time to the first frame, the program beside the floor
# page. Needs tools/web.sh to have run (Qt for WebAssembly and the program's build); builds the
# floor page in the same build folder and measures in the same Debian 13 root.
# Usage: bash bench/web.sh [runs]   (5 runs unless told otherwise)
set -euo pipefail
cd "$(dirname "$0")/.."
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"
exec bash tools/debian13.sh run web --bind "$PWD" --bind "$cache" -- env BRIVAN_CACHE="$cache" bash -c '
  set -euo pipefail
  cd "$1"
  out=build-web
  version=$(sed -n "s/^project(brivan VERSION \([0-9.]*\).*/\1/p" CMakeLists.txt)
  EMSDK="$(sed -n "s/^emsdk=//p" $out/qt.txt)" nice -n 10 cmake --build $out/build --target bench_web_floor >/dev/null
  floor=$out/bench-floor
  rm -rf "$floor" && mkdir -p "$floor"
  cp $out/build/bench/bench_web_floor.js $out/build/bench/bench_web_floor.wasm $out/build/src/qtloader.js "$floor/"
  # The program'"'"'s own page, starting the floor instead, without a service worker.
  sed -e "s/brivan\.js/bench_web_floor.js/; s/brivan_entry/bench_web_floor_entry/g" \
      -e "s/\"serviceWorker\" in navigator/false/" "$out/brivan-$version-web/index.html" >"$floor/index.html"
  echo "Machine: $(nproc) cores, $(grep -m1 "model name" /proc/cpuinfo | cut -d: -f2 | xargs); Chromium $(chromium --version 2>/dev/null | cut -d" " -f2)"
  python3 bench/web_measure.py "$out/brivan-$version-web" "$floor" "${2:-5}"
' bash "$PWD" "${1:-5}"
