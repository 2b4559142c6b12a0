#!/usr/bin/env bash
# Builds the program for 64-bit Windows on this Debian 12 machine and proves it under Wine:
# installs the tools, builds Qt for Windows once (cached outside the checkout), cross-builds
# brivan.exe, makes the installer and the ZIP with CPack, checks the program folder and the version
# record of the brivan.exe it ships, then installs, walks and uninstalls the program under Wine.
# Every step writes a log of its own under build-windows/logs; the first step that fails stops the
# script with one sentence naming it and its log.
set -uo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
out="$source_dir/build-windows"
logs="$out/logs"
qt="${BRIVAN_QT_WIN:-${BRIVAN_CACHE:-$HOME/.cache/brivan}/qt-6.4.2-mingw64}"
# The program's version, as the top CMakeLists.txt writes it (the packages are named after it).
version="$(sed -n 's/^project(brivan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
folder="brivan-$version-win64"
export BRIVAN_QT_WIN="$qt"
qt_source="${BRIVAN_CACHE:-$HOME/.cache/brivan}/qt-src/qtbase-src"
rm -rf "$logs" && mkdir -p "$logs"

step() {  # step "WHAT IS DONE" LOG_NAME COMMAND...
  local what=$1 log="$logs/$2.log"
  shift 2
  local started=$SECONDS
  echo "== $what"
  if ! "$@" >"$log" 2>&1; then
    echo "tools/windows.sh stopped: $what failed; its log is $log" >&2
    exit 1
  fi
  echo "   done in $((SECONDS - started)) s"
}

build_program() {
  # The notices of the libraries bundled in Qt go with Qt's own licence texts.
  python3 tools/windows/third_party_notices.py "$qt_source" "$out/qt-third-party.txt" &&
  cmake -S "$source_dir" -B "$out/build" -G Ninja -DBRIVAN_QT_THIRD_PARTY_NOTICES="$out/qt-third-party.txt" \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/tools/windows/mingw64-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBRIVAN_TESTS=OFF &&
    cmake --build "$out/build" --parallel "$(nproc)"
}

package() {
  rm -rf "$out/packages" &&
    cpack --config "$out/build/CPackConfig.cmake" -B "$out/packages" &&
    rm -rf "$out/packages/_CPack_Packages"
}

check_zip() {  # the ZIP's one top folder is the program folder
  local unpacked="$out/zip-contents"
  rm -rf "$unpacked" && mkdir -p "$unpacked" &&
    python3 -m zipfile -e "$zip" "$unpacked" &&
    [ "$(ls "$unpacked")" = "$folder" ] &&
    python3 tools/windows/check_program_folder.py "$unpacked/$folder"
}

installer="$out/packages/$folder.exe"
zip="$out/packages/$folder.zip"

step "installing the build tools, NSIS and Wine (apt-get)" apt tools/install-deps.sh windows
[ -f "$qt/.brivan-complete" ] || echo "   Qt for Windows is not built yet: the first build takes most of an hour on two cores"
step "building Qt for Windows" qt tools/windows/build-qt.sh
step "cross-building brivan.exe" program build_program
step "making the installer and the ZIP (CPack)" package package
step "checking the ZIP's program folder" zip check_zip
step "reading the version record back from the shipped brivan.exe" version-record \
  python3 tests/app/version_record_test.py --exe "$out/zip-contents/$folder/brivan.exe" "$version"
step "installing, walking and uninstalling the program under Wine" wine \
  tools/windows/wine-walk.sh "$installer" "$out/wine" "$out/zip-contents/$folder" "$version"

sed -n 's/^ok: /   ok: /p' "$logs/wine.log"
echo "Installer: $installer ($(du -h "$installer" | cut -f1))"
echo "ZIP:       $zip ($(du -h "$zip" | cut -f1))"
echo "Screenshots of the walk under Wine: $out/wine/screenshots"
