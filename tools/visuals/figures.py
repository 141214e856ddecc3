"""The walking girl of the main menu (and the help character), her climbing frames, the pilot of
the intermediate-level screen and the report header's portrait, drawn from simple shapes."""

import math

from . import geometry as geo
from .raster import Canvas

SKIN = (247, 205, 170)
SKIN_SHADE = (226, 178, 140)
HAIR = (92, 56, 34)
SHIRT = (231, 90, 94)
SHIRT_SHADE = (196, 66, 72)
JEANS = (60, 92, 160)
JEANS_SHADE = (44, 70, 128)
SHOES = (60, 44, 40)
BAG = (246, 178, 54)
BAG_SHADE = (206, 140, 30)
EYE = (40, 30, 30)


def _limb(canvas, p, q, r, colour, m):
    canvas.fill([geo.apply_all(m, geo.capsule(p, q, r))], colour)


def _joint(origin, length, degrees):
    """The end of a limb hanging from `origin`, turned `degrees` forward (to the right)."""
    a = math.radians(degrees)
    return (origin[0] + length * math.sin(a), origin[1] + length * math.cos(a))


def walker(phase, size=(56, 168), colours=None, cap=False, m=None, face=True):
    """One frame of a figure walking to the right, seen from the side; `phase` 0..1 over a
    stride. The figure stands 160 units tall with its feet on the bottom of the frame. Without
    `face` she is turned away from the viewer: hair where the eye and mouth were."""
    c = dict(skin=SKIN, hair=HAIR, shirt=SHIRT, shirt_shade=SHIRT_SHADE, legs=JEANS,
             legs_shade=JEANS_SHADE, shoes=SHOES, bag=BAG, bag_shade=BAG_SHADE)
    c.update(colours or {})
    w, h = size
    canvas = Canvas(w, h)
    if m is None:
        s = (h - 4) / 164.0
        m = (s, 0.0, 0.0, s, w / 2.0 - 28 * s, h - 2 - 164 * s)
    t = 2 * math.pi * phase
    swing = 24 * math.sin(t)
    bob = 1.5 * abs(math.cos(t))
    hip = (28.0, 90.0 - bob)
    shoulder = (29.0, 38.0 - bob)

    def leg(angle, lift, colour, shoe):
        knee = _joint(hip, 36, angle)
        bend = 8 + 30 * max(0.0, lift)
        ankle = _joint(knee, 36, angle - bend)
        _limb(canvas, hip, knee, 6.0, colour, m)
        _limb(canvas, knee, ankle, 5.0, colour, m)
        toe = (ankle[0] + 9, ankle[1] + 2)
        _limb(canvas, (ankle[0] - 2, ankle[1] + 1), toe, 3.4, shoe, m)

    def arm(angle, colour_upper, colour_lower):
        elbow = _joint(shoulder, 26, angle)
        hand = _joint(elbow, 24, angle + 18)
        _limb(canvas, shoulder, elbow, 4.6, colour_upper, m)
        _limb(canvas, elbow, hand, 3.8, colour_lower, m)
        canvas.fill([geo.apply_all(m, geo.ellipse(hand[0], hand[1], 3.6, 3.6))], c["skin"])

    # far side first
    arm(swing, c["shirt_shade"], SKIN_SHADE)
    leg(-swing, math.sin(t + math.pi / 2), c["legs_shade"], c["shoes"])
    # backpack behind the back
    canvas.fill([geo.apply_all(m, geo.rounded_rect(9, 36 - bob, 14, 34, 4))], c["bag"])
    canvas.fill([geo.apply_all(m, geo.rounded_rect(11, 52 - bob, 10, 12, 2))], c["bag_shade"])
    leg(swing, math.sin(t - math.pi / 2), c["legs"], c["shoes"])
    # body: shirt from shoulders to hips
    body = [(19, 34 - bob), (37, 34 - bob), (39, 60 - bob), (37, 92 - bob), (19, 92 - bob), (18, 60 - bob)]
    canvas.fill([geo.apply_all(m, body)], c["shirt"])
    canvas.fill([geo.apply_all(m, geo.rect(19, 84 - bob, 18, 8))], c["legs"])
    # neck and head
    canvas.fill([geo.apply_all(m, geo.rect(25, 26 - bob, 8, 10))], c["skin"])
    canvas.fill([geo.apply_all(m, geo.ellipse(30, 16 - bob, 11, 12))], c["skin"])
    if cap:
        canvas.fill([geo.apply_all(m, geo.ellipse(29, 10 - bob, 12, 8))], c["hair"])
        canvas.fill([geo.apply_all(m, geo.rect(29, 9 - bob, 15, 3))], c["hair"])
        canvas.fill([geo.apply_all(m, geo.rounded_rect(30, 11 - bob, 9, 5, 2))], (150, 210, 240))
    else:
        hair = [(18, 20 - bob), (19, 8 - bob), (27, 2 - bob), (36, 3 - bob), (41, 10 - bob), (35, 9 - bob),
                (28, 12 - bob), (24, 20 - bob), (22, 26 - bob)]
        canvas.fill([geo.apply_all(m, hair)], c["hair"])
        tail = geo.capsule((19, 12 - bob), (12 - 2 * math.sin(t), 28 - bob), 3.6)
        canvas.fill([geo.apply_all(m, tail)], c["hair"])
    if face:
        canvas.fill([geo.apply_all(m, geo.ellipse(36, 15 - bob, 1.6, 1.8))], EYE)
        canvas.fill([geo.apply_all(m, geo.capsule((35, 22 - bob), (38, 21.5 - bob), 0.8))], (190, 80, 80))
    else:
        canvas.fill([geo.apply_all(m, geo.ellipse(33, 14 - bob, 9, 10))], c["hair"])
    # near arm on top
    arm(-swing, c["shirt"], c["skin"])
    return canvas


def climber(step, size=(56, 168)):
    """One frame of the girl climbing steps to a door, seen from behind."""
    w, h = size
    canvas = Canvas(w, h)
    s = (h - 4) / 164.0
    m = (s, 0.0, 0.0, s, w / 2.0 - 28 * s, h - 2 - 164 * s)
    up = step % 2 == 0
    hip_l, hip_r = (23.0, 90.0), (33.0, 90.0)

    def leg(hip, lifted, colour):
        if lifted:
            knee = (hip[0], hip[1] + 26)
            ankle = (hip[0], hip[1] + 56)
        else:
            knee = (hip[0], hip[1] + 36)
            ankle = (hip[0], hip[1] + 70)
        _limb(canvas, hip, knee, 6.0, colour, m)
        _limb(canvas, knee, ankle, 5.0, colour, m)
        _limb(canvas, (ankle[0], ankle[1] - 1), (ankle[0], ankle[1] + 3), 4.0, SHOES, m)

    leg(hip_l, up, JEANS)
    leg(hip_r, not up, JEANS_SHADE)
    body = [(16, 34), (40, 34), (42, 60), (40, 92), (16, 92), (14, 60)]
    canvas.fill([geo.apply_all(m, body)], SHIRT)
    sway = 3 if up else -3
    for x, d in ((14, -1), (42, 1)):
        elbow = (x + d * 2, 62)
        hand = (x + d * 1 + sway * d, 84)
        _limb(canvas, (x, 38), elbow, 4.6, SHIRT, m)
        _limb(canvas, elbow, hand, 3.8, SKIN, m)
    canvas.fill([geo.apply_all(m, geo.rect(24, 26, 8, 10))], SKIN)
    canvas.fill([geo.apply_all(m, geo.ellipse(28, 16, 11.5, 12))], HAIR)
    canvas.fill([geo.apply_all(m, geo.capsule((28, 14), (28, 32), 3.8))], HAIR)
    canvas.fill([geo.apply_all(m, geo.rounded_rect(15, 38, 26, 34, 6))], BAG)
    canvas.fill([geo.apply_all(m, geo.rounded_rect(19, 54, 18, 13, 3))], BAG_SHADE)
    return canvas


def walking_frames(count=8, size=(56, 168)):
    return [walker(k / count, size) for k in range(count)]


def climbing_frames(count=5, size=(56, 168)):
    return [climber(k, size) for k in range(count)]


def pilot_frames(count=8, size=(48, 72)):
    colours = dict(shirt=(132, 96, 60), shirt_shade=(108, 76, 46), legs=(70, 84, 60),
                   legs_shade=(54, 66, 46), hair=(60, 60, 70), bag=(0, 0, 0, 0), bag_shade=(0, 0, 0, 0))
    return [walker(k / count, size, colours, cap=True) for k in range(count)]


def portrait(size=(64, 96), background=(255, 255, 255)):
    """The report header's picture: the girl of the main menu, facing the reader with a book."""
    w, h = size
    canvas = Canvas(w, h, background)
    s = w / 64.0
    m = (s, 0.0, 0.0, s, 0.0, 0.0)

    def f(poly, colour):
        canvas.fill([geo.apply_all(m, poly)], colour)

    f(geo.ellipse(32, 34, 22, 26), HAIR)                      # hair behind
    f(geo.rounded_rect(6, 62, 52, 40, 14), SHIRT)             # shoulders
    f(geo.rect(27, 50, 10, 14), SKIN)                         # neck
    f(geo.ellipse(32, 34, 16, 19), SKIN)                      # face
    f([(15, 30), (18, 16), (32, 11), (46, 16), (49, 30), (42, 22), (30, 21), (20, 26)], HAIR)
    f(geo.ellipse(26, 36, 1.8, 2.2), EYE)
    f(geo.ellipse(38, 36, 1.8, 2.2), EYE)
    f(geo.capsule((28, 45), (36, 45), 1.1), (190, 80, 80))
    f(geo.ellipse(21, 42, 3, 2), (250, 180, 170))
    f(geo.ellipse(43, 42, 3, 2), (250, 180, 170))
    f([(14, 74), (32, 79), (50, 74), (50, 94), (32, 99), (14, 94)], (0, 0, 128))  # book
    f([(31, 78), (33, 78), (33, 98), (31, 98)], (255, 255, 255))
    return canvas


def front_walker(phase, size=(72, 168), back=False):
    """One frame of the girl walking toward the viewer (or away from him, `back`): the legs
    take turns to reach lower and the arms swing, over a stride `phase` 0..1. Same proportions
    as `walker`, feet on the bottom of the frame."""
    w, h = size
    canvas = Canvas(w, h)
    s = (h - 4) / 164.0
    m = (s, 0.0, 0.0, s, w / 2.0 - 28 * s, h - 2 - 164 * s)
    t = 2 * math.pi * phase
    lift = math.sin(t)
    bob = 1.5 * abs(math.cos(t))

    def leg(x, reach, colour):
        hip = (x, 90.0 - bob)
        knee = (x, 126.0 - bob + reach * 0.4)
        ankle = (x, 160.0 - bob + reach)
        _limb(canvas, hip, knee, 6.0, colour, m)
        _limb(canvas, knee, ankle, 5.0, colour, m)
        foot = geo.rounded_rect(x - 5, ankle[1] - 2, 10, 6 if back else 8, 3)
        canvas.fill([geo.apply_all(m, foot)], SHOES)

    def arm(x, side, swing, upper, lower):
        shoulder = (x, 38.0 - bob)
        elbow = (x + side * 3, 62.0 - bob - swing)
        hand = (x + side * 4, 84.0 - bob - 2 * swing)
        _limb(canvas, shoulder, elbow, 4.6, upper, m)
        _limb(canvas, elbow, hand, 3.8, lower, m)
        canvas.fill([geo.apply_all(m, geo.ellipse(hand[0], hand[1], 3.6, 3.6))], SKIN)

    # the leg that steps forward reaches lower (nearer the viewer) in a front view
    near = 1 if back else -1
    leg(23.0, -3 + 3 * near * lift, JEANS_SHADE if lift > 0 else JEANS)
    leg(33.0, -3 - 3 * near * lift, JEANS if lift > 0 else JEANS_SHADE)
    body = [(16, 34 - bob), (40, 34 - bob), (42, 60 - bob), (40, 92 - bob), (16, 92 - bob), (14, 60 - bob)]
    canvas.fill([geo.apply_all(m, body)], SHIRT)
    canvas.fill([geo.apply_all(m, geo.rect(16, 84 - bob, 24, 8))], JEANS)
    arm(14.0, -1, 4 * lift, SHIRT_SHADE, SKIN_SHADE)
    arm(42.0, 1, -4 * lift, SHIRT_SHADE, SKIN_SHADE)
    canvas.fill([geo.apply_all(m, geo.rect(24, 26 - bob, 8, 10))], SKIN)
    if back:
        canvas.fill([geo.apply_all(m, geo.ellipse(28, 16 - bob, 11.5, 12))], HAIR)
        canvas.fill([geo.apply_all(m, geo.capsule((28, 14 - bob), (28 + 2 * lift, 32 - bob), 3.8))], HAIR)
        canvas.fill([geo.apply_all(m, geo.rounded_rect(15, 38 - bob, 26, 34, 6))], BAG)
        canvas.fill([geo.apply_all(m, geo.rounded_rect(19, 54 - bob, 18, 13, 3))], BAG_SHADE)
    else:
        canvas.fill([geo.apply_all(m, geo.capsule((18, 38 - bob), (16, 62 - bob), 2.0))], BAG_SHADE)
        canvas.fill([geo.apply_all(m, geo.capsule((38, 38 - bob), (40, 62 - bob), 2.0))], BAG_SHADE)
        canvas.fill([geo.apply_all(m, geo.ellipse(28, 16 - bob, 11, 12))], SKIN)
        hair = [(16, 20 - bob), (17, 8 - bob), (24, 3 - bob), (32, 3 - bob), (39, 8 - bob), (40, 20 - bob),
                (36, 11 - bob), (28, 9 - bob), (20, 11 - bob)]
        canvas.fill([geo.apply_all(m, hair)], HAIR)
        canvas.fill([geo.apply_all(m, geo.ellipse(24, 16 - bob, 1.6, 1.8))], EYE)
        canvas.fill([geo.apply_all(m, geo.ellipse(32, 16 - bob, 1.6, 1.8))], EYE)
        canvas.fill([geo.apply_all(m, geo.capsule((26, 22 - bob), (30, 22 - bob), 0.8))], (190, 80, 80))
    return canvas
