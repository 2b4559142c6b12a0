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
# Wine keeps every Unix variable whose name starts with QT_ from Windows programs (they would be
# another Qt's): the tests' own (QT_QPA_PLATFORM, QT_SCALE_FACTOR, QT_PLUGIN_PATH) go through the
# user's environment in the prefix's registry instead, which Wine gives every program it starts.
# Those of the run before that are not set now are removed; unchanged, the registry is left alone.
qt_environment() {
  local name value
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n'
  [ -f "$WINEPREFIX/.brivan-qt-names" ] && while read -r name; do
    [ -n "${!name+set}" ] || printf '"%s"=-\r\n' "$name"
  done <"$WINEPREFIX/.brivan-qt-names"
  while IFS='=' read -r name value; do
    value=${value//\\/\\\\}
    printf '"%s"="%s"\r\n' "$name" "${value//\"/\\\"}"
  done < <(env | grep '^QT_' | sort)
}
wanted="$(qt_environment)"
if [ "$wanted" != "$(cat "$WINEPREFIX/.brivan-qt-environment.reg" 2>/dev/null)" ]; then
  printf '%s' "$wanted" >"$WINEPREFIX/.brivan-qt-environment.reg"
  wine reg import 'Z:'"${WINEPREFIX//\//\\}"'\.brivan-qt-environment.reg' >/dev/null 2>&1
  env | sed -n 's/^\(QT_[^=]*\)=.*/\1/p' >"$WINEPREFIX/.brivan-qt-names"
fi
exec wine "$@"
