#!/usr/bin/env python3
"""Draws the program's icon group: 32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours, in that order.

Usage: tools/make_icon.py app/icons/quorvane.ico
The picture is a small window with a tick in it: the check has passed.
"""
import struct
import sys

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]
BLACK, GREEN, NAVY, SILVER, WHITE, CLEAR = 'k', 'g', 'n', 's', 'w', None


def draw(size):
    """Returns rows of colour names (None where transparent), top row first."""
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]
    left, top, right, bottom = round(2 * s), round(4 * s), size - 1 - round(2 * s), size - 1 - round(4 * s)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            title = y <= top + max(2, round(5 * s))
            px[y][x] = BLACK if edge else (NAVY if title else WHITE)
    # The tick: down from the left, then up to the right, two pixels thick (one at 16x16).
    thick = 2 if size >= 32 else 1
    points = []
    x0, y0 = round(8 * s), round(16 * s)
    x1, y1 = round(13 * s), round(22 * s)
    x2, y2 = round(24 * s), round(10 * s)
    for t in range(0, 101):
        points.append((x0 + (x1 - x0) * t / 100, y0 + (y1 - y0) * t / 100))
        points.append((x1 + (x2 - x1) * t / 100, y1 + (y2 - y1) * t / 100))
    for (x, y) in points:
        for d in range(thick):
            xi, yi = int(round(x)), int(round(y)) + d
            if 0 <= xi < size and 0 <= yi < size:
                px[yi][xi] = GREEN
    return px


def index(colour, mono):
    if mono:
        return {BLACK: 0, NAVY: 0, GREEN: 0, SILVER: 1, WHITE: 1, CLEAR: 0}[colour]
    return {BLACK: 0, GREEN: 2, NAVY: 4, SILVER: 7, WHITE: 15, CLEAR: 0}[colour]


def row_bytes(bits, width):
    return ((bits * width + 31) // 32) * 4


def image(size, bits):
    mono = bits == 1
    palette = MONO if mono else VGA
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, len(palette), 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    xor = b''
    mask = b''
    for y in reversed(range(size)):
        row = bytearray(row_bytes(bits, size))
        mrow = bytearray(row_bytes(1, size))
        for x in range(size):
            i = index(px[y][x], mono)
            if bits == 1:
                row[x // 8] |= (i & 1) << (7 - x % 8)
            else:
                row[x // 2] |= (i & 0xF) << (4 if x % 2 == 0 else 0)
            if px[y][x] is CLEAR:
                mrow[x // 8] |= 1 << (7 - x % 8)
        xor += bytes(row)
        mask += bytes(mrow)
    return header + pal + xor + mask, len(palette)


def main(path):
    images = [image(32, 1), image(32, 4), image(16, 4)]
    sizes = [32, 32, 16]
    bits = [1, 4, 4]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (data, colours), size, b in zip(images, sizes, bits):
        out += struct.pack('<BBBBHHII', size, size, colours if colours < 256 else 0, 0, 1, b, len(data), offset)
        offset += len(data)
    out += b''.join(data for data, _ in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1])
