#!/usr/bin/env bash
# Runs a cross-built Windows test program under Wine (CMake's CROSSCOMPILING_EMULATOR): in a Wine
# prefix of its own ($BRIVAN_WINE_PREFIX, made on first use), finding Qt's DLLs and plugins and
# the MinGW runtime where the build left them, with the test's own environment (Wine hands the
# Unix environment to the Windows program: QT_QPA_PLATFORM=offscreen and the rest).
# Usage: wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${BRIVAN_CACHE:-$HOME/.cache/brivan}"
export WINEPREFIX="${BRIVAN_WINE_PREFIX:-$here/../../build-windows/wine-tests}" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
qt=$(ls -d "$cache"/qt-*-mingw64 | sort -V | tail -n 1)
windows_path() { echo "Z:${1//\//\\}"; }
runtime_dirs=("$qt/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
  "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
WINEPATH=""
for dir in "${runtime_dirs[@]}"; do WINEPATH+="$(windows_path "$(realpath "$dir")");"; done
export WINEPATH QT_PLUGIN_PATH="$(windows_path "$qt/plugins")"
if [ ! -f "$WINEPREFIX/.brivan-ready" ]; then
  rm -rf "$WINEPREFIX"  # whatever an interrupted start left
  mkdir -p "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1 && wineserver -w
  # Arial and Times New Roman as a Windows machine has them: their metric twins under their names.
  # Windows finds its fonts through the registry's font list: each copy is entered there.
  python3 "$here/windows_font_names.py" "$WINEPREFIX/drive_c/windows/Fonts" | while IFS== read -r name file; do
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' /v "$name" /d "$file" /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.brivan-ready"
fi
exec wine "$@"
