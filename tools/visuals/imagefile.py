"""Writers for the picture and sound formats the program reads: PNG, BMP and WAV.

Each writer is a pure function of its input, so the files come out the same on every run.
"""

import struct
import zlib


def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png(rows, alpha=False):
    """rows: lists of (r, g, b) or (r, g, b, a). A palette image when 256 colours or fewer
    (with a transparency chunk when alpha is used), otherwise true colour."""
    height = len(rows)
    width = len(rows[0])
    if not alpha:
        rows = [[p[:3] for p in row] for row in rows]
    colours = {}
    for row in rows:
        for p in row:
            if p not in colours:
                colours[p] = None
                if len(colours) > 256:
                    break
        if len(colours) > 256:
            break
    if len(colours) <= 256:
        # Order the palette by first appearance: deterministic and compresses well.
        palette = list(colours)
        index = {p: k for k, p in enumerate(palette)}
        raw = bytearray()
        for row in rows:
            raw.append(0)
            raw.extend(index[p] for p in row)
        plte = b"".join(bytes(p[:3]) for p in palette)
        ihdr = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
        out = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"PLTE", plte)
        if alpha and any(p[3] != 255 for p in palette):
            out += _chunk(b"tRNS", bytes(p[3] for p in palette))
        return out + _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b"")
    channels = 4 if alpha else 3
    raw = bytearray()
    prev = bytes(width * channels)
    for row in rows:
        line = bytes(v for p in row for v in p[:channels])
        raw.extend(_best_filter(line, prev, channels))
        prev = line
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + _chunk(b"IEND", b""))


def _best_filter(line, prev, bpp):
    """The row filter with the smallest sum of absolute values (the usual heuristic)."""
    n = len(line)
    candidates = []
    sub = bytearray(n)
    up = bytearray(n)
    avg = bytearray(n)
    pae = bytearray(n)
    for i in range(n):
        a = line[i - bpp] if i >= bpp else 0
        b = prev[i]
        c = prev[i - bpp] if i >= bpp else 0
        x = line[i]
        sub[i] = (x - a) & 0xFF
        up[i] = (x - b) & 0xFF
        avg[i] = (x - ((a + b) >> 1)) & 0xFF
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
        pae[i] = (x - pred) & 0xFF
    for kind, data in ((0, line), (1, sub), (2, up), (3, avg), (4, pae)):
        cost = sum(v if v < 128 else 256 - v for v in data)
        candidates.append((cost, kind, data))
    cost, kind, data = min(candidates, key=lambda c: (c[0], c[1]))
    return bytes([kind]) + bytes(data)


def bmp(rows):
    """An uncompressed BMP: 8-bit with a palette when 256 colours or fewer, else 24-bit."""
    height = len(rows)
    width = len(rows[0])
    rows = [[p[:3] for p in row] for row in rows]
    colours = {}
    for row in rows:
        for p in row:
            colours.setdefault(p, None)
    if len(colours) <= 256:
        palette = list(colours)
        index = {p: k for k, p in enumerate(palette)}
        stride = (width + 3) & ~3
        pixels = bytearray()
        for row in reversed(rows):
            line = bytes(index[p] for p in row)
            pixels += line + bytes(stride - width)
        table = b"".join(bytes((p[2], p[1], p[0], 0)) for p in palette)
        offset = 54 + len(table)
        header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835,
                           len(palette), 0)
        return header + info + table + bytes(pixels)
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytes(v for p in row for v in (p[2], p[1], p[0]))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


def wav(samples, rate):
    """8-bit unsigned mono PCM; samples are integers 0..255."""
    data = bytes(samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\x00"
    return b"RIFF" + struct.pack("<I", len(body)) + body


LIBRARY_MAGIC = b"VLMIMGS1"


def library(images):
    """An image library of the program's own format: the images by name, each a PNG.

        "VLMIMGS1", image count (u32)
        per image: name length (u8), name (ASCII), frame width (u16), height (u16),
                   frames (u16, side by side in the picture), PNG length (u32), PNG

    Integers are little-endian. `images`: [(name, frames, rgba rows)], written in that order.
    """
    out = bytearray(LIBRARY_MAGIC)
    out += struct.pack("<I", len(images))
    for name, frames, rows in images:
        encoded = name.encode("ascii")
        picture = png(rows, alpha=True)
        width = len(rows[0])
        if width % frames:
            raise ValueError("%s: width %d is not %d frames" % (name, width, frames))
        out += struct.pack("<B", len(encoded)) + encoded
        out += struct.pack("<HHHI", width // frames, len(rows), frames, len(picture))
        out += picture
    return bytes(out)
