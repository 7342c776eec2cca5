#!/usr/bin/env python3
"""Writes the updater's application icon: one 32 x 32 image at 24 bits per pixel.

A gold rounded square shaded like the window's buttons, with an olive arrow pointing up.
Run it again only to change the picture; the .ico it writes is kept in the tree.
"""
import struct
import sys

SIZE = 32


def pixel(x, y):
    # Outside the rounded square: transparent (masked).
    r = 5
    cx = min(max(x, r), SIZE - 1 - r)
    cy = min(max(y, r), SIZE - 1 - r)
    if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
        return None
    edge = (x - cx) ** 2 + (y - cy) ** 2 > (r - 1) ** 2 or x in (0, SIZE - 1) or y in (0, SIZE - 1)
    if edge:
        return (0x00, 0x80, 0x80)  # olive outline
    # Gold, lighter towards the top and the bottom.
    t = abs(y - 9) / 22
    g = int(0xC0 + (0xFF - 0xC0) * min(1.0, t * 1.2))
    colour = (g, g, 0x00)
    # The arrow: a triangle head and a shaft.
    if 6 <= y <= 15 and abs(x - 15.5) <= (y - 5):
        colour = (0x55, 0x55, 0x00)
    if 15 <= y <= 25 and 12 <= x <= 19:
        colour = (0x55, 0x55, 0x00)
    return colour


def main(path):
    xor = bytearray()
    mask = bytearray()
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        bits = 0
        for x in range(SIZE):
            p = pixel(x, y)
            r, g, b = p if p else (0, 0, 0)
            xor += bytes((b, g, r))
            bits = (bits << 1) | (1 if p is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "UpTK294Q.ico")
