"""The picture, map and sound generator behind tools/make_visuals.py."""
