#!/usr/bin/env bash
# The program as "cmake --install" lays it out: installs the build into a temporary prefix and
# checks that a Linux desktop finds the program, its desktop entry, its icons and its AppStream
# metadata there, and that the desktop entry and the metadata pass their validators.
# Usage: install_test.sh BUILD_DIR   (needs desktop-file-utils and appstream)
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

# shellcheck source=checks.sh
source "$(dirname "$0")/checks.sh"

# The width and height of a PNG file, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"
  rm -f "$prefix.log"
  echo "0 passed, 1 failed"
  exit 1
fi
rm -f "$prefix.log"

share=$prefix/share
desktop=$share/applications/brivan.desktop
metainfo=$share/metainfo/example.skywardstudy.brivan.metainfo.xml

check "the program is installed as bin/brivan" test -x "$prefix/bin/brivan"
check "the desktop entry is installed" test -f "$desktop"
check "the AppStream metadata is installed" test -f "$metainfo"
for size in 16 32 48; do
  icon=$share/icons/hicolor/${size}x${size}/apps/brivan.png
  check "the ${size}x${size} icon is installed" test -f "$icon"
  check "the ${size}x${size} icon is ${size} pixels square" test "$(png_size "$icon")" = "${size}x${size}"
done
check "the scalable icon is installed" grep -q '<svg' "$share/icons/hicolor/scalable/apps/brivan.svg"

check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$desktop"
check "the desktop entry starts the installed program" grep -qx 'Exec=brivan' "$desktop"
check "the desktop entry names the installed icon" grep -qx 'Icon=brivan' "$desktop"
check "the desktop entry's name is the terms screen's title" grep -qx 'Name=Brivan Review Program' "$desktop"
check "appstreamcli validate accepts the metadata" appstreamcli validate --no-net --pedantic "$metainfo"
check "the metadata launches brivan.desktop" grep -q '<launchable type="desktop-id">brivan.desktop</launchable>' "$metainfo"
# A software centre searches the metadata's keywords, a desktop menu the entry's: the same words.
desktop_keywords=$(sed -n 's/^Keywords=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)
metainfo_keywords=$(sed -n 's:.*<keyword>\(.*\)</keyword>.*:\1:p' "$metainfo" | sort)
check "the metadata's keywords are the desktop entry's" test -n "$desktop_keywords" -a "$desktop_keywords" = "$metainfo_keywords"
# The whole tree as a software centre reads it: metadata, desktop entry and icon together.
check "appstreamcli validate-tree accepts the install tree" appstreamcli validate-tree --no-net "$prefix"

finish
