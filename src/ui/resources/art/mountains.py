#!/usr/bin/python3
"""Drawing aid for aircraft.svg: lays out the mountain ranges and the forest.

Hand-placing hundreds of ridge points is tedious, so the ranges are grown from a
few key points (valley, peak, valley, ...) by seeded midpoint displacement, and
shaded as snow lit from the upper left: the left flank of each peak white, the
right flank blue-grey, with rock streaks and a rocky band under the crest.

The result lives in aircraft.svg between the "begin"/"end" marker comments, and
aircraft.svg is the source that render.py uses; this script only rewrites those
two blocks. Change the key points or the seeds below and run

    /usr/bin/python3 src/ui/resources/art/mountains.py

to draw a different range. The same seeds always give the same polygons.
"""

import os
import random
import re

SVG = os.path.join(os.path.dirname(os.path.abspath(__file__)), "aircraft.svg")
R = random.Random(2000)


def displace(a, b, rough, depth):
    """Points from a towards b (b excluded), each midpoint moved up or down at random."""
    if depth == 0:
        return [a]
    mid = ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2 + R.uniform(-1, 1) * abs(b[0] - a[0]) * rough)
    return displace(a, mid, rough, depth - 1) + displace(mid, b, rough, depth - 1)


def fmt(points):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def mountain_range(keys, base, rough, depth, lit, shade, streaks, crease_slope,
                   snow_to, streak_colour, haze):
    """keys: valley, peak, valley, ... from left to right; returns SVG elements."""
    ridge = []
    for a, b in zip(keys, keys[1:]):
        ridge += displace(a, b, rough, depth)
    ridge.append(keys[-1])
    at = {k: k * 2 ** depth for k in range(len(keys))}  # index of each key point in ridge
    body = [(keys[0][0], base)] + ridge + [(keys[-1][0], base)]
    out = [f'<polygon points="{fmt(body)}" fill="{shade}"/>']

    peaks = range(1, len(keys) - 1, 2)
    for k in peaks:
        # Lit face: the left flank, bounded by a crease running down to the right
        # from the peak and a gully running down from the valley on its left.
        peak = keys[k]
        flank = ridge[at[k - 1]:at[k] + 1]
        crease_end = (peak[0] + (snow_to - peak[1]) * crease_slope, snow_to)
        crease = displace(peak, crease_end, 0.18, 4) + [crease_end]
        vx, vy = keys[k - 1]
        gully_end = (vx - 0.18 * (snow_to - vy), snow_to)
        gully = displace((vx, vy), gully_end, 0.15, 3) + [gully_end]
        face = flank + crease[1:] + list(reversed(gully))[:-1]
        out.append(f'<polygon points="{fmt(face)}" fill="{lit}"/>')
        # Faint gullies in the snow of the lit face.
        for _ in range(streaks):
            sx, sy = ridge[R.randint(at[k - 1] + 1, at[k] - 1)]
            length = R.uniform(0.35, 0.8) * (snow_to - sy)
            end = (sx + length * R.uniform(0.15, 0.45), sy + length)
            width = R.uniform(0.8, 2.2)
            path = displace((sx, sy + 0.5), end, 0.12, 3) + [end]
            left = [(x - width * (1 - t / len(path)), y) for t, (x, y) in enumerate(path)]
            right = [(x + width * 0.3, y) for x, y in reversed(path)]
            out.append(f'<polygon points="{fmt(left + right)}" fill="{streak_colour}" '
                       f'opacity="0.5" filter="url(#rock)"/>')
    for k in peaks:
        # Rock showing through on the shaded flank.
        for _ in range(streaks):
            sx, sy = ridge[R.randint(at[k] + 1, at[k + 1] - 1)]
            length = R.uniform(0.3, 0.7) * (snow_to - sy)
            end = (sx - length * R.uniform(0.05, 0.3), sy + length)
            width = R.uniform(0.8, 2.0)
            path = displace((sx, sy + 0.5), end, 0.12, 3) + [end]
            left = [(x - width * 0.3, y) for x, y in path]
            right = [(x + width * (1 - t / len(path)), y)
                     for t, (x, y) in reversed(list(enumerate(path)))]
            out.append(f'<polygon points="{fmt(left + right)}" fill="#33435b" '
                       f'opacity="0.5" filter="url(#rock)"/>')
    for k in peaks:
        # Rocky band just under the crest on the shaded flank.
        crest = ridge[at[k]:at[k + 1] + 1]
        below = [(x + 0.8, y + R.uniform(1.0, 4.5)) for x, y in crest]
        n = max(2, int(len(crest) * 0.7))
        band = crest[:n] + list(reversed(below[:n]))
        out.append(f'<polygon points="{fmt(band)}" fill="#55698a" opacity="0.45"/>')
    # Haze thickening towards the foot of the range.
    out.append(f'<polygon points="{fmt(body)}" fill="url(#{haze})"/>')
    return out


def forest(y0, x0, x1, colour):
    """A dark, gently rolling ridge topped with conifers."""
    keys = [(x0, y0 + 2), (60, y0 - 5), (140, y0 + 3), (215, y0 - 8), (300, y0 + 1), (x1, y0 - 7)]
    ridge = []
    for a, b in zip(keys, keys[1:]):
        ridge += displace(a, b, 0.05, 4)
    ridge.append(keys[-1])
    out = [f'<polygon points="{fmt([(x0, 245)] + ridge + [(x1, 245)])}" fill="{colour}"/>']
    trees = []
    x = x0
    while x < x1:
        ground = min(ridge, key=lambda p: abs(p[0] - x))[1] + R.uniform(0, 3)
        height = R.uniform(5, 11)
        half = height * R.uniform(0.28, 0.38)
        trees.append(f"M{x - half:.1f},{ground + 2:.1f} L{x:.1f},{ground - height:.1f} "
                     f"L{x + half:.1f},{ground + 2:.1f}Z")
        x += R.uniform(2.2, 4.5)
    out.append(f'<path d="{" ".join(trees)}" fill="{colour}"/>')
    return out


def block(name, comment, elements):
    inner = "\n    ".join(elements)
    return (f"<!-- begin {name} -->\n  <!-- {comment} -->\n  <g>\n    {inner}\n  </g>\n"
            f"  <!-- end {name} -->")


def main():
    far = mountain_range(
        [(-5, 150), (25, 126), (55, 142), (92, 118), (130, 140), (168, 122), (205, 138),
         (240, 116), (280, 136), (318, 120), (365, 140)],
        175, 0.22, 4, "url(#litFar)", "#a4b9d6", 1, 0.35, 160, "#9fb3cf", "hazeFar")
    main_range = mountain_range(
        [(-10, 190), (38, 122), (95, 168), (148, 102), (205, 162), (278, 104), (318, 150),
         (352, 116), (380, 170)],
        215, 0.21, 5, "url(#litMain)", "url(#shadeMain)", 5, 0.45, 200, "#7f97bb", "hazeMain")
    hills = mountain_range(
        [(-10, 205), (50, 180), (120, 206), (190, 184), (250, 204), (320, 178), (380, 204)],
        235, 0.18, 4, "#dbe5f1", "#7c91b3", 3, 0.5, 222, "#6b7f9f", "hazeHills")
    R.seed(7)
    trees = forest(218, -5, 365, "#16283a")

    with open(SVG, encoding="utf-8") as f:
        svg = f.read()
    for name, comment, elements in (
            ("mountains", "snow-covered ranges: far, main and foothills", far + main_range + hills),
            ("forest", "dark forested ridge in the foreground", trees)):
        pattern = re.compile(rf"<!-- begin {name} -->.*?<!-- end {name} -->", re.S)
        if not pattern.search(svg):
            raise SystemExit(f"aircraft.svg has no '{name}' block")
        svg = pattern.sub(lambda _m: block(name, comment, elements), svg)
    with open(SVG, "w", encoding="utf-8") as f:
        f.write(svg)


if __name__ == "__main__":
    main()
