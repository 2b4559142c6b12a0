#!/usr/bin/env bash
# Runs a cross-built Windows test program under Wine (CMake's CROSSCOMPILING_EMULATOR): in a Wine
# prefix of its own ($BRIVAN_WINE_PREFIX, made on first use), finding Qt's DLLs and plugins and
# the MinGW runtime where the build left them, with the test's own environment (QT_QPA_PLATFORM
# and the rest, handed over as below) and the fonts a Windows machine has.
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
  bash "$here/wine-fonts.sh"
  touch "$WINEPREFIX/.brivan-ready"
fi
# Wine keeps every Unix variable whose name starts with QT_ from Windows programs (they would be
# another Qt's): the tests' own go through the user's environment in the prefix's registry, which
# Wine gives every program it starts, and those of the test before that are not set now are
# removed. Unchanged, the registry is left alone.
reg="$WINEPREFIX/drive_c/brivan-qt-environment.reg"
wanted="$(
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n'
  for name in $(sed -n 's/^"\(QT_[^"]*\)"=".*/\1/p' "$reg" 2>/dev/null); do
    [ -n "${!name+set}" ] || printf '"%s"=-\r\n' "$name"
  done
  while IFS='=' read -r name value; do
    value=${value//\\/\\\\}
    printf '"%s"="%s"\r\n' "$name" "${value//\"/\\\"}"
  done < <(env | grep '^QT_' | sort)
)"
if [ "$wanted" != "$(cat "$reg" 2>/dev/null)" ]; then
  printf '%s' "$wanted" >"$reg"
  wine reg import 'C:\brivan-qt-environment.reg' >/dev/null 2>&1
fi
exec wine "$@"
