"""The vocational titles: the professional families and their groups ("familias"), the title
files of the three levels ("fp" higher, "fp2" intermediate, "fpba" basic), the jobs and modules of
every title ("asignafp", "asignagm", "asignaba"), the access lines of the higher level ("reqfp")
and the facts of each higher and intermediate title ("datfpsphp", "datfpmphp").

Sources in sources/vocational/:

- families.tsv: the 26 families in family-number order (their three-letter codes);
  groups.tsv: the nine family groups of the intermediate and higher levels and the nine of the
  basic level; sections.tsv: the headers that follow the 26 families in fp and fp2 (the arts
  families of the arts-and-design catalogue, then the sports cycles).
- titles.tsv: one row per title (level, family, code, common, generation, law, section) with the
  facts of higher and intermediate titles (itineraries, access, professions, items).
- reqfp.tsv: the access lines of the higher level, by key; titles name them in "access".
- blocks.tsv: the jobs and modules of each title, by code, in block order.
- <language>/*.txt: the texts, one line per row of the table they belong to.

A title number is the title's line in its level's file, counting the header lines: every family
keeps its header at every level (header f of fp and fp2 is family f, and so is header f of
fpba), even when it has no title there. Other data sets read the numbers through load()."""

import os

from . import questionnaires
from .common import LANGUAGES, SourceError, fit, number_list, read_once, read_text, read_tsv

FOLDER = 'vocational'
FAMILY_KEYS = '123456789ABCDEFGHIJKLMNOPQ'
LEVELS = ('gs', 'gm', 'basic')
TITLE_FILES = {'gs': 'fp', 'gm': 'fp2', 'basic': 'fpba'}
BLOCK_FILES = {'gs': 'asignafp', 'gm': 'asignagm', 'basic': 'asignaba'}
FACT_FILES = {'gs': 'datfpsphp', 'gm': 'datfpmphp'}
LEVEL_DIGIT = {'gs': '3', 'gm': '2', 'basic': 'B'}
GENERATIONS = ('loe', 'bar', 'bang')
SPORTS_SECTION = {'gs': 'DEP3', 'gm': 'DEP2'}

WIDTH = 60             # title lines, block entries, family lines
REQ_WIDTH = 55         # access lines
MAX_TITLE_LINES = 200  # the per-title tables hold titles 1-200
MAX_BASIC_HEADERS = 26
MAX_BASIC_HEADER_LINE = 255
BLOCK_ENTRIES = 25
JOBS = 5               # entries 1-5
MAX_MODULES = 19       # entries 7-25 (entry 6 is the modules heading)
MAX_ITINERARIES = 4
MAX_ACCESS = 13
MAX_PROFESSIONS = {'gs': 6, 'gm': 3}
MAX_ITEMS = 3
GROUPS = 9
SLOTS = 3
HIGHER_ITINERARIES = 13  # itinerary groups of "itinerar" a higher title may belong to
NO_TITLES_ITINERARY = 11  # the exact sciences: their study list says there are no higher titles

LABELS = ['modules', 'basic_modules']  # lines of <language>/labels.txt


def texts(language, name):
    return read_text(os.path.join(FOLDER, language, name + '.txt'))


def table(name):
    return read_tsv(os.path.join(FOLDER, name))



def key_list(text):
    return [v.strip() for v in text.split(',') if v.strip()]


class Title:
    """One title: its number (line of its level's title file), family code, code, common flag,
    catalogue generation and the row of titles.tsv it comes from."""

    def __init__(self, row, index):
        self.level = row['level']
        self.family = row['family']
        self.code = row['code']
        self.common = row['common'] == 'yes'
        self.generation = row['generation']
        self.section = row['section']
        self.row = row
        self.index = index        # row of titles.tsv (0-based), line of <language>/titles.txt
        self.number = 0

    def __repr__(self):
        return f'Title({self.level} {self.code} #{self.number})'


class Line:
    """One line of a title file: a header (family number or section key) or a title."""

    def __init__(self, title=None, family=0, section=''):
        self.title = title
        self.family = family      # header of family f (1-26), 0 otherwise
        self.section = section    # header of a section of sections.tsv

    @property
    def is_header(self):
        return self.title is None


class Data:
    def __init__(self):
        self._families()
        self._titles()
        self._lines()
        self._groups()

    # --- families and groups ------------------------------------------------------------------

    def _families(self):
        self.families = [r['code'] for r in table('families.tsv')]
        if len(self.families) != len(FAMILY_KEYS) or len(set(self.families)) != len(FAMILY_KEYS):
            raise SourceError('families.tsv: 26 different families expected')
        self.family_number = {code: n for n, code in enumerate(self.families, start=1)}
        self.sections = [r['key'] for r in table('sections.tsv')]

    def _groups(self):
        rows = table('groups.tsv')
        self.groups = {'gsgm': [], 'basic': []}
        for n, r in enumerate(rows, start=1):
            if r['level'] not in self.groups:
                raise SourceError(f'groups.tsv: row {n} has level "{r["level"]}"')
            codes = key_list(r['families'])
            if len(codes) > SLOTS or any(c not in self.family_number for c in codes):
                raise SourceError(f'groups.tsv: row {n} lists {codes}')
            self.groups[r['level']].append((n - 1, [self.family_number[c] for c in codes]))
        for level, groups in self.groups.items():
            if len(groups) != GROUPS:
                raise SourceError(f'groups.tsv: {len(groups)} groups of level {level}, {GROUPS} expected')
        # Every family is reached through one group of the intermediate and higher levels.
        listed = [f for _, fs in self.groups['gsgm'] for f in fs]
        if sorted(listed) != list(range(1, len(FAMILY_KEYS) + 1)):
            raise SourceError('groups.tsv: the groups of gsgm must list every family once')
        basic_families = {t.family for t in self.by_level['basic']}
        for _, fs in self.groups['basic']:
            for f in fs:
                if self.families[f - 1] not in basic_families:
                    raise SourceError(f'groups.tsv: family {self.families[f - 1]} has no basic title')
        if not any(not fs for _, fs in self.groups['basic']):
            raise SourceError('groups.tsv: no basic group opens the search by place')

    # --- titles -------------------------------------------------------------------------------

    def _titles(self):
        rows = table('titles.tsv')
        self.all_titles = []
        self.by_code = {}
        self.by_level = {level: [] for level in LEVELS}
        for index, r in enumerate(rows):
            what = f'titles.tsv: {r["code"] or "row " + str(index + 2)}'
            if r['level'] not in LEVELS:
                raise SourceError(f'{what}: level "{r["level"]}"')
            if r['generation'] not in GENERATIONS:
                raise SourceError(f'{what}: generation "{r["generation"]}"')
            if r['common'] not in ('yes', 'no'):
                raise SourceError(f'{what}: common "{r["common"]}"')
            family = r['family']
            expected = {'bar': 'APD', 'bang': 'DEP'}.get(r['generation'])
            if expected and family != expected or not expected and family not in self.family_number:
                raise SourceError(f'{what}: family "{family}" in generation {r["generation"]}')
            if r['level'] == 'basic' and r['generation'] != 'loe':
                raise SourceError(f'{what}: the basic level has no arts or sports titles')
            if (r['generation'] == 'bar') != bool(r['section']):
                raise SourceError(f'{what}: arts titles, and only they, name a section')
            if not r['code'].startswith(family + LEVEL_DIGIT[r['level']]):
                raise SourceError(f'{what}: the code must start with {family + LEVEL_DIGIT[r["level"]]}')
            if r['code'] in self.by_code:
                raise SourceError(f'{what}: code repeated')
            t = Title(r, index)
            self.all_titles.append(t)
            self.by_code[t.code] = t
            self.by_level[t.level].append(t)
        for language in LANGUAGES:
            names = texts(language, 'titles')
            if len(names) != len(rows):
                raise SourceError(f'{language}/titles: {len(names)} names for {len(rows)} titles')

    def _lines(self):
        """The lines of fp, fp2 and fpba, in file order, with the title numbers."""
        self.lines = {}
        for level in LEVELS:
            titles = self.by_level[level]
            lines = []
            for f, code in enumerate(self.families, start=1):
                lines.append(Line(family=f))
                lines.extend(Line(title=t) for t in titles if t.family == code)
            if level != 'basic':
                for key in self.sections:
                    mine = [t for t in titles if t.generation == 'bar' and t.section == key]
                    if mine:
                        lines.append(Line(section=key))
                        lines.extend(Line(title=t) for t in mine)
                sports = [t for t in titles if t.generation == 'bang']
                if not sports:
                    raise SourceError(f'titles.tsv: no sports title at level {level}')
                lines.append(Line(section=SPORTS_SECTION[level]))
                lines.extend(Line(title=t) for t in sports)
            order = [line.title for line in lines if line.title]
            if order != titles:
                raise SourceError(f'titles.tsv: the {level} titles must be in file order '
                                  '(families, then arts sections, then sports)')
            if len(lines) > MAX_TITLE_LINES:
                raise SourceError(f'{TITLE_FILES[level]}: {len(lines)} lines, {MAX_TITLE_LINES} fit')
            for number, line in enumerate(lines, start=1):
                if line.title:
                    line.title.number = number
            if level == 'basic':
                headers = [n for n, line in enumerate(lines, start=1) if line.is_header]
                if len(headers) > MAX_BASIC_HEADERS or headers[-1] > MAX_BASIC_HEADER_LINE:
                    raise SourceError('fpba: more than 26 headers or a header beyond line 255')
            self.lines[level] = lines

    # --- the API for the other data sets ------------------------------------------------------

    def titles(self, level):
        """The titles of a level ("gs", "gm", "basic") in title-number order."""
        return list(self.by_level[level])

    def title(self, code):
        return self.by_code[code]

    def number(self, code):
        """The title number of a title code."""
        return self.by_code[code].number


load = read_once(Data)


# --- the files ---------------------------------------------------------------------------------

def family_key(number):
    return FAMILY_KEYS[number - 1]


def write_families(out, data):
    for language in LANGUAGES:
        what = f'{language}/families'
        names = texts(language, 'families')
        if len(names) != len(FAMILY_KEYS):
            raise SourceError(f'{what}: {len(names)} names, 26 expected')
        group_names = texts(language, 'groups')
        if len(group_names) != 2 * GROUPS:
            raise SourceError(f'{language}/groups: {len(group_names)} names, 18 expected')
        lines = [family_key(n) + fit(name, WIDTH - 1, f'{what} line {n}')
                 for n, name in enumerate(names, start=1)]
        lines += ['', '', '']                               # lines 27-29
        for level, blank_after in (('gsgm', True), ('basic', False)):
            for index, families in data.groups[level]:
                slots = (families + [0] * SLOTS)[:SLOTS]
                name = fit(group_names[index], WIDTH - 6, f'{language}/groups line {index + 1}')
                lines.append(''.join(f'{f:02d}' for f in slots) + name)
            if blank_after:
                lines.append('')                            # line 39
        out.language_text(language, 'familias', lines)


def header_text(language, data, line, families, sections):
    if line.family:
        return '-' + families[line.family - 1]
    mark = '!' if line.section in SPORTS_SECTION.values() else '|'
    return '-' + mark + sections[data.sections.index(line.section)]


def write_titles(out, data):
    for language in LANGUAGES:
        names = texts(language, 'titles')
        families = texts(language, 'families')
        sections = texts(language, 'sections')
        if len(sections) != len(data.sections):
            raise SourceError(f'{language}/sections: {len(sections)} lines for {len(data.sections)} rows')
        for level in LEVELS:
            name = TITLE_FILES[level]
            lines = []
            for number, line in enumerate(data.lines[level], start=1):
                if line.is_header:
                    text = header_text(language, data, line, families, sections)
                else:
                    text = names[line.title.index]
                    if text.startswith('-'):
                        raise SourceError(f'{language}/titles: "{text}" would read as a header')
                lines.append(fit(text, WIDTH, f'{language}/{name} line {number}'))
            out.language_text(language, name, lines)


def read_blocks(data):
    """For each language, the jobs and modules of each title code: {code: (jobs, modules)}."""
    rows = table('blocks.tsv')
    per_language = {}
    for language in LANGUAGES:
        lines = texts(language, 'blocks')
        if len(lines) != len(rows):
            raise SourceError(f'{language}/blocks: {len(lines)} lines for {len(rows)} rows')
        blocks = {}
        for n, (row, text) in enumerate(zip(rows, lines), start=2):
            code = row['code']
            if code not in data.by_code:
                raise SourceError(f'blocks.tsv row {n}: unknown title {code}')
            if row['kind'] not in ('job', 'module'):
                raise SourceError(f'blocks.tsv row {n}: kind "{row["kind"]}"')
            jobs, modules = blocks.setdefault(code, ([], []))
            (jobs if row['kind'] == 'job' else modules).append(text.strip())
        per_language[language] = blocks
    for code, (jobs, modules) in per_language['cas'].items():
        if len(jobs) > JOBS or len(modules) > MAX_MODULES:
            raise SourceError(f'blocks.tsv: {code} has {len(jobs)} jobs and {len(modules)} modules')
        if data.by_code[code].level == 'gs' and len(jobs) != JOBS and (jobs or modules):
            # The higher screen inserts its break after entry 5 only when entry 5 is not blank.
            raise SourceError(f'blocks.tsv: higher title {code} needs {JOBS} jobs')
    return per_language


def block_entries(level, jobs, modules, labels):
    """Entries 1-25 of a title's block."""
    if level == 'basic':
        jobs = ['-' + j for j in jobs]
        heading = ' ' + labels['basic_modules']
        modules = ['-' + m for m in modules]
    else:
        heading = '-' + labels['modules']
    entries = (jobs + [''] * JOBS)[:JOBS]
    if modules:
        entries += [heading] + modules
    return (entries + [''] * BLOCK_ENTRIES)[:BLOCK_ENTRIES]


def write_blocks(out, data):
    per_language = read_blocks(data)
    for language in LANGUAGES:
        labels_lines = texts(language, 'labels')
        if len(labels_lines) != len(LABELS):
            raise SourceError(f'{language}/labels: {len(labels_lines)} lines, {len(LABELS)} expected')
        labels = dict(zip(LABELS, labels_lines))
        blocks = per_language[language]
        for level in LEVELS:
            name = BLOCK_FILES[level]
            lines = []
            for number, line in enumerate(data.lines[level], start=1):
                lines.append('*' * 10 + f' {number}')
                if line.is_header:
                    lines += [''] * BLOCK_ENTRIES
                    continue
                jobs, modules = blocks.get(line.title.code, ([], []))
                for entry in block_entries(level, jobs, modules, labels):
                    lines.append(fit(entry, WIDTH, f'{language}/{name} block {number}'))
            out.language_text(language, name, lines)


def read_access():
    rows = table('reqfp.tsv')
    keys = [r['key'] for r in rows]
    if len(set(keys)) != len(keys):
        raise SourceError('reqfp.tsv: a key is repeated')
    return {key: n for n, key in enumerate(keys, start=1)}, len(rows)


def write_access(out):
    _, count = read_access()
    for language in LANGUAGES:
        lines = texts(language, 'reqfp')
        if len(lines) != count:
            raise SourceError(f'{language}/reqfp: {len(lines)} lines for {count} rows')
        out.language_text(language, 'reqfp', [
            fit(text, REQ_WIDTH, f'{language}/reqfp line {n}') for n, text in enumerate(lines, 1)])


def checked(values, limit, low, high, what):
    if len(values) > limit or any(not low <= v <= high for v in values):
        raise SourceError(f'{what}: {values} (at most {limit}, each {low}-{high})')
    return values + [0] * (limit - len(values))


def fact_family(data, title):
    """The family number a title's facts give (the catalogue lists the title under it); the arts
    and sports cycles have none: the catalogue points at them with its own lines."""
    return data.family_number.get(title.family, 0) if title.generation == 'loe' else 0


def write_facts(out, data):
    access, access_count = read_access()
    professions = questionnaires.load().professions
    items = questionnaires.load().intermediate_items
    rows_gs, rows_gm = [], []
    for line in data.lines['gs']:
        if line.is_header:
            rows_gs.append([0] * 25)
            continue
        t = line.title
        what = f'titles.tsv: {t.code}'
        groups = checked(number_list(t.row['itineraries'], what), MAX_ITINERARIES, 1,
                         HIGHER_ITINERARIES, what + ' itineraries')
        if NO_TITLES_ITINERARY in groups:
            raise SourceError(f'{what}: itinerary group {NO_TITLES_ITINERARY} lists no higher titles')
        keys = key_list(t.row['access'])
        for k in keys:
            if k not in access:
                raise SourceError(f'{what}: unknown access line "{k}"')
        lines = checked([access[k] for k in keys], MAX_ACCESS, 1, access_count, what + ' access')
        profs = checked(number_list(t.row['professions'], what), MAX_PROFESSIONS['gs'], 1,
                        professions, what + ' professions')
        rows_gs.append(groups + lines + profs + [fact_family(data, t), 0])
    for line in data.lines['gm']:
        if line.is_header:
            rows_gm.append([0] * 7)
            continue
        t = line.title
        what = f'titles.tsv: {t.code}'
        if t.row['itineraries'] or t.row['access']:
            raise SourceError(f'{what}: intermediate titles have no itineraries or access lines')
        profs = checked(number_list(t.row['professions'], what), MAX_PROFESSIONS['gm'], 1,
                        professions, what + ' professions')
        chosen = checked(number_list(t.row['items'], what), MAX_ITEMS, 1, items, what + ' items')
        rows_gm.append(profs + [fact_family(data, t)] + chosen)
    for t in data.by_level['basic']:
        if any(t.row[k] for k in ('itineraries', 'access', 'professions', 'items')):
            raise SourceError(f'titles.tsv: {t.code}: basic titles have no facts')
    for t in data.by_level['gs']:
        if t.row['items']:
            raise SourceError(f'titles.tsv: {t.code}: higher titles have no questionnaire items')
    out.text(FACT_FILES['gs'], [';'.join(str(v) for v in row) for row in rows_gs])
    out.text(FACT_FILES['gm'], [';'.join(str(v) for v in row) for row in rows_gm])


def generate(out):
    data = load()
    write_families(out, data)
    write_titles(out, data)
    write_blocks(out, data)
    write_access(out)
    write_facts(out, data)
