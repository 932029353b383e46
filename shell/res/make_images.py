#!/usr/bin/env python3
"""Draws the import command's images: a feature control frame (three boxed
compartments) over a datum triangle, as two palette bitmaps and two RGBA PNGs.

Run from this folder; the outputs are committed beside it."""
import struct
import zlib

INK = (32, 48, 96)
FRAME = (250, 250, 250)
DATUM = (214, 96, 32)


def picture(size):
    """RGBA rows: a frame across the upper part, a triangle below it."""
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    top, bottom = size // 8, size // 2
    cuts = (size // 3, 2 * size // 3)
    for y in range(top, bottom + 1):
        for x in range(1, size - 1):
            edge = y in (top, bottom) or x in (1, size - 2) or x in cuts
            pixels[y][x] = INK + (255,) if edge else FRAME + (255,)
    apex, base = bottom + 2, size - 2
    for y in range(apex, base + 1):
        half = (y - apex) * size // (3 * max(1, base - apex))
        for x in range(size // 2 - half, size // 2 + half + 1):
            pixels[y][x] = DATUM + (255,)
    return pixels


def palette_of(colours):
    """The picture's colours, then a grey ramp filling the palette."""
    used = []
    for colour in [(255, 255, 255)] + colours:
        if colour not in used:
            used.append(colour)
    return used


def bmp(size, palette_size):
    rows = picture(size)
    palette = palette_of([INK, FRAME, DATUM])
    step = 0
    while len(palette) < palette_size:
        grey = 255 - (step * 255) // palette_size
        palette.append((grey, grey, (grey + step) % 256))
        step += 1
    index = {colour: i for i, colour in enumerate(palette)}
    stride = (size + 3) & ~3
    body = b""
    for row in reversed(rows):  # bitmaps run bottom-up
        line = bytes(index[p[:3]] if p[3] else 0 for p in row)
        body += line + b"\0" * (stride - size)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 8, 0, len(body), 2835, 2835,
                       palette_size, palette_size)
    offset = 14 + len(info) + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + colours + body


def png(size):
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in picture(size))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    open("Draftlift16.bmp", "wb").write(bmp(16, 53))
    open("Draftlift24.bmp", "wb").write(bmp(24, 65))
    open("Draftlift16.png", "wb").write(png(16))
    open("Draftlift32.png", "wb").write(png(32))
