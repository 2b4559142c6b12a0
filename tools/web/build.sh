#!/usr/bin/env bash
# The steps of tools/web.sh, run inside its Debian 13 root (see there). Every step writes a log
# under build-web/logs; the first that fails stops the script with one sentence naming it.
set -uo pipefail
cd "$(dirname "$0")/../.."
source_dir="$PWD"
out="$source_dir/build-web"
logs="$out/logs"
# The program's version, as the top CMakeLists.txt writes it (the zips are named after it).
version="$(sed -n 's/^project(brivan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
rm -rf "$logs" && mkdir -p "$logs"

step_script=tools/web.sh
# shellcheck source=../steps.sh
source "$source_dir/tools/steps.sh"

# Emscripten and binaryen; Debian's host Qt tools (moc, rcc); the fonts compiled in and the tool
# that keeps of them what the screens need; what the
# icons are rendered with; zip; the browsers of the test, a web server and a WebSocket client.
packages=(emscripten binaryen nodejs cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils
  fonts-liberation python3-fonttools librsvg2-bin zip unzip python3 python3-websocket chromium chromium-driver firefox-esr)
install_tools() {
  apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${packages[@]}"
}

build_qt() {
  nice -n 10 bash tools/web/build-qt.sh | tee "$out/qt.txt"
}

build_program() {
  local prefix emsdk
  prefix=$(sed -n 's/^prefix=//p' "$out/qt.txt")
  emsdk=$(sed -n 's/^emsdk=//p' "$out/qt.txt")
  # Debian makes Qt leave plugins out of a program's link by default; the browser build is
  # static and needs its platform, GIF and JPEG plugins linked in.
  EMSDK="$emsdk" "$prefix/bin/qt-cmake" -S "$source_dir" -B "$out/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBRIVAN_TESTS=OFF -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF &&
    EMSDK="$emsdk" nice -n 10 cmake --build "$out/build" --parallel 2
}

package() {
  bash tools/web/package.sh "$out/build" "$(sed -n 's/^version=//p' "$out/qt.txt")" "$out" "$version"
}

site="$out/brivan-$version-web"
step "installing Emscripten, the browsers and the tools (apt-get)" apt install_tools
compgen -G "${BRIVAN_CACHE:-$HOME/.cache/brivan}/qt-*-wasm/.brivan-complete" >/dev/null ||
  echo "   Qt for WebAssembly is not built yet: the first build takes most of an hour on two cores"
step "building Qt for WebAssembly" qt build_qt
step "building the program for the browser" program build_program
step "assembling the web folder and the relinking kit" package package
step "checking the web folder" folder python3 tools/web/check_web_folder.py "$site" "$version"
step "walking the program in headless Chromium" chromium python3 tools/web/walk.py "$site" "$out/walk"
step "starting the program once in headless Firefox" firefox python3 tools/web/firefox_smoke.py "$site"

sed -n 's/^ok: /   ok: /p' "$logs/folder.log" "$logs/chromium.log" "$logs/firefox.log"
echo "Web folder: $out/brivan-$version-web.zip ($(du -h "$out/brivan-$version-web.zip" | cut -f1))"
echo "Relinking:  $out/brivan-$version-web-relink.zip"
echo "Screenshots of the walk: $out/walk"
