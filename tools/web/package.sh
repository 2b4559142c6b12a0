#!/usr/bin/env bash
# Assembles the browser build into OUT/brivan-VERSION-web/ and OUT/brivan-VERSION-web.zip: the
# folder a web server serves. The page (index.html, page.js, page.css, screens.css), the program
# (brivan.js, brivan.wasm from BUILD_DIR, an emcmake build), its pictures, the fonts, the icons,
# the web app manifest, the service worker and licences/. Then checks the folder
# (tools/web/check_web_folder.py), which fails on anything under the GPL.
#
#   tools/web/package.sh BUILD_DIR OUT VERSION     (inside the Debian 13 root "web")
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 BUILD_DIR OUT VERSION" >&2; exit 2; }
build=$(realpath "$1") out=$(realpath -m "$2") version=$3
here="$(cd "$(dirname "$0")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
web="$source_dir/web" resources="$source_dir/src/ui/resources"
name="brivan-$version-web"
site="$out/$name"
rm -rf "$site" && mkdir -p "$site/icons" "$site/fonts" "$site/licences"

cp "$build/src/brivan.js" "$build/src/brivan.wasm" "$web/page.js" "$web/page.css" "$site/"
if [ -f "$web/screens.css" ]; then
  cp "$web/screens.css" "$site/"
else
  echo "package.sh: web/screens.css is not there yet; an empty one stands in" >&2
  echo "/* The look of the program's windows: not written yet. */" >"$site/screens.css"
fi

# The pictures the screens show, at 1x and 2x (the program names both in each srcset), from their
# one list; the page preloads the terms screen's, the first screen of every start.
preloads=""
while read -r once twice use; do
  cp "$resources/$once" "$resources/$twice" "$site/"
  [ "$use" = terms ] && preloads+="  <link rel=\"preload\" as=\"image\" href=\"$once\" imagesrcset=\"$once 1x, $twice 2x\">"$'\n'
done < <(grep -v '^#' "$resources/pictures.txt" | grep -v '^[[:space:]]*$')

python3 "$here/fonts.py" "$site/fonts"

# The icons: a tablet's home screen and the browser's, from the program's own icon drawing;
# iOS fills transparency with black, so its icon is drawn on white.
art="$resources/art/icon.svg"
rsvg-convert -w 192 -h 192 "$art" -o "$site/icons/icon-192.png"
rsvg-convert -w 512 -h 512 "$art" -o "$site/icons/icon-512.png"
rsvg-convert -w 180 -h 180 -b white "$art" -o "$site/icons/apple-touch-icon.png"

python3 "$here/licences.py" "$web/notice.txt.in" "$version" "$site/licences"

PRELOADS="${preloads%$'\n'}" awk '{ sub(/@PRELOADS@/, ENVIRON["PRELOADS"]) } 1' "$web/index.html.in" |
  sed -e "s|@VERSION@|$version|g" >"$site/index.html"
sed -e "s|@VERSION@|$version|g" "$web/manifest.webmanifest.in" >"$site/manifest.webmanifest"

# The service worker keeps every other file, each with its SHA-256; the page (under its two
# addresses) is recognised by its version instead.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | while read -r file; do
  printf '  "%s": "%s",\n' "$file" "$(sha256sum "$file" | cut -d' ' -f1)"
done | sed 's/^  "index.html": "[0-9a-f]*"/  "index.html": null/')
files=$(printf '{\n  "./": null,\n%s\n}' "${files%,}")
FILES="$files" awk '{ sub(/@FILES@/, ENVIRON["FILES"]) } 1' "$web/sw.js.in" |
  sed "s|@VERSION@|$version|g" >"$site/sw.js"

python3 "$here/check_web_folder.py" "$site" "$version"

rm -f "$out/$name.zip" && (cd "$out" && zip -q -r -X "$name.zip" "$name")
echo "$out/$name.zip"
