"""The pictures of the animated scene: a building seen from above and in front, in the stone and
wood of the main menu's facade, with the girl of the main menu walking in eight directions.

Two image libraries hold them (`library` in imagefile.py): "segdxg1.DXG" with the girl's frames
and the screen's panel (plan, magnifier, exit door, position dot, selection marker, the lit
door), and "vector.DXG" with the building (floor, walls, doors, signs, torches, decorations, the
bubble and the dark strip beyond the doors).

The sizes are what the scene's placement numbers expect: the girl is 72 x 168 (the scene keeps
her centre at the centre of the screen from her top left corner at (476, 300)); a wall row is a
cap seen from above (88 high) over a face (160 high), the cap of a long wall 624 wide with its
passage 270-396 from its left end, where the figure walks through; doors are 104 x 150 on the
face's top edge; the plan's dot moves 1/24 of the figure's x and 1/18 of its y.
"""

import math

from . import figures
from . import geometry as geo
from .pictures import (CORNICE, GLASS, GLASS_LINE, NAVY, PILASTER_SHADE, STONE, STONE_LIGHT,
                       STONE_LINE, WOOD, WOOD_DARK, WOOD_LIGHT, speech_bubble)
from .raster import Canvas

FIGURE = (72, 168)
CAP = 88
FACE = 160
LONG_WALL = 624
PASSAGE = (270, 396)
DOOR = (104, 150)

CAP_TOP = (234, 216, 180)
CAP_JOINT = (206, 184, 144)
CAP_EDGE = (176, 150, 108)
FACE_SHADE = (188, 160, 118)
PLINTH = (170, 144, 104)
FLOOR = (196, 198, 204)
FLOOR_JOINT = (176, 178, 186)
FLOOR_LIGHT = (208, 210, 216)
DARK = (52, 40, 32)
PALE_BLUE = (223, 236, 249)
GOLD = (246, 196, 60)

# --- the girl ---

DIRECTIONS = ("down", "up", "der", "izq", "upder", "upizq", "doder", "doizq")


def _squeezed(canvas, factor):
    """The frame narrowed about its centre: a figure turned a little toward or away from us."""
    w, h = canvas.width, canvas.height
    out = Canvas(w, h)
    centre = (w - 1) / 2.0
    for x in range(w):
        src = centre + (x - centre) / factor
        x0 = int(math.floor(src))
        t = src - x0
        for y in range(h):
            acc = [0.0, 0.0, 0.0, 0.0]
            for xx, k in ((x0, 1.0 - t), (x0 + 1, t)):
                if 0 <= xx < w and k > 0:
                    i = y * w + xx
                    acc[0] += canvas.r[i] * k
                    acc[1] += canvas.g[i] * k
                    acc[2] += canvas.b[i] * k
                    acc[3] += canvas.a[i] * k
            j = y * w + x
            out.r[j], out.g[j], out.b[j], out.a[j] = acc
    return out


def figure_frames():
    """{"mandown01": canvas, ...}: ten frames a direction, a whole stride over the ten."""
    out = {}
    for k in range(10):
        phase = k / 10.0
        side = figures.walker(phase, FIGURE)
        side_away = figures.walker(phase, FIGURE, face=False)
        frames = {
            "down": figures.front_walker(phase, FIGURE),
            "up": figures.front_walker(phase, FIGURE, back=True),
            "der": side,
            "izq": side.flipped(),
            "doder": _squeezed(side, 0.86),
            "doizq": _squeezed(side, 0.86).flipped(),
            "upder": _squeezed(side_away, 0.86),
            "upizq": _squeezed(side_away, 0.86).flipped(),
        }
        for d in DIRECTIONS:
            out["man%s%02d" % (d, k + 1)] = frames[d]
    return out


# --- the building ---

def background():
    """The floor, repeated over the whole world: large flagstones with fine joints."""
    c = Canvas(64, 64, FLOOR)
    c.fill_rect(0, 0, 64, 1, FLOOR_JOINT)
    c.fill_rect(0, 32, 64, 33, FLOOR_JOINT)
    c.fill_rect(0, 0, 1, 32, FLOOR_JOINT)
    c.fill_rect(32, 32, 33, 64, FLOOR_JOINT)
    for x, y in ((4, 4), (36, 36), (20, 44), (50, 12)):
        c.fill_rect(x, y, x + 3, y + 1, FLOOR_LIGHT)
    return c


def _cap(c, x0, y0, w, h, joints=True):
    """The top of a wall seen from above: slabs with joints, a light front edge."""
    c.fill_rect(x0, y0, x0 + w, y0 + h, CAP_TOP)
    if joints:
        for x in range(x0 + 39, x0 + w, 40):
            c.fill_rect(x, y0 + 4, x + 1, y0 + h - 6, CAP_JOINT)
        c.fill_rect(x0, y0 + h // 2, x0 + w, y0 + h // 2 + 1, CAP_JOINT)
    c.fill_rect(x0, y0, x0 + w, y0 + 3, CAP_EDGE)
    c.fill_rect(x0, y0 + h - 6, x0 + w, y0 + h - 3, STONE_LIGHT)
    c.fill_rect(x0, y0 + h - 3, x0 + w, y0 + h, CAP_EDGE)


def _face(c, x0, y0, w, h):
    """The front of a wall: stone courses as on the facade, a plinth, the cap's shadow."""
    c.fill_rect(x0, y0, x0 + w, y0 + h, STONE)
    row = 0
    for y in range(y0 + 14, y0 + h - 12, 14):
        c.fill_rect(x0, y, x0 + w, y + 1, STONE_LINE)
        offset = 0 if row % 2 else 21
        for x in range(x0 + offset, x0 + w, 42):
            c.fill_rect(x, y - 13, x + 1, y, STONE_LINE)
        row += 1
    c.fill_rect(x0, y0, x0 + w, y0 + 6, FACE_SHADE)
    c.fill_rect(x0, y0 + h - 12, x0 + w, y0 + h, PLINTH)
    c.fill_rect(x0, y0 + h - 12, x0 + w, y0 + h - 10, CORNICE)


def pared_ex():
    """A short wall, 172 wide: cap over face."""
    c = Canvas(172, CAP + FACE)
    _face(c, 0, CAP, 172, FACE)
    _cap(c, 0, 0, 172, CAP)
    return c


def pared_up():
    """The cap of a long wall, with the passage open."""
    c = Canvas(LONG_WALL, CAP)
    _cap(c, 0, 0, LONG_WALL, CAP)
    a, b = PASSAGE
    c.fill_rect(a, 0, b, CAP, (0, 0, 0, 0))
    c.fill_rect(a - 4, 0, a, CAP, CAP_EDGE)
    c.fill_rect(b, 0, b + 4, CAP, CAP_EDGE)
    return c


def pared():
    """The face of a long wall, with the arch of the passage and its steps."""
    c = Canvas(LONG_WALL, FACE)
    _face(c, 0, 0, LONG_WALL, FACE)
    a, b = PASSAGE
    mid = (a + b) / 2.0
    arch = [(a, FACE)] + [(mid + (b - a) / 2.0 * math.cos(math.radians(t)),
                           40 - 34 * math.sin(math.radians(t))) for t in range(180, -1, -10)] + [(b, FACE)]
    c.fill([arch], STONE_LIGHT)
    inner = [(a + 8, FACE)] + [(mid + (b - a - 16) / 2.0 * math.cos(math.radians(t)),
                                44 - 30 * math.sin(math.radians(t))) for t in range(180, -1, -10)] + [(b - 8, FACE)]
    c.fill([inner], FLOOR)
    for k, y in enumerate(range(60, FACE, 20)):
        c.fill_rect(a + 8, y, b - 8, y + 3, FLOOR_JOINT)
        c.fill_rect(a + 8, y + 3, b - 8, y + 5, FLOOR_LIGHT)
    return c


def lateral(shade=False):
    """The top of a side wall seen from above, 48 x 280."""
    c = Canvas(48, 280)
    c.fill_rect(0, 0, 48, 280, CAP_TOP)
    for y in range(39, 280, 40):
        c.fill_rect(4, y, 44, y + 1, CAP_JOINT)
    c.fill_rect(23, 0, 24, 280, CAP_JOINT)
    c.fill_rect(0, 0, 3, 280, CAP_EDGE)
    c.fill_rect(45, 0, 48, 280, CAP_EDGE)
    if shade:
        c.fill_rect(3, 0, 45, 280, (0, 0, 0, 40))
    return c


def lateral_paso():
    """The cap over the middle bay of the section doors' wall, carved with a lintel."""
    c = Canvas(172, CAP)
    _cap(c, 0, 0, 172, CAP, joints=False)
    c.fill([geo.rounded_rect(16, 18, 140, 44, 8)], CAP_EDGE)
    c.fill([geo.rounded_rect(20, 22, 132, 36, 6)], STONE_LIGHT)
    c.fill([[(78, 22), (94, 22), (90, 40), (82, 40)]], CAP_JOINT)
    return c


def _door_frame(c):
    w, h = DOOR
    c.fill([geo.rect(0, 14, w, h - 14)], STONE_LIGHT)
    top = [(0, 40)] + [(w / 2.0 + w / 2.0 * math.cos(math.radians(t)), 40 - 34 * math.sin(math.radians(t)))
                       for t in range(180, -1, -10)] + [(w, 40)]
    c.fill([top], STONE_LIGHT)
    c.fill_rect(0, h - 6, w, h, PILASTER_SHADE)


def _leaves(c, wood, dark, light):
    w, h = DOOR
    inner = [(8, h - 6)] + [(w / 2.0 + (w / 2.0 - 8) * math.cos(math.radians(t)),
                             42 - 30 * math.sin(math.radians(t))) for t in range(180, -1, -10)] + [(w - 8, h - 6)]
    c.fill([inner], dark)
    c.fill_rect(11, 44, w // 2 - 1, h - 6, wood)
    c.fill_rect(w // 2 + 1, 44, w - 11, h - 6, wood)
    for x0 in (11, w // 2 + 1):
        for y0, y1 in ((52, 88), (96, 136)):
            c.fill_rect(x0 + 5, y0, x0 + 36, y1, light)
            c.fill_rect(x0 + 7, y0 + 2, x0 + 34, y1 - 2, wood)
    fan = [(12, 42)] + [(w / 2.0 + (w / 2.0 - 12) * math.cos(math.radians(t)),
                         40 - 26 * math.sin(math.radians(t))) for t in range(180, -1, -10)] + [(w - 12, 42)]
    c.fill([fan], GLASS)
    for t in (45, 90, 135):
        r = math.radians(t)
        c.fill([geo.capsule((w / 2.0, 40), (w / 2.0 + 36 * math.cos(r), 40 - 22 * math.sin(r)), 0.8)], GLASS_LINE)
    c.fill([geo.ellipse(w / 2.0 - 5, 96, 2.2, 2.2), geo.ellipse(w / 2.0 + 5, 96, 2.2, 2.2)], GOLD)


def door(kind):
    """The doors on a wall's face: "puertab" the studies (wood), "puertaB" the sections (blue),
    "puer3" open, "puerta22" any door under the pointer (lit)."""
    c = Canvas(*DOOR)
    _door_frame(c)
    if kind == "puertab":
        _leaves(c, WOOD, WOOD_DARK, WOOD_LIGHT)
    elif kind == "puertaB":
        _leaves(c, (52, 86, 150), (30, 52, 100), (86, 122, 186))
    elif kind == "puerta22":
        _leaves(c, (196, 132, 60), (150, 96, 40), (236, 180, 96))
        w, h = DOOR
        ring = [geo.rounded_rect(1, 8, w - 2, h - 9, 10), geo.rounded_rect(5, 12, w - 10, h - 17, 8)]
        c.fill(ring, GOLD + (200,), rule="evenodd")
    else:  # open
        w, h = DOOR
        inner = [(8, h - 6)] + [(w / 2.0 + (w / 2.0 - 8) * math.cos(math.radians(t)),
                                 42 - 30 * math.sin(math.radians(t))) for t in range(180, -1, -10)] + [(w - 8, h - 6)]
        c.fill([inner], DARK)
        c.fill([[(8, 44), (22, 52), (22, h - 14), (8, h - 6)]], WOOD)
        c.fill([[(w - 8, 44), (w - 22, 52), (w - 22, h - 14), (w - 8, h - 6)]], WOOD)
        c.fill([[(22, h - 6), (w - 22, h - 6), (w - 30, h - 30), (30, h - 30)]], (92, 78, 62))
    return c


def statue():
    """A bust on a column ("faraon1")."""
    c = Canvas(64, 140)
    c.fill([geo.ellipse(32, 132, 28, 7)], (0, 0, 0, 50))
    c.fill_rect(14, 118, 50, 134, PILASTER_SHADE)
    c.fill_rect(18, 60, 46, 120, STONE_LIGHT)
    for x in (24, 32, 40):
        c.fill_rect(x, 62, x + 1, 118, CAP_JOINT)
    c.fill_rect(12, 54, 52, 62, CORNICE)
    c.fill([geo.rounded_rect(16, 30, 32, 26, 10)], (200, 200, 196))
    c.fill([geo.ellipse(32, 20, 11, 13)], (214, 214, 210))
    c.fill([[(21, 18), (32, 4), (43, 18), (40, 26), (24, 26)]], (184, 184, 178))
    return c


def plant():
    """A palm in a pot ("faraon2")."""
    c = Canvas(64, 140)
    c.fill([geo.ellipse(32, 134, 24, 6)], (0, 0, 0, 50))
    c.fill([[(16, 100), (48, 100), (44, 134), (20, 134)]], (178, 92, 58))
    c.fill_rect(14, 96, 50, 104, (150, 72, 44))
    c.fill([geo.capsule((32, 98), (32, 56), 3)], (110, 82, 50))
    for angle in (-70, -40, -10, 20, 50, 80, 200, 160, 120):
        r = math.radians(angle - 90)
        tip = (32 + 30 * math.cos(r), 56 + 34 * math.sin(r) * 0.9)
        mid = (32 + 16 * math.cos(r), 50 + 18 * math.sin(r) * 0.9)
        c.fill(geo.polyline_capsules([(32, 56), mid, tip], 3.2), (70, 140, 70))
    return c


def _board(w, h, point=0):
    """A signboard: dark wood round a cream face; `point` -1 / 1 shapes it as an arrow to the
    left / right."""
    c = Canvas(w, h)
    tip = 16
    if point == 0:
        outer = geo.rounded_rect(0, 0, w, h, 6)
        inner = geo.rounded_rect(3, 3, w - 6, h - 6, 4)
    elif point < 0:
        outer = [(0, h / 2.0), (tip, 0), (w, 0), (w, h), (tip, h)]
        inner = [(4, h / 2.0), (tip + 1, 3), (w - 3, 3), (w - 3, h - 3), (tip + 1, h - 3)]
    else:
        outer = [(0, 0), (w - tip, 0), (w, h / 2.0), (w - tip, h), (0, h)]
        inner = [(3, 3), (w - tip - 1, 3), (w - 4, h / 2.0), (w - tip - 1, h - 3), (3, h - 3)]
    c.fill([outer], WOOD_DARK)
    c.fill([inner], (255, 246, 214))
    return c


def tabla():
    """The plaque over each door and on the walls, 170 x 44."""
    c = _board(170, 44)
    for x in (8, 159):
        c.fill([geo.ellipse(x + 1.5, 22, 1.6, 1.6)], (170, 150, 120))
    return c


def rotulo(point):
    """A sign pointing left ("rotulo1") or right ("rotulo2"), 130 x 44."""
    return _board(130, 44, point)


def rotulos():
    """The two-armed signpost, 300 x 64: left for one way of studying, right for the other."""
    c = Canvas(300, 64)
    c.fill_rect(146, 0, 154, 64, WOOD_DARK)
    left = _board(152, 60, -1)
    right = _board(152, 60, 1)
    c.draw(left, 0, 2)
    c.draw(right, 148, 2)
    return c


def bocadillo():
    """The information bubble, 240 x 96, its tail toward the girl's head at the left."""
    return speech_bubble((240, 96), (14, 2, 224, 92), 20, [(20, 34), (20, 62), (0, 44)],
                         [(22, 37), (22, 59), (4, 45)], (96, 96, 96))


def strip():
    """The dark beyond the wall the girl walks through, 1100 x 360: it starts about the left
    edge of the screen (the scene keeps it 374 pixels left of the girl) and fades in from
    there and from its top."""
    w, h = 1100, 360
    c = Canvas(w, h)
    for y in range(h):
        fy = min(1.0, y / 150.0)
        for x in range(w):
            fx = min(1.0, x / 140.0)
            a = int(round(200 * fx * fy / 8.0)) * 8
            if a:
                c.set(x, y, (12, 10, 24, a))
    return c


def torch_frames(count=4):
    """The torch on a wall's cap: a brazier whose flame flickers over `count` frames, side by
    side in one picture (28 x 48 each)."""
    w, h = 28, 48
    c = Canvas(w * count, h)
    for k in range(count):
        ox = k * w
        c.fill([geo.ellipse(ox + 14, 44, 10, 3)], (0, 0, 0, 60))
        c.fill([[(ox + 6, 30), (ox + 22, 30), (ox + 18, 40), (ox + 10, 40)]], (80, 60, 40))
        c.fill_rect(ox + 12, 40, ox + 16, 46, (70, 52, 36))
        sway = (-2, 1, 2, -1)[k % 4]
        tall = (22, 26, 20, 24)[k % 4]
        outer = [(ox + 6, 30), (ox + 14 + sway, 30 - tall), (ox + 22, 30)]
        c.fill([outer + [(ox + 18, 34), (ox + 10, 34)]], (240, 110, 30, 230))
        inner = [(ox + 10, 31), (ox + 14 + sway // 2, 30 - tall * 0.6), (ox + 18, 31)]
        c.fill([inner], (255, 220, 90))
    return c


# --- the screen's panel and the marker ---

PLAN = (104, 120)


def plan():
    """The plan of the building in the bottom-left corner ("zoomC"). The dot that marks the
    girl is put at (30 + x / 24, 70 + y / 18) from the plan's corner for her top left (x, y), so
    a place the girl reaches with her top left at (x, y) is drawn round that point."""
    w, h = PLAN
    c = Canvas(w, h, PALE_BLUE)

    def at(x, y):
        return (30 + x / 24.0 + 4, 70 + y / 18.0 + 4)

    def area(x0, y0, x1, y1, colour):
        a = at(x0, y0)
        b = at(x1, y1)
        c.fill([geo.rect(a[0] - 3, a[1] - 3, b[0] - a[0] + 6, b[1] - a[1] + 6)], colour)

    walls = (120, 110, 100)
    area(-560, -1040, 1220, 70, walls)
    floor = (250, 246, 236)
    area(-545, -824, 1220, -766, floor)      # the corridor of the study doors
    area(-312, -766, -247, -548, floor)      # the passages to the middle corridor
    area(484, -766, 547, -548, floor)
    area(-312, -548, 579, -314, floor)       # the corridor of the section doors
    area(1, -314, 56, -199, floor)           # the passage to the hall
    area(-152, -199, 226, 52, floor)         # the hall
    for x in (-521, -325, -121, 271, 469, 671):
        area(x, -860, x + 40, -840, (122, 74, 42))
    for x in (-123, 73, 273):
        area(x, -580, x + 40, -560, (52, 86, 150))
    c.fill_rect(0, 0, w, 2, NAVY)
    c.fill_rect(0, h - 2, w, h, NAVY)
    c.fill_rect(0, 0, 2, h, NAVY)
    c.fill_rect(w - 2, 0, w, h, NAVY)
    # north
    c.fill([[(88, 96), (92, 86), (96, 96), (92, 93)]], NAVY)
    return c


def magnifier(lit):
    """The magnifier that leads to the main menu, 48 x 48 ("lupa", "lupa2" under the
    pointer)."""
    c = Canvas(48, 48)
    c.fill([geo.rounded_rect(0, 0, 48, 48, 8)], NAVY)
    c.fill([geo.rounded_rect(2, 2, 44, 44, 7)], GOLD if lit else PALE_BLUE)
    c.fill([geo.capsule((28, 28), (40, 40), 4.5)], WOOD_DARK)
    c.fill([geo.ellipse(20, 20, 13, 13)], (70, 70, 80))
    c.fill([geo.ellipse(20, 20, 10, 10)], (200, 230, 250))
    c.fill([geo.ellipse(16, 16, 3, 3)], (255, 255, 255))
    return c


def exit_door(lit):
    """The exit door, 48 x 72 ("puertaS", "puertaS2" under the pointer)."""
    c = Canvas(48, 72)
    c.fill([geo.rounded_rect(0, 0, 48, 72, 6)], NAVY)
    c.fill([geo.rounded_rect(2, 2, 44, 68, 5)], GOLD if lit else PALE_BLUE)
    c.fill_rect(10, 10, 38, 66, (60, 140, 80))
    c.fill([[(10, 10), (28, 16), (28, 70), (10, 66)]], (40, 110, 60))
    c.fill([geo.ellipse(24, 40, 1.8, 1.8)], GOLD)
    c.fill([[(30, 36), (40, 36), (40, 32), (46, 40), (40, 48), (40, 44), (30, 44)]], (255, 255, 255))
    return c


def dot(lit):
    """The girl's place on the plan, 8 x 8 ("diana"; "diana2" the other half of its blink)."""
    c = Canvas(8, 8)
    if lit:
        c.fill([geo.ellipse(4, 4, 4, 4)], (255, 255, 255))
        c.fill([geo.ellipse(4, 4, 2.6, 2.6)], (220, 0, 0))
    else:
        c.fill([geo.ellipse(4, 4, 3.4, 3.4)], (120, 0, 0))
    return c


def marker(k):
    """The clicked place, 28 x 56: a ring on the floor round (14, 40) with a pin above it; the
    six images "circ1".."circ6" shrink and fade as it goes."""
    c = Canvas(28, 56)
    fade = 1.0 - k / 6.0
    a = int(round(255 * fade))
    rx, ry = 13 - k, 7 - k * 0.6
    c.fill([geo.ellipse(14, 40, rx, ry), geo.ellipse(14, 40, rx - 3, ry - 2)], (220, 0, 0, a), rule="evenodd")
    top = 4 + 3 * k
    c.fill([[(8, top), (20, top), (14, 32)]], (0, 0, 128, a))
    return c


def library_a():
    """segdxg1.DXG: [(name, frames, canvas)] in the library's order."""
    out = [(name, 1, canvas) for name, canvas in sorted(figure_frames().items())]
    out += [
        ("lupa", 1, magnifier(False)),
        ("lupa2", 1, magnifier(True)),
        ("zoomC", 1, plan()),
        ("diana", 1, dot(True)),
        ("diana2", 1, dot(False)),
        ("puertaS", 1, exit_door(False)),
        ("puertaS2", 1, exit_door(True)),
        ("puerta22", 1, door("puerta22")),
    ]
    out += [("circ%d" % (k + 1), 1, marker(k)) for k in range(6)]
    return out


def library_b():
    """vector.DXG: [(name, frames, canvas)]."""
    return [
        ("background", 1, background()),
        ("paredEx", 1, pared_ex()),
        ("pared", 1, pared()),
        ("paredUp", 1, pared_up()),
        ("lateral1", 1, lateral()),
        ("lateral2", 1, lateral(shade=True)),
        ("lateralPaso", 1, lateral_paso()),
        ("puertaB", 1, door("puertaB")),
        ("puertab", 1, door("puertab")),
        ("puer3", 1, door("puer3")),
        ("faraon1", 1, statue()),
        ("faraon2", 1, plant()),
        ("rotulos", 1, rotulos()),
        ("rotulo1", 1, rotulo(-1)),
        ("rotulo2", 1, rotulo(1)),
        ("tabla1", 1, tabla()),
        ("bocadillo", 1, bocadillo()),
        ("zoom", 1, strip()),
        ("antorcha", 4, torch_frames(4)),
    ]
