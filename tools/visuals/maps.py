"""The three region maps and their region grids ("mapa", "mapac", "mapam", "puntos3") and the
comarca and zone files ("comarcas", "comarcasm").

Each map is first computed as a grid of region numbers, one per pixel (point-sampled at the
pixel's centre, no anti-aliasing); the picture is then painted from that grid, so that what the
student sees and what the hit test answers agree pixel for pixel: every pixel painted in a
region's colours belongs to that region, and the sea, the neighbours and the frame are region 0.
"""

import json
import math
import os
import struct
import xml.etree.ElementTree as ET

from . import geometry as geo
from . import raster

WIDTH = 281
COMMUNITY_HEIGHT = 196
DIVISION_HEIGHT = 220
REGION_FILE_SIZE = 714864

# The marker point of each community 1..19 on the communities map (fixed by the program).
MARKERS = [
    (102, 141), (156, 73), (82, 41), (221, 100), (204, 162), (111, 42), (128, 108),
    (100, 68), (188, 64), (77, 111), (58, 49), (131, 60), (114, 89), (148, 133),
    (143, 52), (160, 107), (130, 47), (83, 171), (136, 174),
]

# Community numbers follow the Castilian names in alphabetical order, the two cities last.
COMMUNITY_SHAPES = [
    "andalusia", "aragon", "asturias", "balearic-islands", "canary-islands", "cantabria",
    "castile-la-mancha", "castile-and-leon", "catalonia", "extremadura", "galicia", "la-rioja",
    "madrid", "murcia", "navarre", "valencia", "basque-country",
]

# The source map's frame to the communities map: one scale and shift fitted so that the marker
# points fall in their communities; the Balearic Islands move 2 pixels west and 1 south so that
# (221, 100) lies on Menorca, and the Canary Islands go into an inset in the sea south of the Balearics,
# 1.3 times larger, with (204, 162) on Tenerife.
MAINLAND = (0.5163, 0.0, 0.0, 0.4837, -88.10, 31.56)
BALEARIC = geo.multiply(geo.translate(-2.0, 1.0), MAINLAND)
CANARY_SCALE = 1.3
CANARY_ORIGIN = (174.0, 140.0)  # where the islands' bounding box starts, before the frame margin

# Landmarks that tie longitude and latitude to the source map's frame (Mercator, then an affine
# fit): Cabo Touriñán, Estaca de Bares, Cap de Creus, Punta de Tarifa, Cabo de Peñas and the
# mouth of the Sénia, each an extreme point of the outline of its community.
LANDMARKS = [
    ("galicia", "min_x", -9.301, 43.052),
    ("galicia", "min_y", -7.686, 43.790),
    ("catalonia", "max_x", 3.322, 42.319),
    ("andalusia", "max_y", -5.609, 36.001),
    ("asturias", "min_y", -5.848, 43.655),
    ("catalonia", "max_y", 0.516, 40.523),
]

SEA = (181, 217, 239)
FOREIGN = (228, 225, 214)
FOREIGN_EDGE = (196, 191, 178)
NEIGHBOUR = (214, 214, 208)
NEIGHBOUR_EDGE = (178, 178, 172)
FRAME = (90, 90, 110)

# Soft colours for regions; neighbouring regions never share one.
PALETTE = [
    (244, 208, 112), (150, 204, 132), (240, 156, 140), (160, 190, 232), (214, 170, 222),
    (246, 178, 108), (128, 204, 196), (226, 226, 128),
]

# Ceuta and Melilla: too small to see at this scale, drawn as small enlarged shapes on the
# African coast, around their marker points.
CITY_SHAPES = {
    18: [(-2, -1), (-1, -1), (0, -1), (1, -1), (-2, 0), (-1, 0), (0, 0), (1, 0), (2, 0), (-1, 1), (0, 1), (1, 1)],
    19: [(-1, -1), (0, -1), (1, -1), (-1, 0), (0, 0), (1, 0), (2, 0), (-1, 1), (0, 1), (1, 1), (0, 2)],
}


# --- sources ---

def load_spain(sources):
    root = ET.parse(os.path.join(sources, "spain.svg")).getroot()
    shapes = {}
    for node in root.iter("{http://www.w3.org/2000/svg}path"):
        shapes[node.get("id")] = geo.flatten_path(node.get("d"))
    return shapes


def load_neighbours(sources):
    with open(os.path.join(sources, "neighbours.json"), encoding="utf-8") as f:
        return json.load(f)


def _towns(text):
    return [tuple(float(v) for v in p.split(",")) for p in text.split(";") if p]


def load_comarcas(sources):
    """[(number, code, name, area, [(lat, lon)...])] in number order."""
    rows = []
    for line in _lines(os.path.join(sources, "comarcas.txt")):
        number, code, name, area, towns = line.split("|")
        rows.append((int(number), code, name, area, _towns(towns)))
    rows.sort()
    return rows


def load_barcelones(sources):
    return [tuple(line.split("|")) for line in _lines(os.path.join(sources, "barcelones.txt"))]


def load_zones(sources):
    rows = []
    for line in _lines(os.path.join(sources, "madrid.txt")):
        zone, code, names, towns = line.split("|")
        rows.append((int(zone), code, names.split("/"), _towns(towns)))
    rows.sort()
    return rows


def _lines(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("#"):
                yield line


# --- longitude and latitude on the source map ---

def _mercator(lon, lat):
    return (math.radians(lon), math.log(math.tan(math.pi / 4 + math.radians(lat) / 2)))


def _extreme(rings, which):
    pts = [p for r in rings for p in r]
    key = {"min_x": lambda p: p[0], "max_x": lambda p: -p[0], "min_y": lambda p: p[1],
           "max_y": lambda p: -p[1]}[which]
    return min(pts, key=key)


def _solve(rows, values):
    """Least squares for v = sum of coefficient k times feature k."""
    n = len(rows[0])
    m = [[0.0] * n for _ in range(n)]
    v = [0.0] * n
    for r, val in zip(rows, values):
        for i in range(n):
            v[i] += r[i] * val
            for j in range(n):
                m[i][j] += r[i] * r[j]
    for i in range(n):
        p = max(range(i, n), key=lambda k: abs(m[k][i]))
        m[i], m[p] = m[p], m[i]
        v[i], v[p] = v[p], v[i]
        for k in range(n):
            if k != i:
                f = m[k][i] / m[i][i]
                for j in range(n):
                    m[k][j] -= f * m[i][j]
                v[k] -= f * v[i]
    return [v[i] / m[i][i] for i in range(n)]


def _features(lon, lat, degree):
    X, Y = _mercator(lon, lat)
    if degree == 1:
        return (1.0, X, Y)
    return (1.0, X, Y, X * X, X * Y, Y * Y)


def _outline_points(spain, per_unit=2):
    """Boundary points of the mainland communities taken together, in the source map's units."""
    rings = [r for name in COMMUNITY_SHAPES if name not in ("balearic-islands", "canary-islands")
             for r in spain[name]]
    x0, y0, x1, y1 = geo.bbox(rings)
    w, h = int((x1 - x0) * per_unit) + 3, int((y1 - y0) * per_unit) + 3
    m = (per_unit, 0.0, 0.0, per_unit, (1 - x0) * per_unit, (1 - y0) * per_unit)
    grid = [[0] * w for _ in range(h)]
    for name in COMMUNITY_SHAPES:
        if name in ("balearic-islands", "canary-islands"):
            continue
        raster.label_fill(grid, w, h, [geo.apply_all(m, r) for r in spain[name]], 1)
    for _ in range(2):  # close the slivers between neighbouring communities
        fix = [(x, y) for y in range(1, h - 1) for x in range(1, w - 1) if not grid[y][x] and
               grid[y - 1][x] + grid[y + 1][x] + grid[y][x - 1] + grid[y][x + 1] >= 3]
        for x, y in fix:
            grid[y][x] = 1
    pts = []
    for y in range(1, h - 1):
        for x in range(1, w - 1):
            if grid[y][x] and not (grid[y - 1][x] and grid[y + 1][x] and grid[y][x - 1] and grid[y][x + 1]):
                pts.append(((x + 0.5) / per_unit + x0 - 1.0, (y + 0.5) / per_unit + y0 - 1.0))
    return pts


def lonlat_projection(spain, neighbours=None):
    """Longitude and latitude to the source map's frame. A first affine fit on Mercator
    coordinates from the landmarks; then, when the outline of Spain is at hand, the outline is
    matched to the communities' outline point by point (nearest points, a few rounds) with a
    quadratic fit, which also follows the source map's own projection."""
    rows, xs, ys = [], [], []
    for shape, which, lon, lat in LANDMARKS:
        sx, sy = _extreme(spain[shape], which)
        rows.append(_features(lon, lat, 1))
        xs.append(sx)
        ys.append(sy)
    cx, cy, degree = _solve(rows, xs), _solve(rows, ys), 1
    if neighbours and "Spain" in neighbours:
        outline = _outline_points(spain)
        cell = 2.0
        buckets = {}
        for p in outline:
            buckets.setdefault((int(p[0] // cell), int(p[1] // cell)), []).append(p)
        ring = max(neighbours["Spain"], key=len)
        for rounds in range(8):
            pairs = []
            for lon, lat in ring:
                f = _features(lon, lat, degree)
                px = sum(a * b for a, b in zip(cx, f))
                py = sum(a * b for a, b in zip(cy, f))
                bx, by = int(px // cell), int(py // cell)
                best = None
                for gx in range(bx - 2, bx + 3):
                    for gy in range(by - 2, by + 3):
                        for q in buckets.get((gx, gy), ()):
                            d = (q[0] - px) ** 2 + (q[1] - py) ** 2
                            if best is None or d < best[0]:
                                best = (d, q)
                if best is not None:
                    pairs.append((best[0], (lon, lat), best[1]))
            pairs.sort(key=lambda p: (p[0], p[1]))
            pairs = pairs[:int(len(pairs) * 0.9)]
            degree = 2
            rows = [_features(lon, lat, degree) for _, (lon, lat), _ in pairs]
            cx = _solve(rows, [q[0] for _, _, q in pairs])
            cy = _solve(rows, [q[1] for _, _, q in pairs])

    def project(lon, lat):
        f = _features(lon, lat, degree)
        return (sum(a * b for a, b in zip(cx, f)), sum(a * b for a, b in zip(cy, f)))
    return project


# --- grids ---

def new_grid(height, value=0):
    return [[value] * WIDTH for _ in range(height)]


def fill(grid, rings, m, label):
    raster.label_fill(grid, WIDTH, len(grid), [geo.apply_all(m, r) for r in rings], label)


def fill_gaps(grid, land_labels):
    """Pixels of no region enclosed by land on three or four sides (slivers between two shapes of
    the source) join the most common neighbouring region."""
    h = len(grid)
    for _ in range(2):
        changes = []
        for y in range(1, h - 1):
            for x in range(1, WIDTH - 1):
                if grid[y][x]:
                    continue
                near = [grid[y - 1][x], grid[y + 1][x], grid[y][x - 1], grid[y][x + 1]]
                near = [v for v in near if v in land_labels]
                if len(near) >= 3:
                    changes.append((x, y, max(sorted(set(near)), key=near.count)))
        for x, y, v in changes:
            grid[y][x] = v


def keep_largest_parts(grid, labels):
    """A region keeps its largest connected part (4-neighbourhood); a stray part that touches
    other regions joins the one that surrounds it most. A part that touches no other region (an
    island, an enclave such as Llívia) stays as it is."""
    h = len(grid)
    seen = [[False] * WIDTH for _ in range(h)]
    parts = {}
    for y in range(h):
        for x in range(WIDTH):
            v = grid[y][x]
            if v not in labels or seen[y][x]:
                continue
            stack = [(x, y)]
            seen[y][x] = True
            part = []
            while stack:
                px, py = stack.pop()
                part.append((px, py))
                for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if 0 <= nx < WIDTH and 0 <= ny < h and not seen[ny][nx] and grid[ny][nx] == v:
                        seen[ny][nx] = True
                        stack.append((nx, ny))
            parts.setdefault(v, []).append(part)
    original = {}
    for v, ps in sorted(parts.items()):
        ps.sort(key=lambda p: (-len(p), p[0]))
        for part in ps[1:]:
            touches = any(0 <= nx < WIDTH and 0 <= ny < h and grid[ny][nx] in labels and grid[ny][nx] != v
                          for x, y in part
                          for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)))
            if not touches:
                continue
            for x, y in part:
                original[(x, y)] = v
                grid[y][x] = -1
    for _ in range(50):
        pending = [(x, y) for y in range(h) for x in range(WIDTH) if grid[y][x] == -1]
        if not pending:
            break
        changes = []
        for x, y in pending:
            near = []
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < WIDTH and 0 <= ny < h and grid[ny][nx] in labels:
                    near.append(grid[ny][nx])
            if near:
                changes.append((x, y, max(sorted(set(near)), key=near.count)))
        for x, y, v in changes:
            grid[y][x] = v
    for (x, y), v in original.items():
        if grid[y][x] == -1:
            grid[y][x] = v


def _hash(ix, iy, k):
    n = (ix * 374761393 + iy * 668265263 + k * 2147483647) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    n ^= n >> 16
    return (n & 0xFFFF) / 32767.5 - 1.0


def _noise(x, y, k, cell):
    gx, gy = x / cell, y / cell
    ix, iy = math.floor(gx), math.floor(gy)
    fx, fy = gx - ix, gy - iy
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = _hash(ix, iy, k) + (_hash(ix + 1, iy, k) - _hash(ix, iy, k)) * sx
    b = _hash(ix, iy + 1, k) + (_hash(ix + 1, iy + 1, k) - _hash(ix, iy + 1, k)) * sx
    return a + (b - a) * sy


def divide(grid, mask_label, seeds, wobble, cell=9.0):
    """Every pixel of the mask takes the label of its nearest seed, measured from a position
    moved by smooth noise so that the borders wander like real ones."""
    h = len(grid)
    size = 12
    margin = wobble * 1.5 + 1
    buckets = {}
    for by in range(0, h, size):
        for bx in range(0, WIDTH, size):
            x0, y0, x1, y1 = bx - margin, by - margin, bx + size + margin, by + size + margin
            best = None
            for sx, sy, _ in seeds:
                dx = max(abs(sx - x0), abs(sx - x1))
                dy = max(abs(sy - y0), abs(sy - y1))
                far = dx * dx + dy * dy
                best = far if best is None or far < best else best
            cands = []
            for s in seeds:
                sx, sy, _ = s
                dx = max(x0 - sx, 0, sx - x1)
                dy = max(y0 - sy, 0, sy - y1)
                if dx * dx + dy * dy <= best:
                    cands.append(s)
            buckets[(bx, by)] = cands
    for y in range(h):
        for x in range(WIDTH):
            if grid[y][x] != mask_label:
                continue
            px = x + 0.5 + wobble * _noise(x, y, 1, cell)
            py = y + 0.5 + wobble * _noise(x, y, 2, cell)
            best, label = None, 0
            for sx, sy, lab in buckets[(x // size * size, y // size * size)]:
                d = (sx - px) ** 2 + (sy - py) ** 2
                if best is None or d < best:
                    best, label = d, lab
            grid[y][x] = label


# --- pictures from grids ---

def adjacency(grid):
    pairs = set()
    h = len(grid)
    for y in range(h):
        for x in range(WIDTH):
            v = grid[y][x]
            for nx, ny in ((x + 1, y), (x, y + 1)):
                if nx < WIDTH and ny < h:
                    w = grid[ny][nx]
                    if v > 0 and w > 0 and v != w:
                        pairs.add((min(v, w), max(v, w)))
    return pairs


def colouring(labels, pairs, palette=PALETTE):
    """Greedy colouring, the regions with most neighbours first; deterministic."""
    near = {v: set() for v in labels}
    for a, b in pairs:
        if a in near and b in near:
            near[a].add(b)
            near[b].add(a)
    order = sorted(labels, key=lambda v: (-len(near[v]), v))
    colour = {}
    for v in order:
        used = {colour[w] for w in near[v] if w in colour}
        free = [k for k in range(len(palette)) if k not in used] or list(range(len(palette)))
        # The least used free colour, so that the map uses the whole palette.
        counts = [sum(1 for c in colour.values() if c == k) for k in range(len(palette))]
        colour[v] = min(free, key=lambda k: (counts[k], k))
    return {v: palette[k] for v, k in colour.items()}


def shade(c, f):
    return tuple(int(round(v * f)) for v in c)


def paint(grid, colours, backdrop):
    """The map picture: each region in its colour, its edge pixels darker; elsewhere the
    backdrop (sea, neighbours, frame)."""
    h = len(grid)
    rows = []
    for y in range(h):
        row = []
        for x in range(WIDTH):
            v = grid[y][x]
            if v <= 0 or v not in colours:
                row.append(backdrop[y][x])
                continue
            edge = False
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < WIDTH and 0 <= ny < h and grid[ny][nx] != v:
                    edge = True
                    break
            row.append(shade(colours[v], 0.62) if edge else colours[v])
        rows.append(row)
    return rows


def backdrop(height, layers, base=SEA):
    """The base colour (the sea), then each (rings in pixels, colour, edge colour) layer,
    point-sampled."""
    canvas = [[base] * WIDTH for _ in range(height)]
    for rings, colour, edge in layers:
        g = new_grid(height)
        raster.label_fill(g, WIDTH, height, rings, 1)
        for y in range(height):
            for x in range(WIDTH):
                if g[y][x]:
                    border = any(not (0 <= nx < WIDTH and 0 <= ny < height) or not g[ny][nx]
                                 for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)))
                    canvas[y][x] = edge if border else colour
    return canvas


# --- the communities map ---

def communities_map(spain, neighbours, project):
    grid = new_grid(COMMUNITY_HEIGHT)
    for n, name in enumerate(COMMUNITY_SHAPES, start=1):
        if n != 5:
            fill(grid, spain[name], BALEARIC if n == 4 else MAINLAND, n)
    canary = canary_transform(spain)
    fill(grid, spain["canary-islands"], canary, 5)
    fill_gaps(grid, set(range(1, 18)) - {4, 5})
    for n, cells in CITY_SHAPES.items():
        mx, my = MARKERS[n - 1]
        for dx, dy in cells:
            grid[my - 1 + dy][mx - 1 + dx] = n
    # Cell (x, y) is pixel (x - 1, y - 1), and the marker is drawn round pixel (x, y): both must
    # lie in the community.
    for n, (x, y) in enumerate(MARKERS, start=1):
        for px, py in ((x - 1, y - 1), (x, y)):
            if grid[py][px] != n:
                raise AssertionError("marker of community %d falls on region %d" % (n, grid[py][px]))

    layers = []
    for name in ("Portugal", "France", "Andorra", "Italy", "Switzerland"):
        rings = [geo.apply_all(MAINLAND, [project(lon, lat) for lon, lat in r]) for r in neighbours.get(name, [])]
        layers.append((rings, FOREIGN, FOREIGN_EDGE))
    back = backdrop(COMMUNITY_HEIGHT, layers)
    frame_canary(back, spain, canary)
    for n, cells in CITY_SHAPES.items():
        mx, my = MARKERS[n - 1]
        xs = [mx - 1 + dx for dx, _ in cells]
        ys = [my - 1 + dy for _, dy in cells]
        frame_box(back, min(xs) - 3, min(ys) - 3, max(xs) + 3, max(ys) + 3)
    colours = colouring(range(1, 20), adjacency(grid))
    # The two cities share Andalusia's neighbours' rule: never the colour of the coast facing them.
    colours[18] = colours[19] = (230, 96, 96)
    return grid, paint(grid, colours, back)


def canary_transform(spain):
    rings = [geo.apply_all(MAINLAND, r) for r in spain["canary-islands"]]
    x0, y0, _, _ = geo.bbox(rings)
    ox, oy = CANARY_ORIGIN
    m = geo.multiply(geo.translate(ox, oy), geo.multiply(geo.scale(CANARY_SCALE), geo.translate(-x0, -y0)))
    return geo.multiply(m, MAINLAND)


def frame_canary(back, spain, canary):
    x0, y0, x1, y1 = geo.bbox([geo.apply_all(canary, r) for r in spain["canary-islands"]])
    frame_box(back, int(x0) - 4, int(y0) - 4, min(WIDTH - 2, int(x1) + 4), min(COMMUNITY_HEIGHT - 2, int(y1) + 4))


def frame_box(back, left, top, right, bottom):
    """An inset's frame: sea inside, a thin line round it."""
    for y in range(top + 1, bottom):
        for x in range(left + 1, right):
            back[y][x] = SEA
    for x in range(left, right + 1):
        back[top][x] = FRAME
        back[bottom][x] = FRAME
    for y in range(top, bottom + 1):
        back[y][left] = FRAME
        back[y][right] = FRAME


# --- the two divisions ---

def frame_for(rings, height, margin=7):
    """Scale and shift that fit the rings into the map with a margin, centred."""
    x0, y0, x1, y1 = geo.bbox(rings)
    s = min((WIDTH - 2 * margin) / (x1 - x0), (height - 2 * margin) / (y1 - y0))
    ox = (WIDTH - (x1 - x0) * s) / 2.0 - x0 * s
    oy = (height - (y1 - y0) * s) / 2.0 - y0 * s
    return (s, 0.0, 0.0, s, ox, oy)


def division_map(spain, neighbours, project, shape, regions, context, foreign, wobble, base=SEA):
    """regions: [(label, [(lat, lon)...])]."""
    m = frame_for(spain[shape], DIVISION_HEIGHT)
    grid = new_grid(DIVISION_HEIGHT)
    fill(grid, spain[shape], m, -2)
    seeds = []
    for label, towns in regions:
        for lat, lon in towns:
            x, y = geo.apply(m, *project(lon, lat))
            seeds.append((x, y, label))
    divide(grid, -2, seeds, wobble)
    labels = [label for label, _ in regions]
    keep_largest_parts(grid, set(labels))
    layers = []
    for name in foreign:
        rings = [geo.apply_all(m, [project(lon, lat) for lon, lat in r]) for r in neighbours.get(name, [])]
        layers.append((rings, FOREIGN, FOREIGN_EDGE))
    for name in context:
        layers.append(([geo.apply_all(m, r) for r in spain[name]], NEIGHBOUR, NEIGHBOUR_EDGE))
    back = backdrop(DIVISION_HEIGHT, layers, base)
    colours = colouring(labels, adjacency(grid))
    return grid, paint(grid, colours, back), m


def comarcas_map(spain, neighbours, project, comarcas):
    regions = [(number, towns) for number, _, _, _, towns in comarcas]
    grid, rows, _ = division_map(spain, neighbours, project, "catalonia", regions,
                                 ["aragon", "valencia"], ["France", "Andorra"], 2.2)
    return grid, rows


def madrid_map(spain, neighbours, project, zones):
    regions = [(zone, towns) for zone, _, _, towns in zones]
    grid, rows, _ = division_map(spain, neighbours, project, "madrid", regions,
                                 ["castile-and-leon", "castile-la-mancha"], [], 1.6, NEIGHBOUR)
    # The capital's seven zones together: a darker line round the city.
    h = len(grid)
    for y in range(h):
        for x in range(WIDTH):
            v = grid[y][x]
            if 1 <= v <= 7:
                for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                    if 0 <= nx < WIDTH and 0 <= ny < h and grid[ny][nx] > 7:
                        rows[y][x] = (120, 40, 40)
                        break
    return grid, rows


# --- files ---

def region_file(communities, c, m):
    out = bytearray()
    for x in range(WIDTH):
        values = [communities[y][x] for y in range(COMMUNITY_HEIGHT)]
        values += [c[y][x] for y in range(DIVISION_HEIGHT)]
        values += [m[y][x] for y in range(DIVISION_HEIGHT)]
        out += struct.pack("<%di" % len(values), *values)
    assert len(out) == REGION_FILE_SIZE
    return bytes(out)


def _field(text, width):
    data = text.encode("cp1252")
    if len(data) > width:
        raise ValueError("%r is longer than %d characters" % (text, width))
    return data + b" " * (width - len(data))


def _sort_key(name):
    folded = name.lower()
    for a, b in (("à", "a"), ("á", "a"), ("è", "e"), ("é", "e"), ("í", "i"), ("ï", "i"), ("ò", "o"),
                 ("ó", "o"), ("ú", "u"), ("ü", "u"), ("ç", "c"), ("'", "")):
        folded = folded.replace(a, b)
    return folded


def comarcas_file(comarcas, barcelones):
    """Lines 1-41: area code, comarca number, name (20); in alphabetical order, so the order
    table lists them as a student looks for them. Then the Barcelonès list: area code, name (30)."""
    out = bytearray()
    for number, code, name, _, _ in sorted(comarcas, key=lambda c: _sort_key(c[2])):
        out += code.encode("ascii") + b"%02d" % number + _field(name, 20).rstrip(b" ") + b"\r\n"
    for code, name in barcelones:
        out += code.encode("ascii") + _field(name, 30).rstrip(b" ") + b"\r\n"
    return bytes(out)


def zones_file(zones):
    """One line per name of a zone: area code, zone number, name (25)."""
    out = bytearray()
    for zone, code, names, _ in zones:
        for name in names:
            out += code.encode("ascii") + b"%02d" % zone + _field(name, 25).rstrip(b" ") + b"\r\n"
    return bytes(out)
