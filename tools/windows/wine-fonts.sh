#!/usr/bin/env bash
# Puts the fonts a Windows machine has into the new Wine prefix $WINEPREFIX. Debian's Wine leaves
# its own (MS Sans Serif, Tahoma...) out of a new prefix: they go where Windows keeps them. Times
# New Roman and Arial are not Wine's: their metric twins, the Liberation fonts, are put down under
# those names and entered in the registry's font list, where Windows finds its fonts.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ -d /usr/share/wine/fonts ] || { echo "Wine's fonts (fonts-wine) are missing" >&2; exit 1; }
cp /usr/share/wine/fonts/* "$fonts/"
python3 "$here/windows_font_names.py" "$fonts" >"$WINEPREFIX/drive_c/brivan-fonts.reg"
wine reg import 'C:\brivan-fonts.reg' >/dev/null 2>&1
wineserver -w
