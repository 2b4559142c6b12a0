#!/usr/bin/python3
"""The web folder's fonts: Liberation Sans and Serif, regular and bold, cut to the characters the
screens show and a pilot types, as WOFF2, renamed "Brivan Sans" and "Brivan Serif".

Renamed because "Liberation" is a Reserved Font Name under the fonts' SIL Open Font License, which
a changed font (a subset is one) may not use. Hinting is left out: it only serves Windows' small
sizes, and Windows always has Arial and Times New Roman, which the screens ask for first.

Usage: fonts.py OUT_DIR   (writes brivan-sans.woff2, brivan-sans-bold.woff2, brivan-serif...)
"""
import os
import sys

from fontTools import subset

LIBERATION = "/usr/share/fonts/truetype/liberation"
# Keep in step with unicode-range in web/page.css.
CHARACTERS = "U+0020-007E,U+00A0-00FF,U+2010-2027,U+2030-203A,U+2122,U+2190-2193"
FACES = {  # output: (Liberation file, family, style)
    "brivan-sans": ("LiberationSans-Regular", "Brivan Sans", "Regular"),
    "brivan-sans-bold": ("LiberationSans-Bold", "Brivan Sans", "Bold"),
    "brivan-serif": ("LiberationSerif-Regular", "Brivan Serif", "Regular"),
    "brivan-serif-bold": ("LiberationSerif-Bold", "Brivan Serif", "Bold"),
}
# Copyright, the names, the version, maker and designer, and the licence with its address. The
# trademark line and the description name Liberation and the fonts it is based on: left out.
KEPT_NAMES = [0, 1, 2, 3, 4, 5, 6, 8, 9, 13, 14]


def cut(source, family, style, out):
    options = subset.Options()
    options.flavor = "woff2"
    options.hinting = False
    options.name_IDs = KEPT_NAMES
    options.drop_tables += ["FFTM"]  # FontForge's time stamps
    options.unicodes = subset.parse_unicodes(CHARACTERS)
    font = subset.load_font(source, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=options.unicodes)
    subsetter.subset(font)
    full = family if style == "Regular" else f"{family} {style}"
    postscript = f"{family.replace(' ', '')}-{style}"
    version = font["name"].getDebugName(5)
    names = font["name"]
    for name_id in (1, 2, 3, 4, 6, 16, 17):
        names.removeNames(nameID=name_id)
    for name_id, text in ((1, family), (2, style), (3, f"{postscript} {version}, cut for the Brivan Review Program"),
                          (4, full), (6, postscript)):
        names.setName(text, name_id, 3, 1, 0x409)
    left = " ".join(r.toUnicode() for r in names.names)
    if "Liberation" in left:
        sys.exit(f"{out}: the name table still says Liberation: {left}")
    subset.save_font(font, out, options)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, (source, family, style) in FACES.items():
        cut(os.path.join(LIBERATION, source + ".ttf"), family, style, os.path.join(sys.argv[1], name + ".woff2"))


if __name__ == "__main__":
    main()
