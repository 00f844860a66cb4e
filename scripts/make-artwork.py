#!/usr/bin/env python3
"""Draws Fournil's own artwork: an ear of wheat, as the logo (data/logo.gif, 300 x 300, so that it
stays crisp at 200 % and more), the window icon (data/fournil.png, 32 x 32, 16 colours), the
desktop icons of the hicolor theme (data/icons/hicolor/NxN/apps/fournil.png) and their scalable
form (data/icons/hicolor/scalable/apps/fournil.svg). Pure Python, no imaging library; run it
again after changing the drawing and commit the files."""

import math
import struct
import zlib
from pathlib import Path

GOLD = (222, 170, 60)
GOLD_LIGHT = (244, 208, 120)
BROWN = (140, 90, 30)


def ear_shapes():
    """The ear as a list of (kind, params, colour), in a 1 x 1 square, y down."""
    shapes = []
    # Stem: a gently curved line from the bottom up through the ear.
    stem = [(0.50 + 0.06 * math.sin(t * 1.6), 0.97 - 0.80 * t) for t in [i / 40 for i in range(41)]]
    for a, b in zip(stem, stem[1:]):
        shapes.append(("line", (a, b, 0.022), BROWN))
    # Grains in pairs up the stem, leaning outwards, each with an awn.
    for k in range(6):
        t = 0.42 + 0.09 * k
        cx = 0.50 + 0.06 * math.sin(t * 1.6)
        cy = 0.97 - 0.80 * t
        size = 1.0 - 0.08 * k
        for side in (-1, 1):
            angle = math.radians(90 - side * 32)
            gx = cx + side * 0.065 * size
            gy = cy - 0.01
            shapes.append(("ellipse", (gx, gy, 0.095 * size, 0.045 * size, angle), BROWN))
            shapes.append(("ellipse", (gx, gy, 0.080 * size, 0.032 * size, angle), GOLD))
            shapes.append(("ellipse", (gx - side * 0.01, gy - 0.012, 0.04 * size, 0.012 * size, angle), GOLD_LIGHT))
            tip = (gx + math.cos(angle) * 0.09 * size * side * 0 + side * 0.04 * size,
                   gy - 0.085 * size)
            awn_end = (tip[0] + side * 0.10, tip[1] - 0.20)
            shapes.append(("line", (tip, awn_end, 0.007), BROWN))
    # The top grain and its awn.
    top = (0.50 + 0.06 * math.sin(0.98 * 1.6), 0.97 - 0.80 * 0.96)
    shapes.append(("ellipse", (top[0], top[1], 0.075, 0.04, math.radians(90)), BROWN))
    shapes.append(("ellipse", (top[0], top[1], 0.062, 0.028, math.radians(90)), GOLD))
    shapes.append(("line", ((top[0], top[1] - 0.06), (top[0] + 0.01, 0.02), 0.007), BROWN))
    return shapes


def inside(shape, x, y):
    kind, p, _ = shape
    if kind == "ellipse":
        cx, cy, a, b, angle = p
        dx, dy = x - cx, y - cy
        u = dx * math.cos(angle) + dy * math.sin(angle)
        v = -dx * math.sin(angle) + dy * math.cos(angle)
        return (u / a) ** 2 + (v / b) ** 2 <= 1
    (x1, y1), (x2, y2), r = p
    vx, vy = x2 - x1, y2 - y1
    t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)))
    return (x - x1 - t * vx) ** 2 + (y - y1 - t * vy) ** 2 <= r * r


def render(size, samples=4):
    """RGBA pixels, anti-aliased by supersampling."""
    shapes = ear_shapes()
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    colour = None
                    for shape in shapes:
                        if inside(shape, x, y):
                            colour = shape[2]
                    if colour:
                        covered += 1
                        acc = [a + c for a, c in zip(acc, colour)]
            n = samples * samples
            if covered:
                row.append(tuple(round(a / covered) for a in acc) + (round(255 * covered / n),))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def quantise(pixels, colours, background):
    """Blends partial coverage onto the background, then keeps the most used colours."""
    flat = []
    for row in pixels:
        for r, g, b, a in row:
            if a < 40:
                flat.append(None)
            else:
                k = a / 255
                flat.append(tuple(round(c * k + bg * (1 - k)) for c, bg in zip((r, g, b), background)))
    counts = {}
    for c in flat:
        if c is not None:
            key = tuple(v >> 3 for v in c)
            counts[key] = counts.get(key, 0) + 1
    palette = [tuple((v << 3) | 4 for v in key) for key, _ in sorted(counts.items(), key=lambda kv: -kv[1])[: colours - 1]]

    def nearest(c):
        return min(range(len(palette)), key=lambda i: sum((p - q) ** 2 for p, q in zip(palette[i], c)))

    indexes = [0 if c is None else 1 + nearest(c) for c in flat]
    return [(0, 0, 0)] + palette, indexes


def lzw(indexes, min_code_size):
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    table = {(i,): i for i in range(clear)}
    code_size, next_code = min_code_size + 1, end + 1
    bits, nbits, out = 0, 0, bytearray()

    def put(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    put(clear)
    w = ()
    for k in indexes:
        wk = w + (k,)
        if wk in table:
            w = wk
            continue
        put(table[w])
        if next_code < 4096:
            table[wk] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            put(clear)
            table = {(i,): i for i in range(clear)}
            code_size, next_code = min_code_size + 1, end + 1
        w = (k,)
    put(table[w])
    put(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, size, palette, indexes):
    depth = max(1, (len(palette) - 1).bit_length())
    palette = palette + [(0, 0, 0)] * ((1 << depth) - len(palette))
    data = bytearray(b"GIF89a" + struct.pack("<HHBBB", size, size, 0x80 | ((depth - 1) << 4) | (depth - 1), 0, 0))
    for c in palette:
        data += bytes(c)
    data += b"\x21\xF9\x04\x01\x00\x00\x00\x00"  # colour 0 is transparent
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, size, size, 0)
    min_code = max(2, depth)
    data.append(min_code)
    packed = lzw(indexes, min_code)
    for i in range(0, len(packed), 255):
        chunk = packed[i:i + 255]
        data += bytes([len(chunk)]) + chunk
    data += b"\x00\x3B"
    Path(path).write_bytes(bytes(data))


def write_png(path, size, palette, indexes):
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(indexes[y * size:(y + 1) * size]) for y in range(size))
    plte = b"".join(bytes(c) for c in palette)
    trns = bytes([0] + [255] * (len(palette) - 1))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", plte) + chunk(b"tRNS", trns) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def write_svg(path):
    """The same shapes as vector paths, in a 256 x 256 box."""
    def hexa(c):
        return "#%02x%02x%02x" % c
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 1 1">']
    for kind, p, colour in ear_shapes():
        if kind == "ellipse":
            cx, cy, a, b, angle = p
            parts.append('<ellipse cx="%.4f" cy="%.4f" rx="%.4f" ry="%.4f" fill="%s" '
                         'transform="rotate(%.2f %.4f %.4f)"/>'
                         % (cx, cy, a, b, hexa(colour), math.degrees(angle), cx, cy))
        else:
            (x1, y1), (x2, y2), r = p
            parts.append('<line x1="%.4f" y1="%.4f" x2="%.4f" y2="%.4f" stroke="%s" '
                         'stroke-width="%.4f" stroke-linecap="round"/>'
                         % (x1, y1, x2, y2, hexa(colour), 2 * r))
    parts.append("</svg>")
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text("\n".join(parts) + "\n")


def main():
    data = Path(__file__).resolve().parent.parent / "data"
    background = (239, 239, 239)
    palette, indexes = quantise(render(300, 2), 64, background)
    write_gif(data / "logo.gif", 300, palette, indexes)
    palette, indexes = quantise(render(32, 6), 16, background)
    write_png(data / "fournil.png", 32, palette, indexes)
    for size in (16, 32, 48, 64, 128, 256):
        palette, indexes = quantise(render(size, 6 if size <= 64 else 2), 64, background)
        icon = data / "icons" / "hicolor" / f"{size}x{size}" / "apps" / "fournil.png"
        icon.parent.mkdir(parents=True, exist_ok=True)
        write_png(icon, size, palette, indexes)
    write_svg(data / "icons" / "hicolor" / "scalable" / "apps" / "fournil.svg")


if __name__ == "__main__":
    main()
