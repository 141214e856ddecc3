"""The four files of higher artistic studies ("artesplas", "musica", "danza", "dramatico"): their
titles, specialities and places, with the places' community numbers computed."""

import os

from . import universities
from .common import LANGUAGES, SourceError, fit, read_text, read_tsv

LINE_WIDTH = 60           # the screen keeps 60 characters of every line
PLASTIC_SPECIALITIES = 17
PLASTIC_NAME_WIDTH = 22   # columns 3-24
DRAMA_NAME_WIDTH = 24     # columns 2-25 after the "-"
PHONE_WIDTH = 9
KINDS = ['artesplas', 'musica', 'danza', 'dramatico']


def read_parts(language):
    parts = {}
    current = None
    name = os.path.join('arts', language + '.txt')
    for line in read_text(name):
        if line.startswith('#'):
            continue
        if line.startswith('== '):
            current = parts.setdefault(line[3:].strip(), [])
        elif current is None:
            raise SourceError(f'{name}: text before the first part')
        else:
            current.append(fit(line, LINE_WIDTH, name))
    return parts


def places(kind):
    data = universities.load()
    rows = [r for r in read_tsv(os.path.join('arts', 'places.tsv')) if r['kind'] == kind]
    for r in rows:
        if r['community'] not in data.community_number:
            raise SourceError(f'arts/places.tsv: {r["name"]}: unknown community')
        r['number'] = data.community_number[r['community']]
    return sorted(rows, key=lambda r: r['number'])


def community_name(community_key, language):
    row = next(c for c in universities.load().communities if c['key'] == community_key)
    return row['name'] if language == 'cas' else row[language]


def plastic_arts(parts, language):
    specialities = parts['artesplas specialities']
    if len(specialities) != PLASTIC_SPECIALITIES:
        raise SourceError(f'arts/{language}.txt: plastic arts have 17 specialities')
    phone = parts['phone'][0]
    lines = parts['artesplas titles'] + ['f1'] + specialities + ['f2']
    for r in places('artesplas'):
        numbers = [int(s) for s in r['specialities'].split(',')]
        if len(numbers) > 5 or any(not 0 <= s < PLASTIC_SPECIALITIES for s in numbers):
            raise SourceError(f'arts/places.tsv: {r["name"]}: up to five specialities 0..16')
        lines.append(f'{r["number"]:2d}' + fit(r['name'], PLASTIC_NAME_WIDTH, 'arts/places.tsv').ljust(22)
                     + phone.ljust(PHONE_WIDTH) + ' ' + ''.join(f'{s:02d}' for s in numbers))
        city = r['city']
        if city.endswith(' +'):
            city = city[:-1] + parts['more seats'][0]
        lines.append('  ' + fit(city, LINE_WIDTH - 2, 'arts/places.tsv city'))
    return lines


def music(parts, language):
    lines = parts['musica titles'] + ['f1'] + parts['musica specialities'] + ['f2']
    previous = None
    for r in places('musica'):
        start = f'{r["number"]:2d}' if r['number'] != previous else '  '
        previous = r['number']
        lines.append(fit(f'{start}{r["name"]} http://www.{r["web"]}', LINE_WIDTH,
                         'arts/places.tsv'))
    return lines


def dance(parts, language):
    lines = parts['danza titles'] + ['f1'] + parts['danza specialities'] + ['f2']
    lines += parts['danza places']
    previous = None
    for r in places('danza'):
        if r['number'] != previous:
            lines.append('- ' + community_name(r['community'], language))
            previous = r['number']
        lines.append(fit(f'  {r["name"]} ({r["city"]})', LINE_WIDTH, 'arts/places.tsv'))
        if r['web']:
            lines.append(f'http://www.{r["web"]}')
    return lines


def drama(parts, language):
    names = parts['dramatico names']
    if len(names) != 8:
        raise SourceError(f'arts/{language}.txt: drama has eight names (0..7)')
    phone = parts['phone'][0]
    lines = parts['dramatico titles'] + ['f1'] + parts['dramatico specialities'] + ['f2']
    lines += parts['dramatico heading'][:1]
    lines += [' ' + name for name in names]
    for r in places('dramatico'):
        digits = r['specialities'].replace(',', '')
        if len(digits) > 7 or any(d not in '1234567' for d in digits):
            raise SourceError(f'arts/places.tsv: {r["name"]}: up to seven digits 1..7')
        name = fit(r['name'], DRAMA_NAME_WIDTH, 'arts/places.tsv')
        lines.append(('-' + name).ljust(25) + phone.ljust(PHONE_WIDTH) + ' ' * 6 + digits)
        if r['web']:
            lines.append(f'http://www.{r["web"]}')
    return lines


def generate(out):
    for language in LANGUAGES:
        parts = read_parts(language)
        files = {'artesplas': plastic_arts, 'musica': music, 'danza': dance, 'dramatico': drama}
        for kind in KINDS:
            lines = files[kind](parts, language)
            for line in lines:
                fit(line, LINE_WIDTH, f'{language}/{kind}')
            out.language_text(language, kind, lines)
