#!/usr/bin/env bash
# Assembles the browser build into two zips in OUT:
#   brivan-VERSION-web.zip         the folder a web server serves: the page, the program (.js,
#                                  .wasm), Qt's loader, the web app manifest, the icons, the
#                                  service worker and the licences
#   brivan-VERSION-web-relink.zip  the program's object files and its link line, with which the
#                                  program can be linked again with a changed Qt
#
#   tools/web/package.sh BUILD_DIR QT_SOURCE_VERSION OUT VERSION
set -euo pipefail
build=$(realpath "$1") qt_version=$2 out=$(realpath "$3") version=$4
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
qt_source="${BRIVAN_CACHE:-$HOME/.cache/brivan}/qt-src/$qt_version/source-web"
name="brivan-$version-web"
site="$out/$name"
rm -rf "$site" && mkdir -p "$site/icons" "$site/licences"

fill() {  # fill TEMPLATE OUTPUT: the version, and the service worker's list of files
  sed -e "s|@VERSION@|$version|g" -e "s|@FILES@|$files|g" "$1" >"$2"
}

cp "$build/src/brivan.js" "$build/src/brivan.wasm" "$build/src/qtloader.js" "$site/"

# The icons: a tablet's home screen and the browser's, from the program's own icon drawing;
# iOS fills transparency with black, so its icon is drawn on white.
art="$source_dir/src/ui/resources/art/icon.svg"
rsvg-convert -w 192 -h 192 "$art" -o "$site/icons/icon-192.png"
rsvg-convert -w 512 -h 512 "$art" -o "$site/icons/icon-512.png"
rsvg-convert -w 180 -h 180 -b white "$art" -o "$site/icons/apple-touch-icon.png"

# The licences. Qt's wasm platform plugin and its loader are GPL-3.0 only (Debian's copyright
# lists them so); the rest of Qt is LGPL-3.0.
cp "$source_dir/packaging/windows/licenses/LGPL-3.0.txt" "$source_dir/packaging/windows/licenses/GPL-3.0.txt" \
  "$site/licences/"
python3 "$here/third_party_notices.py" "$qt_source" "$site/licences/QT-THIRD-PARTY.txt"
cp /usr/share/doc/fonts-liberation/copyright "$site/licences/LIBERATION-FONTS-OFL.txt"
cp /usr/share/doc/emscripten/copyright "$site/licences/EMSCRIPTEN.txt"
qt_semver=$(sed -n 's/^set(QT_REPO_MODULE_VERSION "\([0-9.]*\)").*/\1/p' "$qt_source/.cmake.conf")
sed -e "s|@VERSION@|$version|g" -e "s|@QT_VERSION@|$qt_semver|g" -e "s|@QT_SOURCE_VERSION@|$qt_version|g" \
  "$source_dir/web/notice.txt.in" >"$site/licences/NOTICE.txt"

# Every file but the worker itself, and the folder's own address, which opens the page.
files=$(cd "$site" && find . -type f ! -name sw.js.in | sed 's|^\./||' | sort | sed 's/.*/"&"/' | paste -sd,)
files="\"./\",\"index.html\",\"manifest.webmanifest\",$files"
fill "$source_dir/web/index.html.in" "$site/index.html"
fill "$source_dir/web/manifest.webmanifest.in" "$site/manifest.webmanifest"
fill "$source_dir/web/sw.js.in" "$site/sw.js"

rm -f "$out/$name.zip" && (cd "$out" && zip -q -r -X "$name.zip" "$name")

# The relinking kit: the objects and archives of the program, its link line, and how to use them.
kit="$out/$name-relink"
rm -rf "$kit" && mkdir -p "$kit/objects"
(cd "$build" && find . \( -name '*.o' -o -name '*.a' \) -path './src/*' -print0 | xargs -0 cp --parents -t "$kit/objects")
(cd "$build" && ninja -t commands src/brivan.js | tail -n 1) >"$kit/link-line.txt"
sed -e "s|@VERSION@|$version|g" -e "s|@QT_VERSION@|$qt_semver|g" -e "s|@BUILD@|$build|g" \
  "$source_dir/web/relink.txt.in" >"$kit/README.txt"
rm -f "$out/$name-relink.zip" && (cd "$out" && zip -q -r -X "$name-relink.zip" "$name-relink")
echo "$out/$name.zip"
