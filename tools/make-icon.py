#!/usr/bin/env python3
"""Draws the window icon: a cluster of shaded red and teal balls on a
transparent background, as 16-colour XPM images of 48, 32 and 16 pixels.

The XPM files are committed; edit them by hand or change this script and run
it again from the repository's root: tools/make-icon.py
"""
import math

# (centre x, centre y, radius) on a unit square, back to front, and the hue.
BALLS = [(0.34, 0.36, 0.24, "red"), (0.68, 0.40, 0.22, "teal"),
         (0.50, 0.68, 0.26, "red"), (0.76, 0.76, 0.17, "teal")]
SHADES = 7
BASE = {"red": (220, 40, 40), "teal": (30, 170, 170)}
OUTLINE = (24, 24, 32)
SYMBOLS = ".abcdefghijklmno"  # '.' is transparent


def shade(hue, level):
    """level 0 = deepest shadow, SHADES-1 = highlight."""
    r, g, b = BASE[hue]
    t = level / (SHADES - 1)
    if t < 0.6:
        k = 0.35 + t / 0.6 * 0.65
        return tuple(int(c * k) for c in (r, g, b))
    k = (t - 0.6) / 0.4
    return tuple(int(c + (255 - c) * k * 0.8) for c in (r, g, b))


def palette():
    colours = [None]
    for hue in ("red", "teal"):
        colours += [shade(hue, level) for level in range(SHADES)]
    colours.append(OUTLINE)
    return colours


def pixel(x, y, size):
    """Palette index of the pixel at (x, y), from 4x4 samples by majority."""
    votes = {}
    for sy in range(4):
        for sx in range(4):
            u = (x + (sx + 0.5) / 4) / size
            v = (y + (sy + 0.5) / 4) / size
            index = 0
            for cx, cy, r, hue in BALLS:
                d = math.hypot(u - cx, v - cy)
                if d > r:
                    continue
                if d > r - 1.2 / size:
                    index = len(palette()) - 1
                    continue
                nx, ny = (u - cx) / r, (v - cy) / r
                nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
                light = max(0.0, (-0.5 * nx - 0.6 * ny + 0.62 * nz))
                level = min(SHADES - 1, int(light * SHADES))
                index = 1 + (0 if hue == "red" else SHADES) + level
            votes[index] = votes.get(index, 0) + 1
    return max(votes, key=votes.get)


def write(size):
    colours = palette()
    rows = ["".join(SYMBOLS[pixel(x, y, size)] for x in range(size)) for y in range(size)]
    lines = [f'"{size} {size} {len(colours)} 1",']
    for symbol, colour in zip(SYMBOLS, colours):
        value = "None" if colour is None else "#%02X%02X%02X" % colour
        lines.append(f'"{symbol} c {value}",')
    lines += [f'"{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    with open(f"assets/icons/bumblorbs-{size}.xpm", "w") as out:
        out.write("/* XPM */\n")
        out.write(f"static const char *bumblorbs_{size}_xpm[] = {{\n")
        out.write("\n".join(lines))
        out.write("\n};\n")


for size in (48, 32, 16):
    write(size)
