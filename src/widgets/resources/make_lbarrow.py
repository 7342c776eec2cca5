#!/usr/bin/env python3
"""Writes lbarrow.bmp: the 5 x 3 drop-down arrow of buttons with a popup menu, as a 16-colour
(4 bits per pixel) Windows bitmap with the standard palette. Run it from this folder; the
output is committed beside it and compiled into the Windows builds by windres."""
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, WHITE = 0, 15

# Top row first: a black triangle pointing down, on white.
ROWS = [
    [BLACK, BLACK, BLACK, BLACK, BLACK],
    [WHITE, BLACK, BLACK, BLACK, WHITE],
    [WHITE, WHITE, BLACK, WHITE, WHITE],
]


def pack_row(row):
    if len(row) % 2:
        row = row + [0]
    data = bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))
    return data + b"\0" * (-len(data) % 4)


def main():
    width, height = len(ROWS[0]), len(ROWS)
    pixels = b"".join(pack_row(r) for r in reversed(ROWS))  # bottom-up
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open("lbarrow.bmp", "wb") as out:
        out.write(header + info + palette + pixels)


if __name__ == "__main__":
    main()
