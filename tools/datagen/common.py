"""What every data set of the generator shares: reading the readable sources and writing the
program's files exactly as it reads them (Windows-1252, CR LF after every line)."""

import csv
import os
import textwrap

SOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'sources')
LANGUAGES = ['cas', 'catVal', 'galego', 'euskera']


class SourceError(Exception):
    """A source that breaks a rule of the files it becomes."""


def read_tsv(name):
    """Rows of a TSV source as dictionaries keyed by its header; lines starting with "#" are
    comments. Missing trailing columns read as empty texts."""
    path = os.path.join(SOURCES, name)
    with open(path, encoding='utf-8', newline='') as f:
        lines = [line for line in f if line.strip() and not line.startswith('#')]
    reader = csv.reader(lines, delimiter='\t', quoting=csv.QUOTE_NONE)
    header = next(reader)
    rows = []
    for number, row in enumerate(reader, start=2):
        if len(row) > len(header):
            raise SourceError(f'{name}: row {number} has more columns than the header')
        rows.append({key: (row[i] if i < len(row) else '') for i, key in enumerate(header)})
    return rows


def read_text(name):
    """A text source as lines without their line ends."""
    with open(os.path.join(SOURCES, name), encoding='utf-8') as f:
        return f.read().splitlines()


def fit(text, width, what):
    """The text, refused when it is longer than the width the program keeps."""
    if len(text) > width:
        raise SourceError(f'{what}: "{text}" has {len(text)} characters and {width} fit')
    return text


def wrap(text, width=65):
    """A paragraph broken into lines of at most `width` characters (the printed reports keep 65)."""
    return textwrap.wrap(text, width=width, break_long_words=False, break_on_hyphens=False) or ['']


def cp1252(text, what):
    try:
        return text.encode('cp1252')
    except UnicodeEncodeError as error:
        raise SourceError(f'{what}: "{text}" has a character outside Windows-1252') from error


def spanish_sort_key(text):
    """Castilian alphabetical order: accents ignored, ñ after n, case ignored."""
    plain = str.maketrans('áéíóúàèìòùäëïöüâêîôûÁÉÍÓÚÀÈÌÒÙÄËÏÖÜÂÊÎÔÛçÇ',
                          'aeiouaeiouaeiouaeiouAEIOUAEIOUAEIOUAEIOUcC')
    return text.translate(plain).lower().replace('ñ', 'n~')


class Output:
    """The data folder being written. Every file it writes is remembered, so that a check can
    compare a fresh generation with the committed folder file by file."""

    def __init__(self, root):
        self.root = root
        self.files = []

    def _path(self, relative):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        self.files.append(relative)
        return path

    def text(self, relative, lines):
        data = b''.join(cp1252(line, relative) + b'\r\n' for line in lines)
        with open(self._path(relative), 'wb') as f:
            f.write(data)

    def language_text(self, language, name, lines):
        self.text(os.path.join(language, name), lines)

    def binary(self, relative, data):
        with open(self._path(relative), 'wb') as f:
            f.write(data)


def number_list(text, what):
    """The integers of a comma-separated source field ("3, 7,12"); blanks and empty items skip."""
    try:
        return [int(v) for v in text.split(',') if v.strip()]
    except ValueError as error:
        raise SourceError(f'{what}: "{text}" is not a list of numbers') from error


def read_once(build):
    """A load() that builds a data set's numbered sources once per generation and then hands out
    the same object, so that the modules that share numbers agree and the sources are read once."""
    built = []

    def load():
        if not built:
            built.append(build())
        return built[0]

    load.__doc__ = build.__doc__
    return load

