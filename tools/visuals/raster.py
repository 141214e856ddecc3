"""A small deterministic rasteriser: filled polygons with exact-area anti-aliasing on a
supersampled grid of scanlines, and point-sampled fills for region grids (no anti-aliasing, so
that every pixel belongs to exactly one region).

Colours are (r, g, b) or (r, g, b, a) with components 0..255; the canvas keeps premultiplied
floats and is quantised with round-half-even only when it is written.
"""


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.width = width
        self.height = height
        r, g, b, a = _rgba(background)
        n = width * height
        af = a / 255.0
        self.r = [r / 255.0 * af] * n
        self.g = [g / 255.0 * af] * n
        self.b = [b / 255.0 * af] * n
        self.a = [af] * n

    # --- access ---

    def pixel(self, x, y):
        """(r, g, b, a) of one pixel, 0..255 integers."""
        i = y * self.width + x
        a = self.a[i]
        if a <= 0:
            return (0, 0, 0, 0)
        return (_q(self.r[i] / a * 255.0), _q(self.g[i] / a * 255.0), _q(self.b[i] / a * 255.0),
                _q(a * 255.0))

    def rgb_rows(self):
        """Rows of (r, g, b) composed over nothing (alpha ignored: opaque pictures)."""
        out = []
        for y in range(self.height):
            row = []
            base = y * self.width
            for x in range(self.width):
                i = base + x
                row.append((_q(self.r[i] * 255.0), _q(self.g[i] * 255.0), _q(self.b[i] * 255.0)))
            out.append(row)
        return out

    def rgba_rows(self):
        out = []
        for y in range(self.height):
            out.append([self.pixel(x, y) for x in range(self.width)])
        return out

    # --- painting ---

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            r, g, b, a = _rgba(colour)
            i = y * self.width + x
            af = a / 255.0
            self.r[i], self.g[i], self.b[i], self.a[i] = r / 255.0 * af, g / 255.0 * af, b / 255.0 * af, af

    def blend(self, i, colour, coverage):
        r, g, b, a = colour
        s = a / 255.0 * coverage
        if s <= 0:
            return
        if s > 1:
            s = 1.0
        k = 1.0 - s
        self.r[i] = self.r[i] * k + r * s
        self.g[i] = self.g[i] * k + g * s
        self.b[i] = self.b[i] * k + b * s
        self.a[i] = self.a[i] * k + s

    def fill(self, polys, colour, ss=4, rule="nonzero"):
        """Fills the rings (pixel coordinates, y down) with anti-aliased edges."""
        colour = _rgba(colour)
        colour = (colour[0] / 255.0, colour[1] / 255.0, colour[2] / 255.0, colour[3])
        for y, cov in coverage_rows(polys, self.width, self.height, ss, rule):
            base = y * self.width
            for x, c in cov.items():
                self.blend(base + x, colour, c)

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills whole pixels x0 <= x < x1, y0 <= y < y1."""
        colour = _rgba(colour)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.set(x, y, colour)

    def draw(self, other, ox, oy):
        """Composes another canvas over this one at an integer offset."""
        for y in range(other.height):
            ty = y + oy
            if not 0 <= ty < self.height:
                continue
            for x in range(other.width):
                tx = x + ox
                if not 0 <= tx < self.width:
                    continue
                j = y * other.width + x
                sa = other.a[j]
                if sa <= 0:
                    continue
                i = ty * self.width + tx
                k = 1.0 - sa
                self.r[i] = self.r[i] * k + other.r[j]
                self.g[i] = self.g[i] * k + other.g[j]
                self.b[i] = self.b[i] * k + other.b[j]
                self.a[i] = self.a[i] * k + sa

    def flipped(self):
        out = Canvas(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                i = y * self.width + x
                j = y * self.width + (self.width - 1 - x)
                out.r[j], out.g[j], out.b[j], out.a[j] = self.r[i], self.g[i], self.b[i], self.a[i]
        return out


def _q(v):
    v = round(v)
    return 0 if v < 0 else 255 if v > 255 else v


def _rgba(c):
    if len(c) == 3:
        return (c[0], c[1], c[2], 255)
    return tuple(c)


def _edges(polys):
    edges = []
    for poly in polys:
        n = len(poly)
        for k in range(n):
            x0, y0 = poly[k]
            x1, y1 = poly[(k + 1) % n]
            if y0 == y1:
                continue
            if y0 < y1:
                edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0), 1))
            else:
                edges.append((y1, y0, x1, (x0 - x1) / (y0 - y1), -1))
    edges.sort()
    return edges


def spans(edges, y, rule):
    """The inside intervals of the scanline at height y."""
    xs = []
    for y0, y1, x0, slope, w in edges:
        if y0 > y:
            break
        if y < y1:
            xs.append((x0 + (y - y0) * slope, w))
    xs.sort()
    out = []
    wind = 0
    start = None
    for x, w in xs:
        before = wind
        wind += w if rule == "nonzero" else 1
        was = (before != 0) if rule == "nonzero" else (before % 2 == 1)
        now = (wind != 0) if rule == "nonzero" else (wind % 2 == 1)
        if not was and now:
            start = x
        elif was and not now:
            out.append((start, x))
    return out


def coverage_rows(polys, width, height, ss, rule):
    """Yields (y, {x: coverage}) for every pixel row the rings touch."""
    edges = _edges(polys)
    if not edges:
        return
    ymin = max(0, int(min(e[0] for e in edges)))
    ymax = min(height - 1, int(max(e[1] for e in edges)))
    for py in range(ymin, ymax + 1):
        cov = {}
        for s in range(ss):
            y = py + (s + 0.5) / ss
            for a, b in spans(edges, y, rule):
                if a < 0:
                    a = 0.0
                if b > width:
                    b = float(width)
                if b <= a:
                    continue
                xa, xb = int(a), int(b)
                if xa == xb:
                    cov[xa] = cov.get(xa, 0.0) + (b - a) / ss
                    continue
                cov[xa] = cov.get(xa, 0.0) + (xa + 1 - a) / ss
                for x in range(xa + 1, xb):
                    cov[x] = cov.get(x, 0.0) + 1.0 / ss
                if xb < width:
                    cov[xb] = cov.get(xb, 0.0) + (b - xb) / ss
        if cov:
            yield py, cov


def label_fill(grid, width, height, polys, label, rule="nonzero"):
    """Point-sampled fill of a label grid (grid[y][x]): a pixel takes the label when its
    centre lies inside the rings."""
    edges = _edges(polys)
    if not edges:
        return
    ymin = max(0, int(min(e[0] for e in edges)))
    ymax = min(height - 1, int(max(e[1] for e in edges)))
    for py in range(ymin, ymax + 1):
        row = grid[py]
        for a, b in spans(edges, py + 0.5, rule):
            # centres x + 0.5 in [a, b)
            x0 = max(0, _ceil(a - 0.5))
            x1 = min(width, _ceil(b - 0.5))
            for x in range(x0, x1):
                row[x] = label


def _ceil(v):
    i = int(v)
    return i + 1 if v > i else i
