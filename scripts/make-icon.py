#!/usr/bin/env python3
"""Draws brenvik's program icon, a speed gauge, at 16 and 32 pixels and writes it as an .ico.

Run it from the repository's top folder: python3 scripts/make-icon.py tuner/res/brenvik.ico
"""
import math
import struct
import sys


def gauge(size):
    """Rows of (b, g, r, a) pixels, top row first."""
    r = size / 2.0
    cx = cy = r - 0.5
    needle = math.radians(40)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy)
            color = None
            if d <= r - 0.5:
                color = (200, 90, 30, 255)  # blue disc (b, g, r)
                if d >= r - 1.5:
                    color = (110, 40, 0, 255)  # dark rim
                angle = math.atan2(-dy, dx)
                if 0.55 * r <= d <= 0.8 * r and 0 <= angle <= math.pi:
                    step = math.degrees(angle) % 30
                    if step < 8 or step > 22:
                        color = (255, 255, 255, 255)  # ticks on the upper half
                # needle towards the upper right
                px, py = math.cos(needle), -math.sin(needle)
                along = dx * px + dy * py
                across = abs(-dx * py + dy * px)
                if 0 <= along <= 0.75 * r and across <= max(1.0, size / 16.0):
                    color = (30, 30, 230, 255)
                if d <= max(1.5, size / 10.0):
                    color = (220, 220, 220, 255)
            row.append(color or (0, 0, 0, 0))
        pixels.append(row)
    return pixels


def image(size):
    rows = gauge(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes(p) for row in reversed(rows) for p in row)
    mask_row = (size + 31) // 32 * 4
    masks = b''
    for row in reversed(rows):
        bits = 0
        line = bytearray(mask_row)
        for x, p in enumerate(row):
            if p[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        masks += bytes(line)
    return header + xor + masks


def main(path):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'tuner/res/brenvik.ico')
