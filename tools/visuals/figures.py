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


def walker(phase, size=(56, 168), colours=None, cap=False, m=None):
    """One frame of a figure walking to the right, seen from the side; `phase` 0..1 over a
    stride. The figure stands 160 units tall with its feet on the bottom of the frame."""
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
    canvas.fill([geo.apply_all(m, geo.ellipse(36, 15 - bob, 1.6, 1.8))], EYE)
    canvas.fill([geo.apply_all(m, geo.capsule((35, 22 - bob), (38, 21.5 - bob), 0.8))], (190, 80, 80))
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
