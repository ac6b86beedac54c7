#!/usr/bin/env python3
"""Draws the program's icon from one description: a cluster of shaded red
and teal balls on a transparent background. Writes the hicolor PNGs
(16 to 256 pixels), the scalable SVG and the window icon that the program
embeds (64 pixels, as 0xAARRGGBB words), so that they cannot drift apart.

The results are committed; after changing the description run it again
from the repository's root: tools/make-icon.py
"""
import math
import struct
import zlib

# (centre x, centre y, radius) on a unit square, back to front, and the hue.
BALLS = [(0.34, 0.36, 0.24, "red"), (0.68, 0.40, 0.22, "teal"),
         (0.50, 0.68, 0.26, "red"), (0.76, 0.76, 0.17, "teal")]
# Each ball's shading: a radial gradient about a point up and to the left
# of its centre, from a highlight through the hue to a shadow.
HUES = {"red": [(255, 170, 160), (220, 40, 40), (110, 16, 20)],
        "teal": [(170, 245, 240), (30, 170, 170), (10, 80, 86)]}
STOPS = [0.0, 0.45, 1.0]
LIGHT_OFFSET = -0.3  # the gradient's centre, in radii from the ball's
GRADIENT_RADIUS = 1.3  # in radii
OUTLINE = (24, 24, 32)
OUTLINE_WIDTH = 0.018  # of the icon's size; never under one pixel
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)
WINDOW_ICON_SIZE = 64
SAMPLES = 4  # per pixel and axis


def gradient(hue, t):
    colours = HUES[hue]
    t = min(1.0, max(0.0, t))
    for i in range(len(STOPS) - 1):
        if t <= STOPS[i + 1]:
            k = (t - STOPS[i]) / (STOPS[i + 1] - STOPS[i])
            return tuple(a + (b - a) * k for a, b in zip(colours[i], colours[i + 1]))
    return colours[-1]


def colour_at(u, v, outline):
    """The colour at (u, v) on the unit square, or None where it is clear."""
    found = None
    for cx, cy, r, hue in BALLS:
        d = math.hypot(u - cx, v - cy)
        if d > r:
            continue
        if d > r - outline:
            found = OUTLINE
            continue
        gx, gy = cx + LIGHT_OFFSET * r, cy + LIGHT_OFFSET * r
        found = gradient(hue, math.hypot(u - gx, v - gy) / (GRADIENT_RADIUS * r))
    return found


def raster(size):
    """Rows of (r, g, b, a), anti-aliased by supersampling."""
    outline = max(OUTLINE_WIDTH, 1.0 / size)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((x + (sx + 0.5) / SAMPLES) / size,
                                  (y + (sy + 0.5) / SAMPLES) / size, outline)
                    if c is not None:
                        covered += 1
                        total = [t + k for t, k in zip(total, c)]
            alpha = round(255 * covered / SAMPLES ** 2)
            rgb = [round(t / covered) if covered else 0 for t in total]
            row.append((*rgb, alpha))
        rows.append(row)
    return rows


def write_png(path, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def write_svg(path):
    size = 256
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
             f'viewBox="0 0 {size} {size}">', "  <defs>"]
    for n, (cx, cy, r, hue) in enumerate(BALLS):
        gx, gy = (cx + LIGHT_OFFSET * r) * size, (cy + LIGHT_OFFSET * r) * size
        lines.append(f'    <radialGradient id="ball{n}" gradientUnits="userSpaceOnUse" '
                     f'cx="{gx:.2f}" cy="{gy:.2f}" r="{GRADIENT_RADIUS * r * size:.2f}">')
        for stop, colour in zip(STOPS, HUES[hue]):
            lines.append(f'      <stop offset="{stop}" stop-color="#%02x%02x%02x"/>' % colour)
        lines.append("    </radialGradient>")
    lines.append("  </defs>")
    width = OUTLINE_WIDTH * size
    for n, (cx, cy, r, _) in enumerate(BALLS):
        # The stroke lies wholly inside the ball's edge, as in the PNGs.
        lines.append(f'  <circle cx="{cx * size:.2f}" cy="{cy * size:.2f}" '
                     f'r="{r * size - width / 2:.2f}" fill="url(#ball{n})" '
                     f'stroke="#%02x%02x%02x" stroke-width="{width:.2f}"/>' % OUTLINE)
    lines.append("</svg>")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def write_window_icon(path, rows):
    words = [(a << 24) | (r << 16) | (g << 8) | b for row in rows for r, g, b, a in row]
    size = len(rows)
    with open(path, "w") as out:
        out.write("// Written by tools/make-icon.py: the window icon, "
                  f"{size}x{size} pixels of 0xAARRGGBB, top to bottom.\n")
        out.write("#pragma once\n\n#include <array>\n#include <cstdint>\n\n")
        out.write("namespace bumblorbs {\n\n")
        out.write(f"inline constexpr int WindowIconSize = {size};\n")
        out.write(f"inline constexpr std::array<std::uint32_t, {size * size}> WindowIconPixels{{\n")
        for start in range(0, len(words), 6):
            out.write("    " + ", ".join("0x%08X" % w for w in words[start:start + 6]) + ",\n")
        out.write("};\n\n}  // namespace bumblorbs\n")


for png_size in PNG_SIZES:
    write_png(f"assets/icons/png/bumblorbs-{png_size}.png", raster(png_size))
write_svg("assets/icons/bumblorbs.svg")
write_window_icon("assets/icons/window_icon_pixels.h", raster(WINDOW_ICON_SIZE))
