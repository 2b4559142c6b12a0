#!/usr/bin/python3
"""Render the program's pictures and icons from the sources in this folder.

Run from anywhere (normally through render.sh beside this file). Every output is
written to the parent folder, src/ui/resources/. The result depends only on the
sources here, the Liberation fonts and the Debian 12 tools listed in README.md,
so running it twice gives byte-identical files.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

import freetype
from PIL import Image

ART = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(ART)
FONTS = "/usr/share/fonts/truetype/liberation"
SERIF = os.path.join(FONTS, "LiberationSerif-Regular.ttf")
SERIF_BOLD = os.path.join(FONTS, "LiberationSerif-Bold.ttf")

DARK_RED = (0x66, 0x00, 0x00)
WHITE = (0xFF, 0xFF, 0xFF)

# ImageMagick's real convert (a wrapper may stand earlier on PATH).
CONVERT = "/usr/bin/convert" if os.path.exists("/usr/bin/convert") else "convert"


def run(*args):
    subprocess.run([str(a) for a in args], check=True)


def out(name):
    return os.path.join(OUT, name)


def svg_to_png(source, width, height, target):
    """Rasterise an SVG source at an exact pixel size."""
    run("rsvg-convert", "--width", width, "--height", height,
        "--output", target, os.path.join(ART, source))


# ---------------------------------------------------------------------------
# Two-colour text pictures. Glyphs are drawn with FreeType's monochrome
# hinting and whole-pixel advances, the way crisp screen text is drawn, so the
# letters stay clean without any grey edge pixels.

class MonoFont:
    FLAGS = freetype.FT_LOAD_RENDER | freetype.FT_LOAD_TARGET_MONO

    def __init__(self, path, pixels):
        self.face = freetype.Face(path)
        self.face.set_pixel_sizes(0, pixels)

    def advance(self, ch):
        self.face.load_char(ch, self.FLAGS)
        return self.face.glyph.advance.x >> 6

    def width(self, text):
        return sum(self.advance(ch) for ch in text)

    def draw(self, image, x, baseline, text, gaps=None):
        """Draw text with its left edge at x; gaps adds pixels after each space."""
        spaces = 0
        for ch in text:
            self.face.load_char(ch, self.FLAGS)
            glyph = self.face.glyph
            bitmap = glyph.bitmap
            for row in range(bitmap.rows):
                for col in range(bitmap.width):
                    byte = bitmap.buffer[row * bitmap.pitch + col // 8]
                    if byte & (0x80 >> (col % 8)):
                        px = x + glyph.bitmap_left + col
                        py = baseline - glyph.bitmap_top + row
                        if not (0 <= px < image.width and 0 <= py < image.height):
                            sys.exit(f"text leaves the picture at {ch!r}: {text!r}")
                        image.putpixel((px, py), 1)
            x += glyph.advance.x >> 6
            if ch == " " and gaps is not None:
                x += gaps[spaces]
                spaces += 1
        return x


def save_two_colour_gif(image, target):
    """image: mode 'P', index 0 white, index 1 dark red. Written with a two-entry palette."""
    image.putpalette(list(WHITE) + list(DARK_RED))
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, "text.png")
        image.convert("RGB").save(png)
        run(CONVERT, png, "+dither", "-colors", "2", "-strip", target)


def terms_heading(scale):
    width, height = 197 * scale, 18 * scale
    with open(os.path.join(ART, "terms_heading.txt"), encoding="utf-8") as f:
        text = f.read().strip()
    font = MonoFont(SERIF_BOLD, 15 * scale)
    if font.width(text) > width:
        sys.exit(f"terms heading too wide at {scale}x: {font.width(text)} px")
    image = Image.new("P", (width, height), 0)
    font.draw(image, 0, 14 * scale, text)
    return image


def wrap(words, font, width):
    lines, current = [], []
    for word in words:
        trial = current + [word]
        if current and font.width(" ".join(trial)) > width:
            lines.append(current)
            current = [word]
        else:
            current = trial
    lines.append(current)
    return lines


def disclaimer(scale):
    """Nine justified lines of the wording in disclaimer.txt.

    Lines are broken once, at 1x, and the same breaks are used at 2x so both
    pictures read alike."""
    width, height = 534 * scale, 132 * scale
    margin = 4 * scale
    with open(os.path.join(ART, "disclaimer.txt"), encoding="utf-8") as f:
        words = f.read().split()
    lines = wrap(words, MonoFont(SERIF, 13), 534 - 8)
    if len(lines) != 9:
        sys.exit(f"the disclaimer must fill nine lines, not {len(lines)}: edit disclaimer.txt")
    font = MonoFont(SERIF, 13 * scale)
    image = Image.new("P", (width, height), 0)
    for number, line in enumerate(lines):
        text = " ".join(line)
        baseline = (14 + 14 * number) * scale
        slack = width - 2 * margin - font.width(text)
        if slack < 0:
            sys.exit(f"disclaimer line {number + 1} too wide at {scale}x")
        gaps = None
        if number < len(lines) - 1 and len(line) > 1:
            # Justify: share the slack out over the spaces, evenly and from the left.
            count = len(line) - 1
            gaps = [slack // count + (1 if i < slack % count else 0) for i in range(count)]
        font.draw(image, margin, baseline, text, gaps)
    return image


# ---------------------------------------------------------------------------
# Icons.

def write_ico(images, target):
    """Windows icon: each image a palette bitmap with an all-opaque mask.

    images: list of (mode 'P' image, bits per pixel 1 or 4)."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for image, bits in images:
        w, h = image.size
        colours = 1 << bits
        palette = image.getpalette()[: 3 * colours]
        palette += [0] * (3 * colours - len(palette))
        row_bytes = ((w * bits + 31) // 32) * 4
        pixels = bytearray()
        for y in range(h - 1, -1, -1):  # bottom-up rows
            row = 0
            for x in range(w):
                index = image.getpixel((x, y))
                if index >= colours:
                    sys.exit("icon image has more colours than its bit depth allows")
                row = (row << bits) | index
            row <<= row_bytes * 8 - w * bits
            pixels += row.to_bytes(row_bytes, "big")
        mask_row = ((w + 31) // 32) * 4
        mask = bytes(mask_row * h)  # every pixel opaque
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0,
                             len(pixels) + len(mask), 0, 0, colours, 0)
        rgbquads = b"".join(struct.pack("<BBBB", palette[3 * i + 2], palette[3 * i + 1],
                                        palette[3 * i], 0) for i in range(colours))
        blob = header + rgbquads + bytes(pixels) + mask
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, colours % 256, 0,
                                   1, bits, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(target, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)))
        f.write(b"".join(entries))
        f.write(b"".join(blobs))


def icon_raster(tmp, size):
    """The icon at one size: icon-16.svg is the small drawing, icon.svg all others."""
    png = os.path.join(tmp, f"icon-{size}.png")
    svg_to_png("icon-16.svg" if size == 16 else "icon.svg", size, size, png)
    return Image.open(png).convert("RGB")


def adaptive(image, colours):
    return image.quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                          dither=Image.Dither.NONE)


def two_colour(image):
    """Black and white version for monochrome displays: the aeroplane and the
    front row of buildings turn black, the sky and the paler back row white."""
    grey = image.convert("L")
    mono = Image.new("P", image.size, 1)
    mono.putpalette([0, 0, 0, 255, 255, 255])
    for y in range(image.height):
        for x in range(image.width):
            if grey.getpixel((x, y)) < 110:
                mono.putpixel((x, y), 0)
    return mono


# ---------------------------------------------------------------------------

def main():
    for tool in ("rsvg-convert", CONVERT):
        if shutil.which(tool) is None:
            sys.exit(f"{tool} is missing: apt-get install librsvg2-bin imagemagick")

    with tempfile.TemporaryDirectory() as tmp:
        # Logo banner: 256-colour GIF on white.
        for scale, name in ((1, "logo.gif"), (2, "logo@2x.gif")):
            png = os.path.join(tmp, f"logo-{scale}.png")
            svg_to_png("logo.svg", 340 * scale, 80 * scale, png)
            run(CONVERT, png, "-background", "white", "-alpha", "remove", "-alpha", "off",
                "-dither", "FloydSteinberg", "-colors", "256", "-strip", out(name))

        # Aircraft illustration: colour JPEG.
        for scale, name in ((1, "aircraft.jpg"), (2, "aircraft@2x.jpg")):
            png = os.path.join(tmp, f"aircraft-{scale}.png")
            svg_to_png("aircraft.svg", 360 * scale, 245 * scale, png)
            Image.open(png).convert("RGB").save(out(name), "JPEG", quality=90,
                                                 optimize=True, subsampling="4:4:4")

        # Two-colour text pictures for the terms screen.
        for scale, suffix in ((1, ""), (2, "@2x")):
            save_two_colour_gif(terms_heading(scale), out(f"terms_heading{suffix}.gif"))
            save_two_colour_gif(disclaimer(scale), out(f"disclaimer{suffix}.gif"))

        # Window icon (256 colours at most) and the desktop's hicolor icons.
        adaptive(icon_raster(tmp, 32), 256).save(out("window_icon.png"), optimize=True)
        adaptive(icon_raster(tmp, 64), 256).save(out("window_icon@2x.png"), optimize=True)
        for size in (16, 32, 48):
            icon_raster(tmp, size).save(out(f"brivan-{size}.png"), optimize=True)
        shutil.copyfile(os.path.join(ART, "icon.svg"), out("icon.svg"))

        # Windows application icon: 32x32 two colours, 32x32 and 16x16 sixteen colours.
        write_ico([(two_colour(icon_raster(tmp, 32)), 1),
                   (adaptive(icon_raster(tmp, 32), 16), 4),
                   (adaptive(icon_raster(tmp, 16), 16), 4)], out("brivan.ico"))


if __name__ == "__main__":
    main()
