#!/usr/bin/env python3
"""Draws the program's icon group: 32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours, in that order.

Usage: tools/make_icon.py app/icons/quorvane.ico
The picture is a small window with a tick in it: the check has passed.

Beside the icon group it writes the same picture for the desktop's icon theme, under the name the desktop
entry gives: hicolor/<n>x<n>/apps/<id>.png at 16, 32 and 48 pixels (16 and 32 are the group's 16-colour
images, pixel for pixel) and hicolor/scalable/apps/<id>.svg.
"""
import os
import struct
import sys
import zlib

# The name the desktop entry and the AppStream metadata know the program by (packaging/).
APP_ID = 'io.github.quorvane.Quorvane'

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]
BLACK, GREEN, NAVY, SILVER, WHITE, CLEAR = 'k', 'g', 'n', 's', 'w', None

# The picture on a 32-pixel grid: the window's margins, its title bar's height and the tick's three corners.
MARGIN_X, MARGIN_Y, TITLE = 2, 4, 5
TICK = ((8, 16), (13, 22), (24, 10))


def draw(size):
    """Returns rows of colour names (None where transparent), top row first."""
    s = size / 32.0
    px = [[CLEAR] * size for _ in range(size)]
    left, top = round(MARGIN_X * s), round(MARGIN_Y * s)
    right, bottom = size - 1 - left, size - 1 - top
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            title = y <= top + max(2, round(TITLE * s))
            px[y][x] = BLACK if edge else (NAVY if title else WHITE)
    # The tick: down from the left, then up to the right, two pixels thick (one at 16x16, three at 48x48).
    thick = tick_thickness(size)
    points = []
    (x0, y0), (x1, y1), (x2, y2) = ((round(x * s), round(y * s)) for (x, y) in TICK)
    for t in range(0, 101):
        points.append((x0 + (x1 - x0) * t / 100, y0 + (y1 - y0) * t / 100))
        points.append((x1 + (x2 - x1) * t / 100, y1 + (y2 - y1) * t / 100))
    for (x, y) in points:
        for d in range(thick):
            xi, yi = int(round(x)), int(round(y)) + d
            if 0 <= xi < size and 0 <= yi < size:
                px[yi][xi] = GREEN
    return px


def tick_thickness(size):
    return 3 if size >= 48 else (2 if size >= 32 else 1)


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


def png(size):
    """The picture in the group's 16 colours as an RGBA PNG, transparent where the icon is."""
    px = draw(size)
    raw = b''
    for row in px:
        raw += b'\0'  # no filter
        for colour in row:
            raw += bytes(VGA[index(colour, False)]) + (b'\0' if colour is CLEAR else b'\xff')

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def svg():
    """The picture as shapes on the 32-pixel grid. The tick is a band as thick, measured down, as the bitmaps'
    tick, from the left edge of its first pixel column to the right edge of its last."""
    def rgb(colour):
        return '#%02x%02x%02x' % VGA[index(colour, False)]

    left, top = MARGIN_X, MARGIN_Y
    width, height = 32 - 2 * MARGIN_X, 32 - 2 * MARGIN_Y
    (x0, y0), (x1, y1), (x2, y2) = TICK
    thick = tick_thickness(32)
    upper = [(x0, y0), (x1 + 0.5, y1), (x2 + 1, y2)]
    band = upper + [(x, y + thick) for (x, y) in reversed(upper)]
    tick = ' '.join('%g,%g' % point for point in band)
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <title>Quorvane</title>
  <rect x="{left}" y="{top}" width="{width}" height="{height}" fill="{rgb(WHITE)}"/>
  <rect x="{left}" y="{top}" width="{width}" height="{TITLE + 1}" fill="{rgb(NAVY)}"/>
  <polygon points="{tick}" fill="{rgb(GREEN)}"/>
  <rect x="{left + 0.5}" y="{top + 0.5}" width="{width - 1}" height="{height - 1}" fill="none"
        stroke="{rgb(BLACK)}" stroke-width="1"/>
</svg>
'''


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def theme_icons(folder):
    theme = os.path.join(folder, 'hicolor')
    for size in (16, 32, 48):
        write(os.path.join(theme, f'{size}x{size}', 'apps', APP_ID + '.png'), png(size))
    write(os.path.join(theme, 'scalable', 'apps', APP_ID + '.svg'), svg().encode())


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
    theme_icons(os.path.dirname(os.path.abspath(path)))


if __name__ == '__main__':
    main(sys.argv[1])
