#!/usr/bin/env python3
"""Draws every shared picture, map, region grid and sound of the program from the sources in
tools/sources/, and writes the comarca and zone files that go with the maps.

    tools/make_visuals.py [--data DIR] [--pictures DIR]

DIR defaults: data/velmora20_21 (the bundled data folder) and src/ui/shared/pictures (the
program's own picture lists, compiled into it). The output depends only on the sources: running
it again writes the same bytes, which a test checks.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from visuals import figures, icons, imagefile, maps, pictures, scene, sound  # noqa: E402
from visuals.raster import Canvas  # noqa: E402

SOURCES = os.path.join(HERE, "sources")


def strip_of(frames):
    w, h = frames[0].width, frames[0].height
    out = Canvas(w * len(frames), h)
    for k, f in enumerate(frames):
        out.draw(f, k * w, 0)
    return out


def data_files():
    spain = maps.load_spain(SOURCES)
    neighbours = maps.load_neighbours(SOURCES)
    project = maps.lonlat_projection(spain, neighbours)
    comarcas = maps.load_comarcas(SOURCES)
    zones = maps.load_zones(SOURCES)
    g1, mapa = maps.communities_map(spain, neighbours, project)
    g2, mapac = maps.comarcas_map(spain, neighbours, project, comarcas)
    g3, mapam = maps.madrid_map(spain, neighbours, project, zones)
    white = (255, 255, 255)
    return {
        "mapa": imagefile.png(mapa),
        "mapac": imagefile.png(mapac),
        "mapam": imagefile.png(mapam),
        "puntos3": maps.region_file(g1, g2, g3),
        "comarcas": maps.comarcas_file(comarcas, maps.load_barcelones(SOURCES)),
        "comarcasm": maps.zones_file(zones),
        "portada": imagefile.png(pictures.portada().rgb_rows()),
        "parte": imagefile.png(pictures.parte().rgb_rows()),
        "suelo": imagefile.png(pictures.suelo().rgb_rows()),
        "marco": imagefile.png(pictures.marco().rgb_rows()),
        "marcoar": imagefile.png(pictures.marcoar().rgb_rows()),
        "rotulon.bmp": imagefile.bmp(pictures.rotulon().rgb_rows()),
        "chica.bmp": imagefile.bmp(figures.portrait((64, 96), white).rgb_rows()),
        # White is the transparent colour of the two .bmp pictures that fly over other pictures.
        "heli.bmp": imagefile.bmp(icons.helicopter(SOURCES, 64, 64, white).rgb_rows()),
        "motor.wav": sound.motor(),
        "segdxg1.DXG": scene_library(scene.library_a()),
        "vector.DXG": scene_library(scene.library_b()),
    }


def scene_library(images):
    return imagefile.library([(name, frames, canvas.rgba_rows()) for name, frames, canvas in images])


def picture_lists():
    def rgba(canvas):
        return imagefile.png(canvas.rgba_rows(), alpha=True)
    return {
        "iconos.png": rgba(icons.strip(SOURCES, icons.ICONOS, 30, 1.0)),
        "ramas.png": rgba(icons.strip(SOURCES, icons.RAMAS, 40, 2.0)),
        "grados.png": rgba(icons.strip(SOURCES, icons.GRADOS, 16, 0.5)),
        "andar.png": rgba(strip_of(figures.walking_frames())),
        "puerta.png": rgba(strip_of(figures.climbing_frames())),
        "piloto.png": rgba(strip_of(figures.pilot_frames())),
        "helipeque.png": rgba(icons.helicopter(SOURCES, 48, 48)),
        "bocadillo.png": rgba(pictures.bocadillo()),
    }


def write(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, content in sorted(files.items()):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(content)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(HERE, "..", "data", "velmora20_21"))
    parser.add_argument("--pictures", default=os.path.join(HERE, "..", "src", "ui", "shared", "pictures"))
    args = parser.parse_args()
    write(os.path.normpath(args.data), data_files())
    write(os.path.normpath(args.pictures), picture_lists())


if __name__ == "__main__":
    main()
