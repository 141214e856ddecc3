#!/usr/bin/env python3
"""Draws the program's icon for the desktop menus at the usual hicolor sizes.

    tools/make_app_icon.py [--out DIR] [--check]

DIR defaults to packaging/icons; it receives velmora-<size>.png for each size. The icon is a pale
blue tile with a navy border, like the program's panels, holding the graduation cap of the icon
set the program already draws its family and branch icons from (data/NOTICE). Running it again
writes the same bytes.
"""

import argparse
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from visuals import imagefile, svgdoc  # noqa: E402
from visuals.raster import Canvas  # noqa: E402

SIZES = (16, 24, 32, 48, 64, 128, 256)
NAVY = (0, 0, 128)
PALE_BLUE = (223, 236, 249)
CAP = os.path.join(HERE, "sources", "twemoji", "1f393.svg")


def rounded_square(x0, y0, x1, y1, r, steps=12):
    points = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for k in range(steps + 1):
            a = math.radians(start + 90.0 * k / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def icon(size):
    canvas = Canvas(size, size)
    border = max(1.0, size / 24.0)
    radius = size / 6.0
    canvas.fill([rounded_square(0, 0, size, size, radius)], NAVY, ss=6)
    canvas.fill([rounded_square(border, border, size - border, size - border,
                                max(radius - border, 0.5))], PALE_BLUE, ss=6)
    with open(CAP, encoding="utf-8") as f:
        cap = svgdoc.render(f.read(), size, pad=size / 8.0)
    canvas.draw(cap, 0, 0)
    return imagefile.png(canvas.rgba_rows(), alpha=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(HERE, "..", "packaging", "icons"))
    parser.add_argument("--check", action="store_true",
                        help="compare with the icons in DIR instead of writing them")
    args = parser.parse_args()
    out = os.path.normpath(args.out)
    if not args.check:
        os.makedirs(out, exist_ok=True)
    drifted = []
    for size in SIZES:
        path = os.path.join(out, "velmora-%d.png" % size)
        drawn = icon(size)
        if args.check:
            with open(path, "rb") as f:
                if f.read() != drawn:
                    drifted.append(path)
            continue
        with open(path, "wb") as f:
            f.write(drawn)
    for path in drifted:
        print("%s differs from what tools/make_app_icon.py draws" % path)
    return 1 if drifted else 0


if __name__ == "__main__":
    sys.exit(main())
