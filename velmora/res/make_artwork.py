#!/usr/bin/env python3
"""Draws the control's icon (a compact disc, 32 and 16 pixels) and its toolbox
bitmap (16 x 16), so that the pictures are made at build time from this script.

usage: make_artwork.py ICON_PATH BITMAP_PATH
"""
import math
import struct
import sys


def disc_pixel(x, y, size):
    """Colour (r, g, b, a) of the disc picture at the pixel centre (x, y)."""
    c = (size - 1) / 2.0
    dx, dy = x - c, y - c
    r = math.hypot(dx, dy) / (size / 2.0)
    if r > 0.97 or r < 0.16:
        return (0, 0, 0, 0)
    if r > 0.90 or r < 0.22:
        return (96, 96, 112, 255)  # rims
    # Silver with a rainbow sheen that turns with the angle.
    angle = math.atan2(dy, dx)
    sheen = 0.5 + 0.5 * math.sin(2 * angle)
    base = 180 + int(60 * sheen)
    red = min(255, base + int(40 * math.sin(angle * 3)))
    green = min(255, base + int(40 * math.sin(angle * 3 + 2.1)))
    blue = min(255, base + int(40 * math.sin(angle * 3 + 4.2)))
    if 0.30 < r < 0.36:
        red, green, blue = 140, 140, 160  # the inner clamping ring
    return (red, green, blue, 255)


def icon_image(size):
    """An icon directory entry's image: BITMAPINFOHEADER, 32-bit pixels, AND mask."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        row_mask = bytearray(mask_row_bytes)
        for x in range(size):
            r, g, b, a = disc_pixel(x, y, size)
            pixels += bytes((b, g, r, a))
            if a == 0:
                row_mask[x // 8] |= 0x80 >> (x % 8)
        mask += row_mask
    return header + bytes(pixels) + bytes(mask)


def write_icon(path):
    images = [icon_image(32), icon_image(16)]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, 'wb') as f:
        f.write(out)


def write_bitmap(path, size=16):
    row_bytes = (size * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(size):
            r, g, b, a = disc_pixel(x, y, size)
            if a == 0:
                r, g, b = 192, 192, 192  # the toolbox's transparent grey
            row += bytes((b, g, r))
        row += bytes(row_bytes - len(row))
        pixels += row
    info = struct.pack('<IiiHHIIiiII', 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(file_header + info + pixels)


if __name__ == '__main__':
    write_icon(sys.argv[1])
    write_bitmap(sys.argv[2])
