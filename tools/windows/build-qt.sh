#!/usr/bin/env bash
# Builds Qt 6.4.2's qtbase for 64-bit Windows from Debian's own source package, once, into
# $BRIVAN_QT_WIN (default ~/.cache/brivan/qt-6.4.2-mingw64). Only what the program needs is built.
# A finished build leaves a stamp file; without the stamp the folder is treated as absent. An
# interrupted build carries on where it stopped when its configure line is unchanged.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"
prefix="${BRIVAN_QT_WIN:-$cache/qt-6.4.2-mingw64}"
stamp="$prefix/.brivan-complete"
[ -f "$stamp" ] && { echo "Qt for Windows: reusing $prefix"; exit 0; }

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# Debian's source package, fetched through a deb-src entry of our own beside the machine's sources.
src_list=/etc/apt/sources.list.d/brivan-deb-src.sources
if [ ! -f "$src_list" ]; then
  uris="$(grep -h '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 | cut -d' ' -f2-)"
  [ -n "$uris" ] || uris="$(awk '$1=="deb" && $0 ~ /debian/ {for(i=2;i<=NF;i++) if($i ~ /^http/){print $i; exit}}' /etc/apt/sources.list 2>/dev/null)"
  [ -n "$uris" ] || uris=http://deb.debian.org/debian
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uris" | "${as_root[@]}" tee "$src_list.new" >/dev/null
  "${as_root[@]}" mv "$src_list.new" "$src_list"
  "${as_root[@]}" apt-get update -qq
fi

work="$cache/qt-src"
mkdir -p "$work"
if [ ! -d "$work/qtbase-src" ]; then
  rm -rf "$work/fetch" && mkdir -p "$work/fetch"
  (cd "$work/fetch" && apt-get source --download-only qt6-base >/dev/null \
     && dpkg-source -x --skip-patches qt6-base_6.4.2*.dsc qtbase >/dev/null)
  mv "$work/fetch/qtbase" "$work/qtbase-src"
  rm -rf "$work/fetch"
fi

# The configure line, word for word as the README gives it.
configure=(cmake -S "$work/qtbase-src" -B "$work/build" -G Ninja
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64-toolchain.cmake"
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF)

# A build folder configured with this very line is carried on; any other is started afresh.
configured="$work/build/.brivan-configure-line"
if [ "$(cat "$configured" 2>/dev/null)" != "${configure[*]}" ]; then
  rm -rf "$work/build"
  "${configure[@]}"
  echo "${configure[*]}" >"$configured"
fi
cmake --build "$work/build" --parallel "$(nproc)"
rm -rf "$prefix"  # whatever an interrupted install left
cmake --install "$work/build"
touch "$stamp"
echo "Qt for Windows: built into $prefix"
