#!/usr/bin/python3
"""Copies of the Liberation fonts under the names of the Windows fonts they are metric twins of
(Liberation Sans as Arial, Liberation Serif as Times New Roman), for a Wine prefix. Wine's
DirectWrite, which Qt 6.8 draws text with on Windows, finds fonts by their own names and not
through Wine's replacement table: without these, "Arial" falls to whatever face fontconfig offers.
The glyphs stay Liberation's; only the names change.

Usage: windows_font_names.py OUTPUT_FOLDER
Prints a registry file that enters each copy in Windows' font list, where Windows finds its fonts.
"""
import os
import sys

from fontTools.ttLib import TTFont

LIBERATION = "/usr/share/fonts/truetype/liberation"
TWINS = {"LiberationSans": "Arial", "LiberationSerif": "Times New Roman"}
STYLES = {"Regular": "Regular", "Bold": "Bold", "Italic": "Italic", "BoldItalic": "Bold Italic"}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    print("Windows Registry Editor Version 5.00\r\n\r")
    print("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r")
    for source, family in TWINS.items():
        for style_file, style in STYLES.items():
            font = TTFont(os.path.join(LIBERATION, f"{source}-{style_file}.ttf"))
            full = family if style == "Regular" else f"{family} {style}"
            names = {1: family, 2: style, 3: f"{full} (Liberation metrics)", 4: full,
                     6: full.replace(" ", "") , 16: family, 17: style}
            for record in font["name"].names:
                if record.nameID in names:
                    record.string = names[record.nameID]
            file = f"{family.replace(' ', '')}-{style_file}.ttf"
            font.save(os.path.join(out, file))
            print(f'"{full} (TrueType)"="{file}"\r')


if __name__ == "__main__":
    main()
