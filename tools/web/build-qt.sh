#!/usr/bin/env bash
# Builds Qt's qtbase for WebAssembly from Debian 13's qt6-base source package, with Debian's
# patches, once per Debian source version, into $BRIVAN_CACHE/qt-VERSION-wasm: static and
# single-threaded, with Debian's Emscripten. Runs inside the Debian 13 root that tools/web.sh
# enters. A finished build leaves a stamp file; without the stamp the folder is treated as absent.
# Prints "prefix=DIR", "version=DEBIAN_SOURCE_VERSION" and "emsdk=DIR" as its last three lines.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"

# Qt finds Emscripten through EMSDK, in the layout of Emscripten's own SDK; Debian's lives in
# /usr/share/emscripten, so a folder that looks like the SDK points there.
emsdk="$cache/emsdk-debian"
mkdir -p "$emsdk/upstream"
ln -sfn /usr/share/emscripten "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"
export EMSDK="$emsdk"

# Every Debian patch applies to the browser build too (see tools/windows/build-qt.sh). Debian's
# default of leaving plugins out of a program's link is met where the program is configured.
fetched=$("$here/../qt-source.sh" web)
version=$(sed -n 's/^version=//p' <<<"$fetched")
source=$(sed -n 's/^source=//p' <<<"$fetched")
prefix="$cache/qt-$version-wasm"
if [ -f "$prefix/.brivan-complete" ]; then
  echo "Qt for WebAssembly: reusing $prefix"
else
  build="$cache/qt-build/$version-wasm"
  # Core, Gui and Widgets for a static, single-threaded page, optimised for size; Qt's wasm
  # platform plugin needs its OpenGL feature (WebGL). Left out: what the program never uses.
  configure=("$source/configure" -qt-host-path /usr -platform wasm-emscripten -prefix "$prefix"
    -static -release -optimize-size -no-feature-thread -opengl es2
    -nomake examples -nomake tests
    -no-feature-sql -no-feature-network -no-feature-dbus -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-testlib -no-feature-pdf
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
  configured="$build/.brivan-configure-line"
  if [ "$(cat "$configured" 2>/dev/null)" != "${configure[*]}" ]; then
    rm -rf "$build" && mkdir -p "$build"
    (cd "$build" && "${configure[@]}")
    echo "${configure[*]}" >"$configured"
  fi
  cmake --build "$build" --parallel "$(nproc)"
  rm -rf "$prefix"
  cmake --install "$build"
  touch "$prefix/.brivan-complete"
  echo "Qt for WebAssembly: built into $prefix"
fi
echo "prefix=$prefix"
echo "version=$version"
echo "emsdk=$emsdk"
