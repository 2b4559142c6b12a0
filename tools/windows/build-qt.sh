#!/usr/bin/env bash
# Builds Qt's qtbase for 64-bit Windows from Debian 13's qt6-base source package, with Debian's
# patches, once per Debian source version, into $BRIVAN_CACHE/qt-VERSION-mingw64. Runs inside the
# Debian 13 root that tools/windows.sh enters. Only what the program and its Windows tests need is
# built. A finished build leaves a stamp file; without the stamp the folder is treated as absent.
# An interrupted build carries on where it stopped when its configure line is unchanged.
# Prints "prefix=DIR" and "version=DEBIAN_SOURCE_VERSION" as its last two lines.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"

# Every Debian patch applies to the Windows build: those for Linux, the Hurd, hppa or ARMv4 change
# nothing that MinGW compiles, and the build-system ones (plugin auto-inclusion off by default, no
# build path in the installed CMake files) are what the program's CMake already expects. A patch
# that must not apply would be named here as PATCH=REASON.
reverts=()
fetched=$("$here/../qt-source.sh" windows "${reverts[@]}")
version=$(sed -n 's/^version=//p' <<<"$fetched")
source=$(sed -n 's/^source=//p' <<<"$fetched")
prefix="$cache/qt-$version-mingw64"
stamp="$prefix/.brivan-complete"
if [ -f "$stamp" ]; then
  echo "Qt for Windows: reusing $prefix"
else
  build="$cache/qt-build/$version-mingw64"
  # Core, Gui and Widgets with the windows and offscreen platform plugins, the Windows styles, the
  # GIF and JPEG readers and the test library (for the Windows screen tests, which never reach
  # the installer); no OpenGL, SQL, network, D-Bus, printing or examples. Tablet events are off
  # because Debian's source leaves out wintab.h. INPUT_opengl=no (what "configure -no-opengl"
  # sets) is needed besides FEATURE_opengl=OFF, or the windows plugin keeps its OpenGL loader.
  configure=(cmake -S "$source" -B "$build" -G Ninja
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw64-toolchain.cmake"
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
    -DFEATURE_testlib=ON -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF)
  configured="$build/.brivan-configure-line"
  if [ "$(cat "$configured" 2>/dev/null)" != "${configure[*]}" ]; then
    rm -rf "$build"
    "${configure[@]}"
    echo "${configure[*]}" >"$configured"
  fi
  cmake --build "$build" --parallel "$(nproc)"
  rm -rf "$prefix"  # whatever an interrupted install left
  cmake --install "$build"
  touch "$stamp"
  echo "Qt for Windows: built into $prefix"
fi
echo "prefix=$prefix"
echo "version=$version"
