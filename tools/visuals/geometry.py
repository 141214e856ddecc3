"""Plane geometry for the generator: SVG path data, affine transforms, polygons.

Everything here is plain floating point with a fixed order of operations, so the same input gives
the same pictures on every machine.
"""

import math
import re

# --- affine transforms: (a, b, c, d, e, f) maps (x, y) to (a x + c y + e, b x + d y + f) ---

IDENTITY = (1.0, 0.0, 0.0, 1.0, 0.0, 0.0)


def multiply(m, n):
    """The transform that applies n first, then m."""
    a, b, c, d, e, f = m
    p, q, r, s, t, u = n
    return (a * p + c * q, b * p + d * q, a * r + c * s, b * r + d * s, a * t + c * u + e,
            b * t + d * u + f)


def translate(tx, ty):
    return (1.0, 0.0, 0.0, 1.0, float(tx), float(ty))


def scale(sx, sy=None):
    return (float(sx), 0.0, 0.0, float(sx if sy is None else sy), 0.0, 0.0)


def rotate(degrees, cx=0.0, cy=0.0):
    r = math.radians(degrees)
    co, si = math.cos(r), math.sin(r)
    m = (co, si, -si, co, 0.0, 0.0)
    return multiply(translate(cx, cy), multiply(m, translate(-cx, -cy)))


def apply(m, x, y):
    a, b, c, d, e, f = m
    return (a * x + c * y + e, b * x + d * y + f)


def apply_all(m, points):
    return [apply(m, x, y) for x, y in points]


def parse_transform(text):
    """The subset of SVG transform lists the sources use."""
    m = IDENTITY
    for name, args in re.findall(r"(\w+)\s*\(([^)]*)\)", text or ""):
        v = [float(s) for s in re.findall(r"[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?", args)]
        if name == "translate":
            t = translate(v[0], v[1] if len(v) > 1 else 0.0)
        elif name == "scale":
            t = scale(v[0], v[1] if len(v) > 1 else None)
        elif name == "rotate":
            t = rotate(v[0], *(v[1:3] if len(v) >= 3 else (0.0, 0.0)))
        elif name == "matrix":
            t = tuple(v[:6])
        else:
            raise ValueError("transform " + name)
        m = multiply(m, t)
    return m


# --- SVG path data ---

_TOKEN = re.compile(r"[MmLlHhVvCcSsQqTtAaZz]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")
_ARGS = {"M": 2, "L": 2, "H": 1, "V": 1, "C": 6, "S": 4, "Q": 4, "T": 2, "A": 7, "Z": 0}


def _tokens(d):
    """Splits path data; arc flags may be written without separators ("a1 1 0 01.5 2")."""
    out = []
    pos = 0
    while pos < len(d):
        ch = d[pos]
        if ch in " ,\t\r\n":
            pos += 1
            continue
        m = _TOKEN.match(d, pos)
        if not m:
            raise ValueError("path data at %d: %r" % (pos, d[pos:pos + 20]))
        out.append(m.group(0))
        pos = m.end()
    return out


def _arc_flags(tokens, i):
    """Arc flags are single digits that may run into the next number."""
    t = tokens[i]
    if len(t) > 1 and t[0] in "01" and not t.startswith(("0.", "1.")):
        tokens[i:i + 1] = [t[0], t[1:]]
    elif len(t) > 1 and t[0] in "01" and t[1] in "01" and "." not in t[:2]:
        tokens[i:i + 1] = [t[0], t[1:]]


def flatten_path(d, tolerance=0.05):
    """Path data to a list of closed point lists (every subpath is closed for filling)."""
    tokens = _tokens(d)
    subpaths = []
    current = []
    x = y = sx = sy = 0.0
    last_ctrl = None
    last_cmd = ""
    i = 0
    cmd = None

    def num():
        nonlocal i
        v = float(tokens[i])
        i += 1
        return v

    def finish():
        nonlocal current
        if len(current) >= 3:
            subpaths.append(current)
        current = []

    while i < len(tokens):
        t = tokens[i]
        if t.isalpha():
            cmd = t
            i += 1
            if cmd in "Zz":
                finish()
                x, y = sx, sy
                last_cmd = "Z"
                last_ctrl = None
                continue
        elif cmd is None:
            raise ValueError("path data starts without a command")
        rel = cmd.islower()
        up = cmd.upper()
        ox, oy = (x, y) if rel else (0.0, 0.0)
        if up == "M":
            finish()
            x, y = ox + num(), oy + num()
            sx, sy = x, y
            current = [(x, y)]
            cmd = "l" if rel else "L"
            last_ctrl = None
        elif up == "L":
            x, y = ox + num(), oy + num()
            current.append((x, y))
            last_ctrl = None
        elif up == "H":
            x = ox + num()
            current.append((x, y))
            last_ctrl = None
        elif up == "V":
            y = (y if rel else 0.0) + num()
            current.append((x, y))
            last_ctrl = None
        elif up in "CS":
            if up == "C":
                x1, y1 = ox + num(), oy + num()
            else:
                if last_ctrl and last_cmd in "CS":
                    x1, y1 = 2 * x - last_ctrl[0], 2 * y - last_ctrl[1]
                else:
                    x1, y1 = x, y
            x2, y2 = ox + num(), oy + num()
            ex, ey = ox + num(), oy + num()
            _cubic(current, (x, y), (x1, y1), (x2, y2), (ex, ey), tolerance)
            last_ctrl = (x2, y2)
            x, y = ex, ey
        elif up in "QT":
            if up == "Q":
                x1, y1 = ox + num(), oy + num()
            else:
                if last_ctrl and last_cmd in "QT":
                    x1, y1 = 2 * x - last_ctrl[0], 2 * y - last_ctrl[1]
                else:
                    x1, y1 = x, y
            ex, ey = ox + num(), oy + num()
            c1 = (x + 2.0 / 3.0 * (x1 - x), y + 2.0 / 3.0 * (y1 - y))
            c2 = (ex + 2.0 / 3.0 * (x1 - ex), ey + 2.0 / 3.0 * (y1 - ey))
            _cubic(current, (x, y), c1, c2, (ex, ey), tolerance)
            last_ctrl = (x1, y1)
            x, y = ex, ey
        elif up == "A":
            rx, ry, rot = abs(num()), abs(num()), num()
            _arc_flags(tokens, i)
            large = num() != 0
            _arc_flags(tokens, i)
            sweep = num() != 0
            ex, ey = ox + num(), oy + num()
            _arc(current, (x, y), rx, ry, rot, large, sweep, (ex, ey), tolerance)
            x, y = ex, ey
            last_ctrl = None
        else:
            raise ValueError("path command " + cmd)
        last_cmd = up
    finish()
    return subpaths


def _cubic(out, p0, p1, p2, p3, tolerance):
    length = (math.dist(p0, p1) + math.dist(p1, p2) + math.dist(p2, p3))
    n = max(2, min(64, int(math.ceil(math.sqrt(length / tolerance) * 0.6))))
    for k in range(1, n + 1):
        t = k / n
        u = 1.0 - t
        out.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                    u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))


def _arc(out, p0, rx, ry, rotation, large, sweep, p1, tolerance):
    if p0 == p1:
        return
    if rx == 0 or ry == 0:
        out.append(p1)
        return
    phi = math.radians(rotation)
    co, si = math.cos(phi), math.sin(phi)
    dx, dy = (p0[0] - p1[0]) / 2.0, (p0[1] - p1[1]) / 2.0
    x1 = co * dx + si * dy
    y1 = -si * dx + co * dy
    lam = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry)
    if lam > 1:
        s = math.sqrt(lam)
        rx *= s
        ry *= s
    num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1
    den = rx * rx * y1 * y1 + ry * ry * x1 * x1
    coef = math.sqrt(max(0.0, num / den)) if den else 0.0
    if large == sweep:
        coef = -coef
    cxp = coef * rx * y1 / ry
    cyp = -coef * ry * x1 / rx
    cx = co * cxp - si * cyp + (p0[0] + p1[0]) / 2.0
    cy = si * cxp + co * cyp + (p0[1] + p1[1]) / 2.0

    def angle(ux, uy, vx, vy):
        a = math.atan2(ux * vy - uy * vx, ux * vx + uy * vy)
        return a

    t1 = angle(1.0, 0.0, (x1 - cxp) / rx, (y1 - cyp) / ry)
    dt = angle((x1 - cxp) / rx, (y1 - cyp) / ry, (-x1 - cxp) / rx, (-y1 - cyp) / ry)
    if not sweep and dt > 0:
        dt -= 2 * math.pi
    elif sweep and dt < 0:
        dt += 2 * math.pi
    n = max(2, min(96, int(math.ceil(abs(dt) * math.sqrt(max(rx, ry) / tolerance) * 0.5))))
    for k in range(1, n + 1):
        t = t1 + dt * k / n
        ex, ey = rx * math.cos(t), ry * math.sin(t)
        out.append((co * ex - si * ey + cx, si * ex + co * ey + cy))
    out[-1] = p1


def ellipse(cx, cy, rx, ry, segments=None):
    if segments is None:
        segments = max(12, min(160, int(max(rx, ry) * 4)))
    return [(cx + rx * math.cos(2 * math.pi * k / segments), cy + ry * math.sin(2 * math.pi * k / segments))
            for k in range(segments)]


def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


def rounded_rect(x, y, w, h, r, segments=8):
    r = min(r, w / 2.0, h / 2.0)
    pts = []
    for (cx, cy, a0) in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0), (x + r, y + h - r, 90),
                         (x + r, y + r, 180)):
        for k in range(segments + 1):
            a = math.radians(a0 + 90.0 * k / segments)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def capsule(p, q, radius, segments=10):
    """A thick segment with round ends, as a polygon."""
    (x0, y0), (x1, y1) = p, q
    a = math.atan2(y1 - y0, x1 - x0)
    pts = []
    for k in range(segments + 1):
        t = a + math.pi / 2 + math.pi * k / segments
        pts.append((x0 + radius * math.cos(t), y0 + radius * math.sin(t)))
    for k in range(segments + 1):
        t = a - math.pi / 2 + math.pi * k / segments
        pts.append((x1 + radius * math.cos(t), y1 + radius * math.sin(t)))
    return pts


def polyline_capsules(points, radius):
    return [capsule(points[k], points[k + 1], radius) for k in range(len(points) - 1)]


# --- polygons ---

def area(poly):
    s = 0.0
    n = len(poly)
    for k in range(n):
        x0, y0 = poly[k]
        x1, y1 = poly[(k + 1) % n]
        s += x0 * y1 - x1 * y0
    return s / 2.0


def centroid(poly):
    a = area(poly)
    if a == 0:
        xs = [p[0] for p in poly]
        ys = [p[1] for p in poly]
        return (sum(xs) / len(xs), sum(ys) / len(ys))
    cx = cy = 0.0
    n = len(poly)
    for k in range(n):
        x0, y0 = poly[k]
        x1, y1 = poly[(k + 1) % n]
        c = x0 * y1 - x1 * y0
        cx += (x0 + x1) * c
        cy += (y0 + y1) * c
    return (cx / (6 * a), cy / (6 * a))


def bbox(polys):
    xs = [p[0] for poly in polys for p in poly]
    ys = [p[1] for poly in polys for p in poly]
    return (min(xs), min(ys), max(xs), max(ys))


def inside(polys, x, y):
    """Even-odd point test over several rings."""
    hit = False
    for poly in polys:
        n = len(poly)
        for k in range(n):
            x0, y0 = poly[k]
            x1, y1 = poly[(k + 1) % n]
            if (y0 > y) != (y1 > y):
                xc = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                if xc > x:
                    hit = not hit
    return hit
