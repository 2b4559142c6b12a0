#!/usr/bin/env bash
# The steps of tools/web.sh, run inside a Debian 13 root (see there). Every step writes a log
# under build-web/logs; the first that fails stops the script with one sentence naming it.
set -uo pipefail
cd "$(dirname "$0")/../.."
source_dir="$PWD"
out="$source_dir/build-web"
logs="$out/logs"
# The program's version, as the top CMakeLists.txt writes it (the zip is named after it).
version="$(sed -n 's/^project(brivan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
rm -rf "$logs" && mkdir -p "$logs"

step_script=tools/web.sh
# shellcheck source=../steps.sh
source "$source_dir/tools/steps.sh"

# Emscripten and binaryen; the fonts served with the page and the tool that cuts them (woff2 needs
# brotli); what the icons are rendered with; zip; the browsers of the tests (WebKitGTK's through
# its WebDriver) and what lets Orca read Firefox; npm, which installs the accessibility check's
# axe-core; the Qt build of the program that the differential test compares the page with, and
# CTest, which runs the browser tests.
packages=(emscripten binaryen nodejs cmake ninja-build g++ dpkg-dev fonts-liberation python3-fonttools python3-brotli
  librsvg2-bin zip unzip python3 python3-websocket chromium firefox-esr webkit2gtk-driver qt6-base-dev libgl1-mesa-dev
  libfontconfig-dev libgtest-dev orca speech-dispatcher at-spi2-core dbus dbus-x11 xvfb xauth xdotool python3-gi
  python3-pyatspi libglib2.0-bin npm)
install_tools() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
  fi
  # axe-core, which Debian lacks, from the npm registry at the version its lockfile pins.
  [ -f tests/web/axe/node_modules/axe-core/axe.min.js ] || npm ci --prefix tests/web/axe --no-audit --no-fund
}

build_program() {
  emcmake cmake -S "$source_dir" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DBRIVAN_TESTS=OFF &&
    nice -n 10 cmake --build "$out/build" --parallel 2
}

# The desktop program's differential driver, on Qt's offscreen platform, and the CTest tree that
# holds the browser tests: the test command's build where it has run (as in CI), else one of its own.
qt_build="$out/qt"
[ -n "${CI:-}" ] && [ -f "$source_dir/build-test/CMakeCache.txt" ] && qt_build="$source_dir/build-test"
build_qt_driver() {
  cmake -S "$source_dir" -B "$qt_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVAN_WERROR=ON \
    -DBRIVAN_WEB_FOLDER="$site" && nice -n 10 cmake --build "$qt_build" --parallel 2 --target diff_driver_qt
}

site="$out/brivan-$version-web"
step "installing Emscripten, the browsers and the tools (apt-get)" apt install_tools
step "building the program for the browser" program build_program
step "assembling and checking the web folder" package bash tools/web/package.sh "$out/build" "$out" "$version"
step "proving the folder check with faults put in on purpose" folder-check python3 tools/web/check_web_folder_test.py "$site" "$version"
step "building the desktop program's differential driver" qt build_qt_driver
# The browser tests, one at a time (they share two cores with their browsers). Their count goes to
# CI's summary whether they pass or not.
(step "running the browser tests (ctest -L web): Chromium, Firefox, WebKitGTK" web \
  ctest --test-dir "$qt_build" -L web --output-on-failure)
status=$?
grep -E '^[0-9]+% tests passed' "$logs/web.log" || echo "no browser test ran"
[ "$status" -eq 0 ] || exit "$status"
grep -E '^ *[0-9]+/[0-9]+ Test +#' "$logs/web.log" | sed 's/^ */   /'
echo "Web folder: $out/brivan-$version-web.zip ($(du -h "$out/brivan-$version-web.zip" | cut -f1))"
echo "Screenshots of the walk: $out/walk"
