#!/usr/bin/env python3
"""Draws the dark skin, skins/dark: the five images as PNG files and skin.ini.

The images keep the built-in ones' cells, shapes and key-colour areas (read from
src/skin/draw/skin_image_tables.cpp) and change their colours: faces, headers, circles and the
drop button's faces turn dark, light turning dark and dark light, with the hue kept and the
colour muted; the glyphs (check mark, square, dot, arrows), which also sit on the white boxes the
skin fills itself, take a bright accent colour that shows on both.
Run it from anywhere: python3 tools/make_dark_skin.py
"""
import colorsys
import os
import re
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
TABLES = os.path.join(ROOT, "src", "skin", "draw", "skin_image_tables.cpp")
OUT = os.path.join(ROOT, "skins", "dark")
KEY = 0xFF00FF
ACCENT = (0x3D, 0xB4, 0xFF)

COLORS = [  # skin.ini's [Colors], in the README's order
    ("FrameColor", 0x4F8CBF), ("DisabledFrameColor", 0x3B4652), ("PressedFrameColor", 0x7FC1F2),
    ("ProgressColor", 0x2E93E0), ("KeyColor", KEY),
    ("NormalCaptionColor", 0xE3EAF1), ("HotCaptionColor", 0xFFFFFF),
    ("PressedCaptionColor", 0xFFFFFF), ("DisabledCaptionColor", 0x6C7885),
    ("WindowColor", 0x1F242B), ("WindowTextColor", 0xD9DFE6), ("ControlColor", 0x2A313A),
]


def read_tables():
    text = open(TABLES, encoding="utf-8").read()
    images = {}
    for name, h, w, body in re.findall(r"constexpr Rgb k(\w+)\[(\d+)\]\[(\d+)\] = \{(.*?)\n\};", text, re.S):
        cells = [KEY if t == "K" else int(t, 16) for t in re.findall(r"0x[0-9A-Fa-f]{6}|\bK\b", body)]
        assert len(cells) == int(w) * int(h), name
        images[name] = (int(w), int(h), cells)
    return images


def darken(c):
    r, g, b = ((c >> s & 0xFF) / 255 for s in (16, 8, 0))
    h, l, s = colorsys.rgb_to_hls(r, g, b)
    return colorsys.hls_to_rgb(h, 0.11 + 0.40 * (1 - l), s * 0.55)


def accent(c):
    r, g, b = ((c >> s & 0xFF) / 255 for s in (16, 8, 0))
    ink = 1 - (r + g + b) / 3  # how far the glyph pixel is from white
    return tuple((255 + (a - 255) * min(1.0, ink * 1.6)) / 255 for a in ACCENT)


def recolour(name, w, h, cells):
    out = []
    for i, c in enumerate(cells):
        x = i % w
        glyph = name == "CheckGlyphImage" or (name == "DropButtonImage" and x >= 8)
        if c == KEY:
            out.append((255, 0, 255))
        else:
            out.append(tuple(round(v * 255) for v in (accent(c) if glyph else darken(c))))
    return out


def png(w, h, pixels):
    rows = b"".join(b"\0" + bytes(v for p in pixels[y * w:(y + 1) * w] for v in p) for y in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, (w, h, cells) in read_tables().items():
        with open(os.path.join(OUT, name + ".png"), "wb") as f:
            f.write(png(w, h, recolour(name, w, h, cells)))
    with open(os.path.join(OUT, "skin.ini"), "w", encoding="utf-8", newline="\r\n") as f:
        f.write("; Drawn by tools/make_dark_skin.py\n[Skin]\nName=Dark\n\n[Colors]\n")
        f.writelines(f"{key}=0x{value:06X}\n" for key, value in COLORS)


if __name__ == "__main__":
    main()
