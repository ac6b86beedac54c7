#!/usr/bin/env python3
"""Packs the icon's PNGs (assets/icons/png, drawn by tools/make-icon.py) into
the Windows icon assets/icons/bumblorbs.ico, 16 to 256 pixels, each image
stored as its PNG, as Windows Vista and later read them.

The result is committed; after tools/make-icon.py run this again from the
repository's root: tools/make-windows-icon.py
"""
import struct

SIZES = (16, 24, 32, 48, 64, 128, 256)


def main():
    images = []
    for size in SIZES:
        with open(f"assets/icons/png/bumblorbs-{size}.png", "rb") as png:
            images.append((size, png.read()))
    # ICONDIR, then one ICONDIRENTRY per image, then the images.
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, data in images:
        side = 0 if size == 256 else size  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open("assets/icons/bumblorbs.ico", "wb") as ico:
        ico.write(header + entries + b"".join(data for _, data in images))


if __name__ == "__main__":
    main()
