#!/usr/bin/env python3
"""Draws the page themes shipped in data/themes: for each theme a background tile (t_),
a rule (l_), four arrows (w_ left, e_ right, n_ up, s_ down) and a question mark (q_).

Standard library only; run from anywhere: python3 scripts/make_themes.py
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "themes")

# name: (tile light, tile accent, ink dark, ink mid, ink light)
THEMES = {
    "ocean": ((0xEE, 0xF5, 0xFB), (0xDD, 0xEA, 0xF6), (0x1F, 0x4E, 0x79), (0x2E, 0x75, 0xB6), (0x9D, 0xC3, 0xE6)),
    "meadow": ((0xF3, 0xF8, 0xEC), (0xE4, 0xF0, 0xD6), (0x38, 0x57, 0x23), (0x54, 0x82, 0x35), (0xA9, 0xD0, 0x8E)),
    "sand": ((0xFB, 0xF6, 0xEC), (0xF3, 0xEA, 0xD7), (0x7F, 0x4F, 0x1C), (0xBF, 0x8F, 0x00), (0xE8, 0xCF, 0x9A)),
}


def lzw(pixels, min_size):
    """GIF LZW: codes packed little-endian bit first."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    table = {bytes([i]): i for i in range(clear)}
    next_code, size = end + 1, min_size + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    emit(clear)
    word = b""
    for p in pixels:
        candidate = word + bytes([p])
        if candidate in table:
            word = candidate
            continue
        emit(table[word])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table = {bytes([i]): i for i in range(clear)}
            next_code, size = end + 1, min_size + 1
        word = bytes([p])
    if word:
        emit(table[word])
    emit(end)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def write_gif(path, width, height, palette, pixels, transparent=None):
    palette = list(palette) + [(0, 0, 0)] * (16 - len(palette))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | 0x03, 0, 0)
    for rgb in palette:
        data += bytes(rgb)
    if transparent is not None:
        data += bytes([0x21, 0xF9, 4, 0x01, 0, 0, transparent, 0])
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data.append(4)
    encoded = lzw(pixels, 4)
    for i in range(0, len(encoded), 255):
        chunk = encoded[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3b"
    with open(path, "wb") as f:
        f.write(data)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def tile(colors):
    light, accent, dark, mid, pale = colors
    pal = [light, accent, mix(light, pale, 0.5), mix(accent, pale, 0.6)]
    size = 64
    px = []
    for y in range(size):
        for x in range(size):
            # soft diagonal weave with small diamonds
            d = (x + y) % 32
            e = (x - y) % 32
            v = 0
            if d < 2 or e < 2:
                v = 1
            cx, cy = (x % 32) - 16, (y % 32) - 16
            if abs(cx) + abs(cy) <= 3:
                v = 3
            elif abs(cx) + abs(cy) <= 5:
                v = 2
            px.append(v)
    return size, size, pal, px, None


def rule(colors):
    light, accent, dark, mid, pale = colors
    width, height = 480, 8
    pal = [(255, 255, 255)] + [mix(pale, dark, i / 6) for i in range(7)]
    px = []
    for y in range(height):
        # thicker in the middle, fading towards both ends
        thick = 1 - abs(y - 3.5) / 4
        for x in range(width):
            fade = math.sin(math.pi * x / (width - 1))
            level = fade * thick
            px.append(0 if level < 0.08 else 1 + min(6, int(level * 7)))
    return width, height, pal, px, 0


def inside_arrow(x, y, size, direction):
    """Point (x, y) of a right-pointing arrow, rotated to the direction."""
    c = (size - 1) / 2
    u, v = x - c, y - c
    if direction == "w":
        u = -u
    elif direction == "n":
        u, v = -v, u
    elif direction == "s":
        u, v = v, u
    # shaft from -11 to 2, half height 4; head from 1 to 12
    if -11 <= u <= 2 and abs(v) <= 4:
        return True
    return 1 <= u <= 12 and abs(v) <= (12 - u) * 0.95


def button(colors, shape):
    light, accent, dark, mid, pale = colors
    size = 32
    pal = [(255, 255, 255), dark, mid, pale, mix(mid, (255, 255, 255), 0.35), (255, 255, 255)]
    px = []
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r > 15.5:
                v = 0
            elif r > 14.3:
                v = 1
            else:
                # lighter towards the upper left
                v = 4 if (x + y) < size - 6 else 2
                if shape(x, y):
                    v = 5
            px.append(v)
    return size, size, pal, px, 0


QUESTION = [
    "..####..",
    ".##..##.",
    ".....##.",
    "....##..",
    "...##...",
    "...##...",
    "........",
    "...##...",
]


def question(x, y):
    gx, gy = (x - 8) // 2, (y - 8) // 2
    return 0 <= gx < 8 and 0 <= gy < 8 and QUESTION[gy][gx] == "#"


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, colors in THEMES.items():
        images = {"t_": tile(colors), "l_": rule(colors), "q_": button(colors, question)}
        for prefix in "wens":
            images[prefix + "_"] = button(colors, lambda x, y, d=prefix: inside_arrow(x, y, 32, d))
        for prefix, (w, h, pal, px, transparent) in images.items():
            write_gif(os.path.join(OUT, prefix + name + ".gif"), w, h, pal, px, transparent)


if __name__ == "__main__":
    main()
