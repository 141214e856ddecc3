#!/usr/bin/env python3
"""Writes plain stand-ins for the start-up pictures and the region grids that the data folder
does not have yet, so that the program starts whole while the real pictures are being drawn.

A file that already exists is never touched. Usage:

    tools/make_standins.py [DATA_FOLDER]     (default: data/velmora20_21 beside this script)

Each stand-in has the size the screens expect. "puntos3" is a region file in its exact layout
(281 records of 636 little-endian 32-bit values: 196 communities, 220 of map C, 220 of map M),
whose communities grid puts every community's marker point inside that community's own region;
"mapa", "mapac" and "mapam" are drawn from the same grids.
"""

import os
import struct
import sys

WIDTH = 281
COMMUNITY_HEIGHT = 196
DIVISION_HEIGHT = 220

# The marker point of each community 1..19 on the communities map.
MARKERS = [
    (102, 141), (156, 73), (82, 41), (221, 100), (204, 162), (111, 42), (128, 108),
    (100, 68), (188, 64), (77, 111), (58, 49), (131, 60), (114, 89), (148, 133),
    (143, 52), (160, 107), (130, 47), (83, 171), (136, 174),
]
# Farther than this from every seed a cell is sea (region 0).
REACH = 45

SEA = (170, 211, 235)


def bmp_bytes(width, height, pixel):
    """A 24-bit BMP; pixel(x, y) gives (r, g, b) with y = 0 at the top."""
    row_size = (width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(height - 1, -1, -1):  # rows bottom up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixels += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


def region_colour(region):
    if region == 0:
        return SEA
    # Distinct soft colours, one per region number.
    return (120 + (region * 67) % 130, 120 + (region * 131) % 130, 110 + (region * 29) % 120)


def grid_of(seeds, height):
    """Cell (x, y), both from 1: the number of the nearest seed, or 0 beyond REACH of all."""
    grid = []
    for x in range(1, WIDTH + 1):
        column = []
        for y in range(1, height + 1):
            best, best_d = 0, None
            for n, (sx, sy) in enumerate(seeds, start=1):
                d = (sx - x) ** 2 + (sy - y) ** 2
                if best_d is None or d < best_d:
                    best, best_d = n, d
            column.append(best if best_d <= REACH * REACH else 0)
        grid.append(column)
    return grid


def spread_seeds(count, height):
    """`count` seeds laid out in rows over the land part of a map."""
    columns = 7
    rows = (count + columns - 1) // columns
    seeds = []
    for i in range(count):
        r, c = divmod(i, columns)
        x = 40 + c * (WIDTH - 80) // (columns - 1)
        y = 30 + r * (height - 60) // max(rows - 1, 1)
        seeds.append((x, y))
    return seeds


def map_picture(grid, height):
    def pixel(x, y):
        region = grid[x][y]
        # A darker edge where the region changes, so the divisions can be seen.
        for dx, dy in ((1, 0), (0, 1)):
            nx, ny = x + dx, y + dy
            if nx < WIDTH and ny < height and grid[nx][ny] != region:
                return (90, 90, 90)
        return region_colour(region)
    return bmp_bytes(WIDTH, height, pixel)


def region_file(communities, c, m):
    out = bytearray()
    for x in range(WIDTH):
        values = communities[x] + c[x] + m[x]
        out += struct.pack("<%di" % len(values), *values)
    assert len(out) == 714864
    return bytes(out)


def gradient(width, height, top, bottom, stripe=None):
    def pixel(x, y):
        t = y / max(height - 1, 1)
        colour = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        if stripe and (x // stripe + y // stripe) % 2:
            colour = tuple(max(v - 18, 0) for v in colour)
        return colour
    return bmp_bytes(width, height, pixel)


def standins():
    communities = grid_of(MARKERS, COMMUNITY_HEIGHT)
    for n, (x, y) in enumerate(MARKERS, start=1):
        assert communities[x - 1][y - 1] == n, n
    c = grid_of(spread_seeds(41, DIVISION_HEIGHT), DIVISION_HEIGHT)
    m = grid_of(spread_seeds(28, DIVISION_HEIGHT), DIVISION_HEIGHT)
    return {
        "portada": lambda: gradient(500, 500, (223, 236, 249), (120, 160, 210)),
        "parte": lambda: gradient(171, 305, (236, 220, 190), (200, 170, 130), stripe=16),
        "suelo": lambda: gradient(100, 100, (235, 235, 225), (215, 215, 200), stripe=25),
        "marco": lambda: gradient(20, 100, (0, 0, 128), (60, 60, 170)),
        "marcoar": lambda: gradient(100, 50, (60, 60, 170), (0, 0, 128)),
        "rotulon.bmp": lambda: gradient(97, 57, (255, 255, 204), (231, 90, 94)),
        "chica.bmp": lambda: gradient(80, 100, (255, 239, 206), (231, 90, 94)),
        "heli.bmp": lambda: gradient(120, 60, (223, 236, 249), (0, 169, 251)),
        "mapa": lambda: map_picture(communities, COMMUNITY_HEIGHT),
        "mapac": lambda: map_picture(c, DIVISION_HEIGHT),
        "mapam": lambda: map_picture(m, DIVISION_HEIGHT),
        "puntos3": lambda: region_file(communities, c, m),
    }


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "velmora20_21"))
    os.makedirs(folder, exist_ok=True)
    for name, make in standins().items():
        path = os.path.join(folder, name)
        if os.path.exists(path):
            continue
        content = make()
        try:
            # "x" never replaces a file, even one written a moment ago by someone else.
            with open(path, "xb") as out:
                out.write(content)
        except FileExistsError:
            continue
        print("wrote stand-in", path)


if __name__ == "__main__":
    main()
