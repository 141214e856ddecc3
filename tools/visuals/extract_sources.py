#!/usr/bin/env python3
"""Copies the third-party geometry and icons the generator draws from into tools/sources/, once,
from the npm packages installed in a scratch folder:

    npm install --prefix /tmp/visnpm @svg-maps/spain@2.0.0 world-atlas@2.0.2 @twemoji/svg@15.0.0
    python3 -m visuals.extract_sources /tmp/visnpm/node_modules     (from tools/)

The generator itself reads only tools/sources/, so the repository rebuilds without npm.
"""

import json
import os
import shutil
import sys

from .icons import TWEMOJI_FILES

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "..", "sources")

# Neighbours drawn around Spain for orientation, clipped to the area the maps show.
# Spain itself only to tie longitude and latitude to the communities' outline.
NEIGHBOURS = ["Portugal", "France", "Andorra", "Italy", "Switzerland", "Spain"]
CLIP = (-11.0, 34.0, 10.0, 47.8)  # lon, lat, lon, lat: the whole frame of the maps
TOLERANCE = 0.006  # degrees, about 600 m: finer than a pixel of the finest map


def decode_arcs(topo):
    sx, sy = topo["transform"]["scale"]
    tx, ty = topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((x * sx + tx, y * sy + ty))
        arcs.append(pts)
    return arcs


def ring(arcs, indices):
    out = []
    for i in indices:
        pts = arcs[i] if i >= 0 else list(reversed(arcs[~i]))
        out.extend(pts if not out else pts[1:])
    return out


def clip(poly, box):
    x0, y0, x1, y1 = box

    def cut(points, inside, cross):
        out = []
        for k in range(len(points)):
            p, q = points[k - 1], points[k]
            if inside(q):
                if not inside(p):
                    out.append(cross(p, q))
                out.append(q)
            elif inside(p):
                out.append(cross(p, q))
        return out

    def at_x(xv):
        return lambda p, q: (xv, p[1] + (q[1] - p[1]) * (xv - p[0]) / (q[0] - p[0]))

    def at_y(yv):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (yv - p[1]) / (q[1] - p[1]), yv)

    pts = poly
    for inside, cross in ((lambda p: p[0] >= x0, at_x(x0)), (lambda p: p[0] <= x1, at_x(x1)),
                          (lambda p: p[1] >= y0, at_y(y0)), (lambda p: p[1] <= y1, at_y(y1))):
        if not pts:
            break
        pts = cut(pts, inside, cross)
    return pts


def simplify(points, tol):
    if len(points) < 4:
        return points

    def dp(a, b):
        (ax, ay), (bx, by) = points[a], points[b]
        best, index = -1.0, None
        for k in range(a + 1, b):
            px, py = points[k]
            dx, dy = bx - ax, by - ay
            n = (dx * dx + dy * dy) ** 0.5
            d = abs(dy * (px - ax) - dx * (py - ay)) / n if n else ((px - ax) ** 2 + (py - ay) ** 2) ** 0.5
            if d > best:
                best, index = d, k
        if best > tol:
            return dp(a, index)[:-1] + dp(index, b)
        return [points[a], points[b]]

    sys.setrecursionlimit(100000)
    return dp(0, len(points) - 1)


def neighbours(world_atlas):
    topo = json.load(open(os.path.join(world_atlas, "countries-10m.json")))
    arcs = decode_arcs(topo)
    out = {}
    for g in topo["objects"]["countries"]["geometries"]:
        name = g["properties"]["name"]
        if name not in NEIGHBOURS:
            continue
        polys = g["arcs"] if g["type"] == "MultiPolygon" else [g["arcs"]]
        rings = []
        for poly in polys:
            for r in poly[:1]:  # outer rings only: no neighbour here has lakes worth a pixel
                pts = clip(ring(arcs, r), CLIP)
                pts = simplify(pts, TOLERANCE)
                if len(pts) >= 3:
                    rings.append([[round(x, 3), round(y, 3)] for x, y in pts])
        if rings:
            out[name] = rings
    return out


def main():
    modules = sys.argv[1]
    os.makedirs(SOURCES, exist_ok=True)
    shutil.copy(os.path.join(modules, "@svg-maps", "spain", "spain.svg"), os.path.join(SOURCES, "spain.svg"))
    with open(os.path.join(SOURCES, "neighbours.json"), "w") as out:
        json.dump(neighbours(os.path.join(modules, "world-atlas")), out, separators=(",", ":"), sort_keys=True)
        out.write("\n")
    icons = os.path.join(SOURCES, "twemoji")
    os.makedirs(icons, exist_ok=True)
    for name in sorted(set(TWEMOJI_FILES)):
        shutil.copy(os.path.join(modules, "@twemoji", "svg", name + ".svg"), os.path.join(icons, name + ".svg"))


if __name__ == "__main__":
    main()
