"""The shared pictures: the facade tile, the floor and frame tiles, the stop-studying sign, the
speech bubble of the main menu and the splash picture."""

import math

from . import figures
from . import geometry as geo
from .raster import Canvas

# The facade tile: the main menu repeats it from (0, 0), doors 1-6 in the first row and 7-11 in
# the second (top 305). The door labels sit 57-62 pixels right of their tile's left edge, the
# climbing figure 4 pixels further, so the door spans x 46..134; the first row's labels (y 90-100)
# fall on the fanlight and the second row's (tile y 175-195) on the door leaf.
PARTE_SIZE = (174, 305)

STONE = (226, 200, 156)
STONE_LINE = (204, 176, 132)
STONE_LIGHT = (240, 222, 186)
PILASTER = (236, 216, 178)
PILASTER_SHADE = (198, 170, 126)
CORNICE = (214, 186, 140)
WOOD = (122, 74, 42)
WOOD_DARK = (92, 54, 30)
WOOD_LIGHT = (150, 96, 56)
GLASS = (176, 214, 236)
GLASS_LINE = (122, 150, 170)
STEP = (196, 190, 180)
STEP_SHADE = (160, 154, 146)
NAVY = (0, 0, 128)


def _f(canvas, poly, colour):
    canvas.fill([poly], colour)


def parte():
    w, h = PARTE_SIZE
    c = Canvas(w, h, STONE)
    # stone courses
    for y in range(18, h, 14):
        c.fill_rect(0, y, w, y + 1, STONE_LINE)
        offset = 0 if (y // 14) % 2 else 21
        for x in range(offset, w, 42):
            c.fill_rect(x, y - 13, x + 1, y, STONE_LINE)
    # pilasters at both edges (two neighbouring tiles make one)
    for x0, x1 in ((0, 12), (w - 12, w)):
        c.fill_rect(x0, 0, x1, h, PILASTER)
    c.fill_rect(11, 0, 13, h, PILASTER_SHADE)
    c.fill_rect(w - 13, 0, w - 11, h, PILASTER_SHADE)
    # cornice
    c.fill_rect(0, 0, w, 12, CORNICE)
    c.fill_rect(0, 12, w, 15, PILASTER_SHADE)
    c.fill_rect(0, 0, w, 3, STONE_LIGHT)
    # small windows either side of the door
    for x in (20, 140):
        c.fill_rect(x - 2, 34, x + 16, 96, STONE_LIGHT)
        c.fill_rect(x, 36, x + 14, 94, GLASS)
        c.fill_rect(x + 6, 36, x + 8, 94, GLASS_LINE)
        c.fill_rect(x, 64, x + 14, 66, GLASS_LINE)
        c.fill_rect(x - 3, 96, x + 17, 100, PILASTER_SHADE)
    # door: stone frame with a round arch, fanlight, two wooden leaves
    frame = [(40, 292)] + [(90 + 50 * math.cos(math.radians(a)), 96 - 50 * math.sin(math.radians(a)) * 0.62)
                           for a in range(180, -1, -6)] + [(140, 292)]
    _f(c, frame, STONE_LIGHT)
    inner = [(47, 290)] + [(90 + 43 * math.cos(math.radians(a)), 98 - 43 * math.sin(math.radians(a)) * 0.62)
                           for a in range(180, -1, -6)] + [(133, 290)]
    _f(c, inner, WOOD_DARK)
    fan = [(49, 132)] + [(90 + 41 * math.cos(math.radians(a)), 99 - 41 * math.sin(math.radians(a)) * 0.62)
                         for a in range(180, -1, -6)] + [(131, 132)]
    _f(c, fan, GLASS)
    for a in (30, 60, 90, 120, 150):
        r = math.radians(a)
        c.fill([geo.capsule((90, 132), (90 + 40 * math.cos(r), 100 - 40 * math.sin(r) * 0.62), 0.8)], GLASS_LINE)
    c.fill_rect(47, 132, 133, 136, WOOD_DARK)
    for x0 in (50, 91):
        c.fill_rect(x0, 138, x0 + 39, 288, WOOD)
        for y0, y1 in ((146, 206), (214, 280)):
            c.fill_rect(x0 + 5, y0, x0 + 34, y1, WOOD_LIGHT)
            c.fill_rect(x0 + 7, y0 + 2, x0 + 32, y1 - 2, WOOD)
    c.fill([geo.ellipse(86, 214, 2.2, 2.2)], (230, 190, 80))
    c.fill([geo.ellipse(95, 214, 2.2, 2.2)], (230, 190, 80))
    # a lamp beside the door
    c.fill_rect(146, 150, 148, 162, (60, 60, 60))
    c.fill([geo.rounded_rect(141, 160, 12, 16, 3)], (250, 226, 140))
    c.fill_rect(140, 158, 154, 161, (60, 60, 60))
    # steps
    c.fill_rect(32, 288, 148, 296, STEP)
    c.fill_rect(32, 295, 148, 297, STEP_SHADE)
    c.fill_rect(24, 297, 156, 305, STEP)
    c.fill_rect(24, 303, 156, 305, STEP_SHADE)
    return c


def suelo():
    """The floor tile of the section screens: pale tiles with fine joints."""
    c = Canvas(64, 64, (247, 243, 232))
    for k in range(0, 64, 32):
        c.fill_rect(0, k, 64, k + 1, (234, 228, 212))
        c.fill_rect(k, 0, k + 1, 64, (234, 228, 212))
    c.fill([geo.ellipse(16, 16, 2, 2), geo.ellipse(48, 48, 2, 2)], (238, 232, 218))
    return c


def marco():
    """The side strips: a blue band with a light inner line, repeated downwards."""
    c = Canvas(24, 64, (150, 184, 228))
    c.fill_rect(0, 0, 3, 64, (120, 154, 204))
    c.fill_rect(21, 0, 24, 64, (120, 154, 204))
    c.fill_rect(10, 0, 14, 64, (198, 218, 244))
    c.fill([[(12, 20), (18, 32), (12, 44), (6, 32)]], (0, 0, 128, 110))
    return c


def marcoar():
    """The top strip of the section screens, 1024 x 50."""
    w, h = 1024, 50
    c = Canvas(w, h)
    for y in range(h):
        t = y / (h - 1)
        col = tuple(int(round(a + (b - a) * t)) for a, b in zip((214, 230, 248), (150, 184, 228)))
        c.fill_rect(0, y, w, y + 1, col)
    wave = [(x, 38 + 3 * math.sin(x / 40.0)) for x in range(0, w + 1, 4)]
    c.fill([wave + [(w, h), (0, h)]], (120, 154, 204))
    c.fill_rect(0, h - 3, w, h, NAVY)
    return c


def rotulon():
    """The stop-studying sign, 97 x 57: a signboard whose two lines of text the menu writes."""
    c = Canvas(97, 57, (255, 255, 255))
    c.fill([geo.rounded_rect(0, 0, 97, 57, 6)], WOOD_DARK)
    c.fill([geo.rounded_rect(3, 3, 91, 51, 4)], (255, 244, 206))
    c.fill([geo.rounded_rect(5, 5, 87, 47, 3)], (255, 250, 226))
    for x, y in ((6, 6), (88, 6), (6, 48), (88, 48)):
        c.fill([geo.ellipse(x + 1.5, y + 1.5, 1.4, 1.4)], (170, 150, 120))
    return c


def speech_bubble(size, body, radius, tail, inner_tail, outline):
    """A white speech bubble with a 2-pixel outline: `body` (x, y, w, h) with rounded corners of
    `radius`, and its tail, outside and inside the outline."""
    c = Canvas(*size)
    x, y, w, h = body
    c.fill([geo.rounded_rect(x, y, w, h, radius), tail], outline)
    c.fill([geo.rounded_rect(x + 2, y + 2, w - 4, h - 4, radius - 2), inner_tail], (255, 255, 255))
    return c


def bocadillo():
    """The main menu's speech bubble, 195 x 140, pointing down to the girl at its left."""
    return speech_bubble((195, 140), (2, 2, 190, 116), 22, [(30, 110), (60, 110), (14, 138)],
                         [(33, 108), (57, 108), (18, 133)], (110, 110, 110))


# --- the splash ---

# Capital letters as strokes on a 10 x 14 grid.
LETTERS = {
    "V": [[(0, 0), (5, 14), (10, 0)]],
    "E": [[(9, 0), (0, 0), (0, 14), (9, 14)], [(0, 7), (7, 7)]],
    "L": [[(0, 0), (0, 14), (9, 14)]],
    "M": [[(0, 14), (0, 0), (5, 8), (10, 0), (10, 14)]],
    "O": [[(5 + 5 * math.sin(a / 12 * 2 * math.pi), 7 - 7 * math.cos(a / 12 * 2 * math.pi)) for a in range(13)]],
    "R": [[(0, 14), (0, 0), (6, 0), (9, 2), (9, 5), (6, 7), (0, 7)], [(5, 7), (10, 14)]],
    "A": [[(0, 14), (5, 0), (10, 14)], [(2, 9), (8, 9)]],
}


def lettering(canvas, text, x, y, unit, width, colour):
    pen = x
    for ch in text:
        for stroke in LETTERS[ch]:
            pts = [(pen + px * unit, y + py * unit) for px, py in stroke]
            canvas.fill(geo.polyline_capsules(pts, width), colour)
        pen += 13 * unit


def portada():
    w = h = 500
    c = Canvas(w, h)
    for y in range(h):
        t = y / (h - 1)
        col = tuple(int(round(a + (b - a) * t)) for a, b in zip((150, 196, 240), (232, 242, 252)))
        c.fill_rect(0, y, w, y + 1, col)
    c.fill([geo.ellipse(438, 212, 26, 26)], (255, 226, 120))
    for cx, cy, k in ((90, 214, 1.0), (380, 236, 0.8), (470, 190, 0.6)):
        c.fill([geo.ellipse(cx, cy, 40 * k, 16 * k), geo.ellipse(cx - 24 * k, cy + 4, 24 * k, 12 * k),
                geo.ellipse(cx + 26 * k, cy + 5, 26 * k, 11 * k)], (255, 255, 255, 230))
    # the title, with a shadow
    lettering(c, "VELMORA", 59, 34, 4.6, 3.6, (255, 255, 255))
    lettering(c, "VELMORA", 56, 31, 4.6, 3.6, NAVY)
    # a light band for the school's name (the splash writes it at y 134-160)
    c.fill([geo.rect(0, 126, w, 40)], (255, 255, 255, 150))
    # the building: three bays of the facade, smaller, on a lawn
    scale = 0.55
    bw = int(PARTE_SIZE[0] * scale)
    bh = int(PARTE_SIZE[1] * scale)
    small = _scaled(parte(), bw, bh)
    top = 442 - bh
    left = (w - 3 * bw) // 2
    right = left + 3 * bw
    c.fill([geo.rect(left - 8, top - 20, 3 * bw + 16, 22)], (198, 170, 126))
    c.fill([geo.rect(left - 8, top - 20, 3 * bw + 16, 4)], (240, 222, 186))
    c.fill([[(left - 14, top - 20), (w / 2, top - 66), (right + 14, top - 20)]], (214, 186, 140))
    c.fill([[(left - 2, top - 24), (w / 2, top - 60), (right + 2, top - 24)]], (240, 222, 186))
    for col in range(3):
        c.draw(small, left + col * bw, top)
    # a plaque over the middle door for the year (the splash writes "2020/21" at about 210, 309)
    c.fill([geo.rounded_rect(196, 302, 100, 32, 6)], (122, 74, 42))
    c.fill([geo.rounded_rect(199, 305, 94, 26, 4)], (255, 250, 226))
    c.fill_rect(0, 440, w, 500, (130, 190, 100))
    c.fill([[(210, 440), (290, 440), (330, 500), (170, 500)]], (214, 200, 170))
    girl = figures.walker(0.25, (28, 84))
    c.draw(girl, 150, 410)
    return c


def _scaled(src, w, h):
    """Box-filtered reduction (premultiplied), deterministic."""
    out = Canvas(w, h)
    sx = src.width / w
    sy = src.height / h
    for y in range(h):
        y0, y1 = y * sy, (y + 1) * sy
        for x in range(w):
            x0, x1 = x * sx, (x + 1) * sx
            acc = [0.0, 0.0, 0.0, 0.0]
            area = 0.0
            for yy in range(int(y0), min(src.height, int(math.ceil(y1)))):
                wy = min(y1, yy + 1) - max(y0, yy)
                for xx in range(int(x0), min(src.width, int(math.ceil(x1)))):
                    wx = min(x1, xx + 1) - max(x0, xx)
                    k = wx * wy
                    i = yy * src.width + xx
                    acc[0] += src.r[i] * k
                    acc[1] += src.g[i] * k
                    acc[2] += src.b[i] * k
                    acc[3] += src.a[i] * k
                    area += k
            j = y * w + x
            out.r[j], out.g[j], out.b[j], out.a[j] = (v / area for v in acc)
    return out
