#!/usr/bin/env python3
"""Draws the launcher's icon: 48 x 48 pixels, 256 colours, written as res/launcher.ico.

A gold "V" on a blue rounded tile with a small star. Shapes are sampled 4 x 4 times per pixel;
the tile's outline is hard-edged because a 256-colour icon has only a transparency mask.
Run it from anywhere: python3 make_icon.py
"""
import math
import os
import struct

SIZE = 48
SUB = 4


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and left <= x <= right and top <= y <= bottom


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def star(px, py, cx, cy, r):
    # A four-pointed star: |x|^0.5 + |y|^0.5 <= r^0.5
    return abs(px - cx) ** 0.5 + abs(py - cy) ** 0.5 <= r ** 0.5


TILE = (1.5, 1.5, 46.5, 46.5, 9.0)
TOP, BOTTOM = (26, 40, 112), (36, 140, 214)
RIM = (150, 205, 255)
GOLD_DARK, GOLD_LIGHT = (214, 150, 30), (255, 226, 120)
WHITE = (255, 255, 255)


def sample(x, y):
    """Colour at a point, or None outside the tile."""
    if not in_rounded_rect(x, y, *TILE):
        return None
    colour = mix(TOP, BOTTOM, y / SIZE)
    left, top, right, bottom, radius = TILE
    if not in_rounded_rect(x, y, left + 1.2, top + 1.2, right - 1.2, bottom - 1.2, radius - 1.2):
        colour = RIM
    d = min(segment_distance(x, y, 11, 12, 24, 38), segment_distance(x, y, 37, 12, 24, 38))
    if d <= 4.0:
        # Lit from the upper left: lighter on the strokes' left sides.
        colour = mix(GOLD_LIGHT, GOLD_DARK, min(1.0, y / 40 + (d / 8)))
    if star(x, y, 38.5, 34.5, 4.5):
        colour = WHITE
    return colour


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            hits = []
            for sy in range(SUB):
                for sx in range(SUB):
                    c = sample(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    hits.append(c)
            inside = [c for c in hits if c is not None]
            if len(inside) * 2 < len(hits):
                row.append(None)
            else:
                row.append(tuple(round(sum(c[i] for c in inside) / len(inside)) for i in range(3)))
        pixels.append(row)
    return pixels


def quantize(pixels):
    for step in (1, 2, 4, 8, 16):
        def q(c):
            return tuple(min(255, (v // step) * step + step // 2) if step > 1 else v for v in c)
        palette = sorted({q(c) for row in pixels for c in row if c is not None})
        if len(palette) <= 255:
            index = {c: i + 1 for i, c in enumerate(palette)}  # 0 stays black, under the mask
            return [(0, 0, 0)] + palette, [[0 if c is None else index[q(c)] for c in row] for row in pixels]
    raise SystemExit("too many colours")


def write_ico(path, palette, indices):
    palette = palette + [(0, 0, 0)] * (256 - len(palette))
    xor = b"".join(bytes(row) for row in reversed(indices))
    mask_rows = []
    for row in reversed(indices):
        bits = 0
        for x, i in enumerate(row):
            if i == 0:
                bits |= 1 << (SIZE - 1 - x)
        mask_rows.append(bits.to_bytes(SIZE // 8, "big") + b"\0\0")  # rows padded to 32 bits
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + colours + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
    with open(path, "wb") as f:
        f.write(directory + image)


if __name__ == "__main__":
    palette, indices = quantize(render())
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "launcher.ico")
    write_ico(out, palette, indices)
    print(f"{out}: {len(palette)} colours")
