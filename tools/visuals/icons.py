"""The picture lists drawn from Twemoji: the 30 x 30 icon list of the main menu (families,
groups, areas and statements index it), the 40 x 40 branch icons of the degrees screen and its
16 x 16 row icons. docs/icons.md says what every index stands for; keep the two in step."""

import os

from . import svgdoc
from .raster import Canvas

# Index -> (Twemoji file, what the index stands for).
ICONOS = [
    ("1f529", "Fabricación mecánica (family 10); the mechanics area"),                  # 0 nut and bolt
    ("1f331", "Agraria (family 3); nature and farming; itinerary group 1"),             # 1 seedling
    ("1f4bc", "Administración y gestión (family 2); office work"),                      # 2 briefcase
    ("1f6d2", "Comercio y marketing (family 6); selling"),                              # 3 shopping cart
    ("1f4a1", "electricity, electronics and installations (an interest area)"),         # 4 light bulb
    ("1f477", "building and repair trades (an interest area, a certificate area)"),     # 5 construction worker
    ("1f3eb", "school: studies in general"),                                             # 6 school
    ("26cf", "Industrias extractivas (family 15)"),                                     # 7 pick
    ("1f697", "Transporte y mantenimiento de vehículos (family 25)"),                   # 8 car
    ("1f3a8", "Artes y artesanías (family 5); the arts; itinerary group 2"),            # 9 palette
    ("1f4cd", "places: where to study, search by place"),                               # 10 pin
    ("1f30d", "languages and travel"),                                                  # 11 globe
    ("1f4bb", "Informática y comunicaciones (family 16)"),                              # 12 laptop
    ("2699", "engineering and technology; itinerary group 4"),                          # 13 gear
    ("1f9d1-200d-1f91d-200d-1f9d1", "Servicios socioculturales y a la comunidad (family 23); "
     "education and social work; itinerary group 10"),                                  # 14 people
    ("1f3c3", "sport and outdoor activity"),                                            # 15 runner
    ("1fa7a", "Sanidad (family 21); health; itinerary group 3"),                        # 16 stethoscope
    ("1f4f0", "communication and media; itinerary group 7"),                            # 17 newspaper
    ("1f9d1-200d-1f373", "Hostelería y turismo (family 11); cooking and tourism"),      # 18 cook
    ("1f35e", "Industrias alimentarias (family 14); food"),                             # 19 bread
    ("1f52c", "science and research"),                                                  # 20 microscope
    ("1f9ea", "Química (family 20); the laboratory"),                                   # 21 test tube
    ("1f3b5", "music"),                                                                 # 22 notes
    ("1f4d6", "languages and literature; itinerary group 8"),                           # 23 open book
    ("1f3db", "history, geography and philosophy; itinerary group 9"),                  # 24 classical building
    ("1f4c8", "economy and business; itinerary group 5"),                               # 25 chart
    ("1f3ed", "industrial trades (a vocational route); itinerary group 12"),            # 26 factory
    ("1f3ea", "services and trade (a vocational route); itinerary group 11"),           # 27 shop
    ("1f3d7", "Edificación y obra civil (family 7); building; itinerary group 13"),     # 28 crane
    ("2696", "law and politics; itinerary group 6"),                                    # 29 scales
    ("1f393", "university studies"),                                                    # 30 mortarboard
    ("26bd", "Actividades físicas y deportivas (family 1)"),                            # 31 football
    ("1f5a8", "Artes gráficas (family 4)"),                                             # 32 printer
    ("26a1", "Electricidad y electrónica (family 8)"),                                  # 33 high voltage
    ("1f4a7", "Energía y agua (family 9)"),                                             # 34 droplet
    ("1f527", "Instalación y mantenimiento (family 17)"),                               # 35 wrench
    ("1f3ac", "Imagen y sonido (family 13)"),                                           # 36 clapper board
    ("1f487", "Imagen personal (family 12)"),                                           # 37 haircut
    ("1fa91", "Madera, mueble y corcho (family 18)"),                                   # 38 chair
    ("2693", "Marítimo-pesquera (family 19)"),                                          # 39 anchor
    ("26d1", "Seguridad y medio ambiente (family 22)"),                                 # 40 rescue helmet
    ("1f9f5", "Textil, confección y piel (family 24)"),                                 # 41 thread
    ("1f3fa", "Vidrio y cerámica (family 26)"),                                         # 42 amphora
    ("2b05", "back: the item that returns to the previous list"),                       # 43 left arrow
]

# The branch list of the degrees screen, 40 x 40, by branch icon index.
RAMAS = [
    ("1f3ad", "Artes y Humanidades (branch 1)"),                 # 0 performing arts
    ("2696", "Ciencias Sociales y Jurídicas (branch 3)"),        # 1 scales
    ("1fa7a", "Ciencias de la Salud (branch 5)"),                # 2 stethoscope
    ("1f393", "all degrees"),                                    # 3 mortarboard
    ("1f4d0", "Ingeniería y Arquitectura (branch 4)"),           # 4 triangular ruler
    ("269b", "Ciencias (branch 2)"),                             # 5 atom
    ("1f3db", "the other rows of the statistics charts"),        # 6 classical building
]

# The 16 x 16 row and tree icons of the degrees screen.
GRADOS = [
    ("1f4c2", "tree: a top-level node once clicked"),            # 0 open folder
    ("1f4c4", "tree: a degree"),                                 # 1 page
    ("1f539", "tree: a clicked degree"),                         # 2 small blue diamond
    ("1f393", "a degree or title row"),                          # 3 mortarboard
    ("1f4c1", "tree: a group"),                                  # 4 folder
    ("1f4cd", "a place row"),                                    # 5 pin
]

HELICOPTER = "1f681"

TWEMOJI_FILES = [f for f, _ in ICONOS + RAMAS + GRADOS] + [HELICOPTER]


def _svg(sources, name):
    with open(os.path.join(sources, "twemoji", name + ".svg"), encoding="utf-8") as f:
        return f.read()


def strip(sources, table, size, pad):
    """The icons side by side in one picture, index k at x = k * size."""
    out = Canvas(size * len(table), size)
    for k, (name, _) in enumerate(table):
        out.draw(svgdoc.render(_svg(sources, name), size, pad), k * size, 0)
    return out


def helicopter(sources, width, height, background=None):
    """The helicopter flying to the right (the source faces left)."""
    art = svgdoc.render(_svg(sources, HELICOPTER), width, 1.0, mirror=True, height=height)
    if background is None:
        return art
    out = Canvas(width, height, background)
    out.draw(art, 0, 0)
    return out
