#!/usr/bin/env bash
# Builds the program for 64-bit Windows and proves it under Wine, in a Debian 13 root of its own
# (tools/debian13.sh; on a Debian 13 machine, on the machine itself): installs the tools, builds
# Qt for Windows from Debian 13's patched source once per Debian source version (cached outside
# the root and the checkout), cross-builds brivan.exe and the screen tests, runs those tests under
# Wine, makes the installer and the ZIP with CPack, checks the program folder, the version record
# of the brivan.exe it ships and the Qt version of the Qt6Core.dll it ships, then installs, walks
# (at five display scales) and uninstalls the program under Wine, listening to what reaches
# UI Automation. Every step writes a log of its own under build-windows/logs; the first step that
# fails stops the script with one sentence naming it and its log.
set -uo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"
if [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != trixie ]; then
  bash tools/debian13.sh make windows || exit 1
  mkdir -p "$cache"
  exec bash tools/debian13.sh run windows --bind "$source_dir" --bind "$cache" -- \
    env BRIVAN_CACHE="$cache" bash "$source_dir/tools/windows.sh" "$@"
fi
out="$source_dir/build-windows"
logs="$out/logs"
# The program's version, as the top CMakeLists.txt writes it (the packages are named after it).
version="$(sed -n 's/^project(brivan VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
folder="brivan-$version-win64"
export BRIVAN_CACHE="$cache"
rm -rf "$logs" && mkdir -p "$logs"

step_script=tools/windows.sh
# shellcheck source=steps.sh
source "$source_dir/tools/steps.sh"

keep_qt_source() {  # the exact source package beside the installer, for anyone who asks for it
  local package="$cache/qt-src/$qt_version/package"
  rm -rf "$out/qt-source" && mkdir -p "$out/qt-source" &&
    cp "$package"/*.dsc "$package"/*.tar.* "$out/qt-source/" &&
    (cd "$out/qt-source" && ls -l)
}

gtest_built() {  # GoogleTest for Windows, from the sources Debian's googletest package ships
  [ -f "$gtest/.brivan-complete" ] && { echo "reusing $gtest"; return 0; }
  rm -rf "$out/googletest" "$gtest" &&
    cmake -S /usr/src/googletest -B "$out/googletest" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$source_dir/tools/windows/mingw64-toolchain.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF &&
    cmake --build "$out/googletest" && cmake --install "$out/googletest" && touch "$gtest/.brivan-complete"
}

build_program() {
  # The notices of the libraries bundled in Qt go with Qt's own licence texts; the Debian patches
  # applied to Qt are named in the notice. Debian's Qt leaves its plugins' CMake targets out of a
  # program's configuration unless asked: the program folder is made of them.
  python3 tools/windows/third_party_notices.py "$qt_source" "$out/qt-third-party.txt" &&
  grep -v '^\s*#' "$qt_source/debian/patches/series" | grep -v '^\s*$' >"$out/qt-patches.txt" &&
  cmake -S "$source_dir" -B "$out/build" -G Ninja -DBRIVAN_QT_THIRD_PARTY_NOTICES="$out/qt-third-party.txt" \
    -DBRIVAN_QT_SOURCE_VERSION="$qt_version" -DBRIVAN_QT_PATCHES="$out/qt-patches.txt" \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/tools/windows/mingw64-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt;$gtest" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$source_dir/tools/windows/wine-run.sh" \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
    -DCMAKE_BUILD_TYPE=Release -DBRIVAN_TESTS=ON &&
    cmake --build "$out/build" --parallel "$(nproc)"
}

windows_tests() {  # the screen tests that need no X server, cross-built, run under Wine
  # Qt draws offscreen, but Wine makes its windows (Qt's message window among them) through an X
  # display: a virtual one, there from the moment the prefix is made, with the Wine server kept
  # running between the tests. The random walk is shortened: under Wine each action costs several
  # times what it does on Linux, where the full walk runs in the test command.
  BRIVAN_WINE_PREFIX="$out/wine-tests" BRIVAN_RANDOM_ACTIONS=10000 xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    tools/windows/wine-run.sh cmd.exe /c ver || exit 1
    WINEPREFIX="$BRIVAN_WINE_PREFIX" wineserver -p60 2>/dev/null
    ctest --test-dir "$1" --output-on-failure --timeout 900
    status=$?
    WINEPREFIX="$BRIVAN_WINE_PREFIX" wineserver -k 2>/dev/null
    exit $status' bash "$out/build"
}

uia_client() {  # a UI Automation client of our own, attached during the walk as a screen reader is
  x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -municode -static -o "$out/uia-listen.exe" \
    tools/windows/uia-listen.cpp -lole32 -loleaut32 -luuid
}

qt_version_of_shipped_dll() {  # Qt6Core.dll's own version record, as Windows shows it
  wrestool --raw -x -t16 "$out/zip-contents/$folder/Qt6Core.dll" | strings -el | grep -A1 -x FileVersion | tail -n 1
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
step "building Qt for Windows from Debian's patched source" qt tools/windows/build-qt.sh
qt=$(sed -n 's/^prefix=//p' "$logs/qt.log")
qt_version=$(sed -n 's/^version=//p' "$logs/qt.log")
qt_source="$cache/qt-src/$qt_version/source-windows"
sed -n '/^Debian patches applied/,/^Reverted/p' "$logs/qt.log" | sed 's/^/   /'
step "keeping Debian's qt6-base $qt_version source package beside the installer" qt-source keep_qt_source
gtest="$cache/googletest-$(dpkg-query -W -f='${Version}' googletest)-mingw64"
step "cross-building GoogleTest" gtest gtest_built
step "cross-building brivan.exe and its screen tests" program build_program
# A failing Windows test is reported in the summary and fails the script at its end, after the
# installer, the ZIP and the walk, which tell more than a stop here would.
echo "== running the screen tests under Wine"
started=$SECONDS
if windows_tests >"$logs/tests.log" 2>&1; then tests_failed=0; else tests_failed=1; fi
echo "   done in $((SECONDS - started)) s: $(grep -E 'tests passed' "$logs/tests.log" || echo 'no count')"
step "making the installer and the ZIP (CPack)" package package
step "checking the ZIP's program folder" zip check_zip
step "reading the version record back from the shipped brivan.exe" version-record \
  python3 tests/app/version_record_test.py --exe "$out/zip-contents/$folder/brivan.exe" "$version"
step "reading Qt's version from the shipped Qt6Core.dll" qt-dll qt_version_of_shipped_dll
step "cross-building the UI Automation client" uia-client uia_client
step "installing, walking (at 100 to 200 %) and uninstalling the program under Wine" wine \
  tools/windows/wine-walk.sh "$installer" "$out/wine" "$out/zip-contents/$folder" "$version" "$out/uia-listen.exe"

echo "Qt in the shipped Qt6Core.dll: $(cat "$logs/qt-dll.log"), from Debian's qt6-base $qt_version"
echo "Windows screen tests: $(grep -E 'tests passed' "$logs/tests.log" || echo 'no count'; sed -n 's/^\t *[0-9]* - \(.*\) (Failed)$/   failed: \1/p' "$logs/tests.log")"
sed -n 's/^ok: /   ok: /p; s/^UI Automation: /   UI Automation: /p' "$logs/wine.log"
echo "Installer: $installer ($(du -h "$installer" | cut -f1))"
echo "ZIP:       $zip ($(du -h "$zip" | cut -f1))"
echo "Qt's source package: $out/qt-source"
echo "Screenshots of the walks under Wine: $out/wine/screenshots"
if [ "$tests_failed" -ne 0 ]; then
  echo "tools/windows.sh: the Windows screen tests failed under Wine (above); their log is $logs/tests.log" >&2
  exit 1
fi
