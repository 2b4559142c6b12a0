#!/usr/bin/env bash
# Installs the Debian packages (Debian 12 or 13) that building, running or testing the program needs.
# Usage: tools/install-deps.sh run|test|bench|windows  (as root, or with sudo available)
set -euo pipefail

# dpkg-dev: dpkg-buildflags, Debian's hardening flags for the release build
run_packages=(cmake ninja-build g++ dpkg-dev qt6-base-dev libgl1-mesa-dev libfontconfig-dev fonts-liberation)
test_packages=("${run_packages[@]}" libgtest-dev xvfb xauth
  # the screen-reader test: the desktop's accessibility bus, read from Debian's python3
  at-spi2-core python3-pyatspi dbus
  # the spoken test: the real screen reader and speech service, driven by real X key events
  orca speech-dispatcher xdotool libglib2.0-bin
  # Orca reading the page in Firefox ESR, on this release too, driven over WebDriver BiDi
  firefox-esr python3-websocket
  # the install and package tests: validators of the desktop entry and metadata, CPack's Debian
  # package and what Debian's checker says of it
  desktop-file-utils appstream file lintian
  # the version-record test: the MinGW resource compiler and the Windows headers it reads
  binutils-mingw-w64-x86-64 mingw-w64-common)
bench_packages=("${run_packages[@]}" xvfb python3-xlib)
# tools/windows.sh (in a Debian 13 root): the MinGW-w64 cross compiler, Debian's host Qt tools
# (moc, rcc, uic) and what fetching and patching Qt's source needs; GoogleTest's sources for the
# Windows tests; NSIS; Wine on a virtual X display with a window manager, driven with real key
# events, measured (xprop), photographed and read (tesseract); wrestool for the version records.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  qt6-base-dev qt6-base-dev-tools dpkg-dev patch xz-utils debian-archive-keyring googletest nsis python3 python3-fonttools
  wine wine64 xvfb xauth x11-utils openbox xdotool imagemagick tesseract-ocr fonts-liberation fonts-wine icoutils)

case "${1:-run}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${test_packages[@]}") ;;
  bench) packages=("${bench_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  *) echo "usage: $0 run|test|bench|windows" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
