"""Renders the simple filled SVG drawings of the icon sources (paths, circles, ellipses,
rectangles and groups with fills and transforms) onto a canvas."""

import xml.etree.ElementTree as ET

from . import geometry as geo
from .raster import Canvas

_NS = "{http://www.w3.org/2000/svg}"


def parse_colour(text):
    text = text.strip()
    if text.startswith("#"):
        h = text[1:]
        if len(h) == 3:
            h = "".join(c * 2 for c in h)
        return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16))
    named = {"white": (255, 255, 255), "black": (0, 0, 0), "red": (255, 0, 0)}
    if text in named:
        return named[text]
    raise ValueError("colour " + text)


def shapes(svg_text):
    """The drawing as a list of (rings, (r, g, b, a), rule) in viewBox units, in paint order,
    and the viewBox."""
    root = ET.fromstring(svg_text)
    vb = [float(v) for v in root.get("viewBox").replace(",", " ").split()]
    out = []

    def walk(node, fill, opacity, m):
        m = geo.multiply(m, geo.parse_transform(node.get("transform")))
        fill = node.get("fill", fill)
        if node.get("opacity") is not None:
            opacity *= float(node.get("opacity"))
        if node.get("fill-opacity") is not None:
            opacity *= float(node.get("fill-opacity"))
        tag = node.tag.replace(_NS, "")
        rule = "evenodd" if node.get("fill-rule") == "evenodd" else "nonzero"
        rings = None
        if tag == "path":
            rings = geo.flatten_path(node.get("d"), 0.02)
        elif tag == "circle":
            r = float(node.get("r"))
            rings = [geo.ellipse(float(node.get("cx", 0)), float(node.get("cy", 0)), r, r, 64)]
        elif tag == "ellipse":
            rings = [geo.ellipse(float(node.get("cx", 0)), float(node.get("cy", 0)),
                                 float(node.get("rx")), float(node.get("ry")), 64)]
        elif tag == "rect":
            x, y = float(node.get("x", 0)), float(node.get("y", 0))
            w, h = float(node.get("width")), float(node.get("height"))
            rx = float(node.get("rx", node.get("ry", 0)))
            rings = [geo.rounded_rect(x, y, w, h, rx) if rx else geo.rect(x, y, w, h)]
        if rings is not None and fill != "none":
            colour = parse_colour(fill)
            out.append(([geo.apply_all(m, ring) for ring in rings],
                        colour + (int(round(255 * opacity)),), rule))
        for child in node:
            walk(child, fill, opacity, m)

    walk(root, "#000000", 1.0, geo.IDENTITY)
    return out, vb


def render(svg_text, size, pad=0.0, mirror=False, height=None):
    """The drawing fitted into a size x height canvas (keeping its aspect), `pad` pixels inside
    each edge."""
    height = size if height is None else height
    items, (vx, vy, vw, vh) = shapes(svg_text)
    s = min((size - 2 * pad) / vw, (height - 2 * pad) / vh)
    ox = (size - vw * s) / 2.0
    oy = (height - vh * s) / 2.0
    if mirror:
        m = (-s, 0.0, 0.0, s, size - ox + vx * s, oy - vy * s)
    else:
        m = (s, 0.0, 0.0, s, ox - vx * s, oy - vy * s)
    canvas = Canvas(size, height)
    for rings, colour, rule in items:
        canvas.fill([geo.apply_all(m, r) for r in rings], colour, ss=6, rule=rule)
    return canvas
