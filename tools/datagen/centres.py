"""The teaching centres of vocational training and what each teaches: the four centre lists
"lu1"-"lu4" and the three offer files "datluggsphp" (higher), "datluggmphp" (intermediate) and
"datlugbasphp" (basic).

Sources: sources/centres/<community>.tsv, one row per centre, with the columns

    province  locality  name  owner  area  basic  gm  gs  titles

- province: the province code of the centre (data/README: the first character names the centre
  list, the second is the line's first character; Madrid's city centres of the south and east are
  written "2H" and Barcelona city's "4A").
- locality: the town (or, in the city of Madrid, the district); at most 17 characters, except in
  the wide provinces, whose locality list shows 35 characters: there the name follows the town
  after one blank, so that each item of the list names the town and the centre.
- name: the centre as shown after the locality.
- owner: pub, conc or priv: the second column of the centre grid ("Público", "Concert.",
  "Privado").
- area: the area code of a Catalan or Madrid centre (comarca, Barcelonès municipality, Barcelona
  district, Madrid zone; the codes of "comarcas" and "comarcasm"); empty elsewhere.
- basic, gm, gs: the professional families (three-letter codes, comma separated) the centre
  teaches at that level; the centre gets the common titles of each family named. A code followed
  by "+" gives every title of the family at that level.
- titles: further titles by code (any level), comma separated.

A centre's lines keep the order of the source, grouped by locality in the order each locality
first appears (so that a locality's centres are consecutive and merge into one item of the
locality list). The lists are put together province by province in the order that the area codes
need (data/README): in lu2 the Madrid lines first (city "8" then "H", then north, south, east,
west), directly followed by Cuenca ("D"); in lu4 the Valencian lines before the Catalan ones,
Barcelona's comarcas ("5") first."""

import os

from . import universities, vocational
from .common import SourceError, fit, read_tsv

FOLDER = 'centres'
COMMUNITY_FILES = [
    'andalucia', 'aragon', 'asturias', 'baleares', 'canarias', 'cantabria', 'castillalamancha',
    'castillayleon', 'cataluna', 'extremadura', 'galicia', 'larioja', 'madrid', 'murcia',
    'navarra', 'valenciana', 'paisvasco', 'ceuta', 'melilla']

MAX_LINES = 1100          # lines of a centre list
MAX_TITLES = 25           # titles of one centre at one level
LOCALITY = 17             # characters of the locality
WIDE_LOCALITY = 35        # ... in the wide provinces
TEXT = 44                 # columns 2-45: the centre text
OWNERS = {'pub': 'Público', 'conc': 'Concert.', 'priv': 'Privado'}
FAMILIES = {'AFD', 'ADG', 'AGA', 'ARG', 'ART', 'COM', 'EOC', 'ELE', 'ENA', 'FME', 'HOT', 'IMP',
            'IMS', 'INA', 'IEX', 'IFC', 'IMA', 'MAM', 'MAP', 'QUI', 'SAN', 'SEA', 'SSC', 'TCP',
            'TMV', 'VIC', 'APD', 'DEP'}
LEVELS = ['basic', 'gm', 'gs']
OFFER_FILES = {'gs': 'datluggsphp', 'gm': 'datluggmphp', 'basic': 'datlugbasphp'}

# Province codes in the order of their lines inside each list.
LIST_ORDER = {
    '1': ['11', '14', '12', '13', '17', '1A', '1D', '1E', '1F', '1G', '1H', '15', '18', '19', '1B',
          '16', '1I', '1J', '1K'],
    # Madrid (city "8" first so that the basic screen's own copy blanks column 45 from it, then
    # the city's "H", north, south, east, west), then Cuenca, whose "D" ends the Madrid range.
    '2': ['28', '2H', '29', '2A', '2B', '2C', '2D', '21', '24', '26', '27', '2K', '2L', '2J',
          '2I', '22', '25', '23', '2G', '2E'],
    '3': ['37', '38', '39', '3A', '3B', '3C', '3G', '3D', '3E', '3F', '33', '36', '3J', '31', '32'],
    # The Valencian lines come before the first Catalan line, Barcelona ("5", then city "A").
    '4': ['42', '43', '41', '44', '45', '4A', '46', '47', '48', '49'],
}
# The province character of the area codes (after the higher-level screen turns "A" into "5" in
# lu4 and "H" into "8" in lu2).
AREA_PROVINCES = {'45': '5', '4A': '5', '46': '6', '47': '7', '48': '8', '49': '9',
                  '28': '8', '2H': '8', '29': '9', '2A': 'A', '2B': 'B', '2C': 'C'}
# Madrid city's two codes share the zones 81-87: centre and north 81-83, south and east 84-87.
CITY_ZONES = {'28': {'81', '82', '83'}, '2H': {'84', '85', '86', '87'}}
BARCELONA_CITY = {'4A': set('PQRSTUVWXY')}

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class Title:
    def __init__(self, number, family, code, common):
        self.number, self.family, self.code, self.common = number, family, code, common


def read_titles():
    """The titles of the three levels, numbered by the vocational data set."""
    v = vocational.load()
    return {level: [Title(t.number, t.family, t.code, t.common) for t in v.titles(level)]
            for level in LEVELS}


def area_codes():
    """The area codes of the comarcas, Barcelonès municipalities, districts and Madrid zones, as
    the files drawn with the maps list them."""
    codes = set()
    folder = os.path.join(REPOSITORY, 'data', 'velmora20_21')
    for name in ('comarcas', 'comarcasm'):
        with open(os.path.join(folder, name), 'rb') as f:
            for line in f.read().decode('cp1252').splitlines():
                if len(line) >= 2 and line[:2] != '--':
                    codes.add(line[:2])
    return codes


class Centre:
    pass


def read_centres(titles, codes):
    provinces = {p['code']: p for p in universities.load().provinces}
    by_code = {level: {t.code: t for t in titles[level]} for level in LEVELS}
    family_titles = {level: {} for level in LEVELS}
    for level in LEVELS:
        for t in titles[level]:
            family_titles[level].setdefault(t.family, []).append(t)
    per_province = {code: [] for code in provinces}
    for community in COMMUNITY_FILES:
        name = os.path.join(FOLDER, community + '.tsv')
        for row in read_tsv(name):
            where = f'{name}: {row["name"]}'
            code = row['province']
            if code not in provinces or provinces[code]['community'] != community:
                raise SourceError(f'{where}: province {code} is not one of {community}')
            c = Centre()
            c.code, c.where = code, where
            # Madrid's "2H" reads 35 characters only where Madrid lists zones instead of
            # localities; the basic screen lists its localities with 17.
            c.wide = code in universities.WIDE_PROVINCES and code != '2H'
            locality = row['locality']
            if not locality:
                raise SourceError(f'{where}: no locality')
            fit(locality, WIDE_LOCALITY if c.wide else LOCALITY, f'{where}: locality')
            c.locality = locality
            # The narrow provinces merge the first 17 characters, so the locality is padded to
            # them; the wide ones show 35 characters per centre, so the name follows the town.
            if c.wide or len(locality) >= LOCALITY:
                prefix = locality + ' '
            else:
                prefix = locality.ljust(LOCALITY)
            area = row['area']
            width = TEXT
            if code in AREA_PROVINCES:
                width = TEXT - 1  # column 45 carries the area character
                if len(area) != 2 or area not in codes or area[0] != AREA_PROVINCES[code]:
                    raise SourceError(f'{where}: area code "{area}" does not belong to {code}')
                if code in CITY_ZONES and area not in CITY_ZONES[code]:
                    raise SourceError(f'{where}: zone {area} is not one of code {code}')
                city = area[1] in BARCELONA_CITY['4A']
                if code in ('45', '4A') and (code == '4A') != city:
                    raise SourceError(f'{where}: Barcelona city centres are written 4A, the '
                                      'others 45')
                if area == '5E':
                    raise SourceError(f'{where}: a Barcelonès centre takes its municipality')
            elif area:
                raise SourceError(f'{where}: only Catalan and Madrid centres have an area code')
            text = fit(prefix + row['name'], width, f'{where}: locality and name')
            c.text = text.ljust(width) + (area[1] if area else '')
            if row['owner'] not in OWNERS:
                raise SourceError(f'{where}: owner "{row["owner"]}" is not pub, conc or priv')
            c.owner = OWNERS[row['owner']]
            c.offers = {}
            named = [t for t in row['titles'].split(',') if t.strip()]
            for level in LEVELS:
                chosen = []
                for family in [f.strip() for f in row[level].split(',') if f.strip()]:
                    every = family.endswith('+')
                    family = family.rstrip('+')
                    if family not in FAMILIES:
                        raise SourceError(f'{where}: unknown family {family}')
                    if family not in family_titles[level]:
                        raise SourceError(f'{where}: the family {family} has no {level} title')
                    for t in family_titles[level].get(family, []):
                        if (every or t.common) and t not in chosen:
                            chosen.append(t)
                for key in named:
                    t = by_code[level].get(key.strip())
                    if t is not None and t not in chosen:
                        chosen.append(t)
                if len(chosen) > MAX_TITLES:
                    raise SourceError(f'{where}: {len(chosen)} titles at level {level}, at most '
                                      f'{MAX_TITLES}')
                c.offers[level] = sorted(t.number for t in chosen)
            for key in named:
                if not any(key.strip() in by_code[level] for level in LEVELS):
                    raise SourceError(f'{where}: unknown title {key}')
            per_province[code].append(c)
    return per_province


def ordered(centres):
    """The centres of a province, grouped by locality in order of first appearance."""
    localities = []
    for c in centres:
        if c.locality not in localities:
            localities.append(c.locality)
    return [c for locality in localities for c in centres if c.locality == locality]


def build():
    titles = read_titles()
    per_province = read_centres(titles, area_codes())
    lists = {}
    for digit, order in LIST_ORDER.items():
        if sorted(order) != sorted(c for c in universities.PROVINCE_CODES if c[0] == digit):
            raise SourceError(f'centres: the order of list {digit} misses a province')
        lines = []
        for code in order:
            lines.extend(ordered(per_province[code]))
        if len(lines) > MAX_LINES:
            raise SourceError(f'centres: lu{digit} has {len(lines)} lines, at most {MAX_LINES}')
        lists[digit] = lines
    return titles, lists


def centre_line(c):
    return c.code[1] + c.text + c.owner.ljust(9)


def generate(out):
    titles, lists = build()
    for digit in '1234':
        out.text(f'lu{digit}', [centre_line(c).rstrip() for c in lists[digit]])
    for level, name in OFFER_FILES.items():
        lines = []
        for digit in '1234':
            for c in lists[digit]:
                numbers = c.offers[level]
                lines.append(';'.join(str(v) for v in [len(numbers)] + numbers))
        out.text(name, lines)
