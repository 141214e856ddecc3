"""The professional certificates ("certifica", "certificah") and the family statistics of the
vocational statistics window ("fami_estad.txt").

"certifica" (language folder, lines padded to 60 by the program): lines 1-9 are the nine areas
of the certificates screen, each an eight-character code followed by the area's name; the code
holds the keys of the families the area groups, filled up with blanks (which match no
family). Then, family by family, a section line (family key, "-", family name) and the
family's certificates (family key, name).

"certificah" (language folder, raw lines of at most 90): lines 1-9 are the nine requirement
labels (a code character and the label), then one line per line of "certifica" from its tenth
on: three requirement codes, the hours in three characters, a blank and the description. Section
lines get a line too, so that both files stay parallel; it holds only the family's name after
seven blanks.

"fami_estad.txt" (data folder): per family, the share of students in columns 1-5 and the share
of job offers in columns 6-10, written with a decimal point.

Texts per language are in sources/certificates/<language>/, one line per row of the TSV table
they belong to; the tables keep what every language shares. The families, their order and their
names are those of the vocational titles (sources/vocational/families.tsv and
<language>/families.txt), so that "certifica" and "familias" name a family alike."""

import os

from . import vocational
from .common import LANGUAGES, SourceError, fit, read_text, read_tsv

FOLDER = 'certificates'
FAMILIES = 26
AREAS = 9
AREA_CODE = 8
AREA_FILLER = ' '
KEYS = '123456789ABCDEFGHIJKLMNOPQ'
WIDTH = 60               # certifica lines as the program pads them
NAME_WIDTH = WIDTH - 1   # columns 2-60
AREA_NAME_WIDTH = WIDTH - AREA_CODE
LABELS = 9
LABEL_TEXT = 28          # characters 2-29 of a label line
PRINTED_LABEL = 25       # the printout keeps 25 characters of a label
HOURS_LINE = 90          # certificah lines as the program keeps them
PRINTED_DESCRIPTION = 60  # the printout keeps characters 8-67 of a line
MAX_HOURS_LINES = 250
MAX_SECTIONS = 30
MAX_ENTRY = 255          # entry numbers are kept in bytes
STAT_FIELD = 5

# Requirement codes (the first character of the label lines, in label order): level 1 has no
# academic requirement; levels 2 and 3 name their school title or access test, the certificate
# route and the key competences. The certificate route is "a certificate of the same level, or
# one of the level below of the same professional area" when a certificate of the level below
# in the same area is listed, otherwise "a certificate of the same level".
LEVEL_1 = '1'
TITLE = {2: '2', 3: '5'}
CERTIFICATE_OR_LOWER = {2: '3', 3: '6'}
CERTIFICATE_ONLY = {2: '8', 3: '9'}
KEY_COMPETENCES = {2: '4', 3: '7'}


def texts(language, name):
    return read_text(os.path.join(FOLDER, language, name + '.txt'))


def language_lines(language, name, count):
    lines = texts(language, name)
    if len(lines) != count:
        raise SourceError(f'{FOLDER}/{language}/{name}.txt: {len(lines)} lines, {count} expected')
    for number, line in enumerate(lines, start=1):
        if line != line.strip() or not line:
            raise SourceError(f'{FOLDER}/{language}/{name}.txt line {number} is empty or has '
                              'blanks at its ends')
    return lines


class Families:
    def __init__(self):
        rows = read_tsv(os.path.join(FOLDER, 'families.tsv'))
        self.codes = [r['code'] for r in vocational.table('families.tsv')]
        if [r['family'] for r in rows] != self.codes or len(set(self.codes)) != FAMILIES:
            raise SourceError(f'{FOLDER}/families.tsv: the {FAMILIES} families of '
                              'vocational/families.tsv, in their order, expected')
        self.rows = rows
        self.key = {code: KEYS[i] for i, code in enumerate(self.codes)}

    @staticmethod
    def names(language):
        names = vocational.texts(language, 'families')
        if len(names) != FAMILIES:
            raise SourceError(f'vocational/{language}/families.txt: {len(names)} names')
        return [name.strip() for name in names]


def load():
    """The families and the certificates in file order: a list of dictionaries with family,
    code, level, hours, line (of the language files) and requirements (the three code
    characters)."""
    families = Families()
    rows = read_tsv(os.path.join(FOLDER, 'certificates.tsv'))
    for number, row in enumerate(rows, start=1):
        what = f'certificates.tsv row {number}'
        if row['family'] not in families.key:
            raise SourceError(f'{what}: family "{row["family"]}" is not in families.tsv')
        if row['level'] not in ('1', '2', '3'):
            raise SourceError(f'{what}: level "{row["level"]}"')
        if not row['hours'].isdigit() or not 1 <= int(row['hours']) <= 999:
            raise SourceError(f'{what}: hours "{row["hours"]}" do not fit three characters')
        code = row['code']
        if code and (len(code) != 8 or not code.startswith(row['family'])
                     or not code[4:].isdigit()):
            raise SourceError(f'{what}: "{code}" is not a certificate code of its family')
        row['level'] = int(row['level'])
        row['hours'] = int(row['hours'])
        row['line'] = number - 1  # its line in <language>/certificates.txt
    codes = [r['code'] for r in rows if r['code']]
    if len(codes) != len(set(codes)):
        raise SourceError('certificates.tsv: a certificate code is repeated')
    # Family order, then level; rows keep their source order otherwise.
    order = {code: i for i, code in enumerate(families.codes)}
    rows.sort(key=lambda r: (order[r['family']], r['level']))
    areas = {(r['code'][:4], r['level']) for r in rows if r['code']}
    for row in rows:
        level = row['level']
        if level == 1:
            row['requirements'] = LEVEL_1
        else:
            lower = row['code'] and (row['code'][:4], level - 1) in areas
            route = CERTIFICATE_OR_LOWER[level] if lower else CERTIFICATE_ONLY[level]
            row['requirements'] = TITLE[level] + route + KEY_COMPETENCES[level]
    return families, rows


def areas(families):
    rows = read_tsv(os.path.join(FOLDER, 'areas.tsv'))
    if len(rows) != AREAS:
        raise SourceError(f'areas.tsv: {len(rows)} areas, {AREAS} expected')
    seen = []
    codes = []
    for number, row in enumerate(rows, start=1):
        members = row['families'].split()
        if not members or len(members) > AREA_CODE:
            raise SourceError(f'areas.tsv area {number}: {len(members)} families, 1 to '
                              f'{AREA_CODE} fit its code')
        for code in members:
            if code not in families.key:
                raise SourceError(f'areas.tsv area {number}: "{code}" is not in families.tsv')
        seen += members
        codes.append(''.join(families.key[c] for c in members).ljust(AREA_CODE, AREA_FILLER))
    if sorted(seen) != sorted(families.codes):
        raise SourceError('areas.tsv: every family must belong to exactly one area')
    return codes


def certifica_lines(language, families, area_codes, rows):
    what = f'{language}/certifica'
    lines = []
    for code, name in zip(area_codes, language_lines(language, 'areas', AREAS)):
        lines.append(code + fit(name, AREA_NAME_WIDTH, f'{what} area'))
    names = families.names(language)
    certificates = language_lines(language, 'certificates', len(rows))
    entries = []  # (certifica text, certificah line) for the lines from the tenth on
    for family, family_name in zip(families.codes, names):
        key = families.key[family]
        entries.append((key + '-' + fit(family_name, NAME_WIDTH - 1, f'{what} family'),
                        ' ' * 7 + family_name))
        for row in rows:
            if row['family'] != family:
                continue
            text = certificates[row['line']]
            name, _, jobs = text.partition('\t')
            if not jobs.strip():
                raise SourceError(f'{FOLDER}/{language}/certificates.txt: "{name}" has no jobs '
                                  '(name, a tab, the jobs)')
            entries.append((key + fit(name.strip(), NAME_WIDTH, f'{what} certificate'),
                            hours_line(language, row, jobs.strip())))
    return lines, entries


def description(language, row, jobs):
    with_code, without_code = language_lines(language, 'description', 2)
    pattern = with_code if row['code'] else without_code
    return pattern.format(code=row['code'], level=row['level'], jobs=jobs)


def hours_line(language, row, jobs):
    text = description(language, row, jobs)
    fit(text, PRINTED_DESCRIPTION, f'{language}/certificah description')
    return row['requirements'].ljust(3) + str(row['hours']).rjust(3) + ' ' + text


def label_lines(language):
    labels = language_lines(language, 'requirements', LABELS)
    codes = [LEVEL_1] + sorted(set(TITLE.values()) | set(CERTIFICATE_OR_LOWER.values())
                               | set(CERTIFICATE_ONLY.values()) | set(KEY_COMPETENCES.values()))
    if len(codes) != LABELS:
        raise SourceError('certificates.py: the requirement codes and the labels disagree')
    return [code + fit(label, PRINTED_LABEL, f'{language}/certificah label')
            for code, label in zip(codes, labels)]


def statistics_lines(families):
    lines = []
    totals = {'students': 0.0, 'offers': 0.0}
    for row in families.rows:
        fields = []
        for column in ('students', 'offers'):
            try:
                value = float(row[column])
            except ValueError as error:
                raise SourceError(f'families.tsv {row["family"]}: {column} "{row[column]}" is '
                                  'not a number') from error
            if not 0 <= value < 100:
                raise SourceError(f'families.tsv {row["family"]}: {column} {value} is no share')
            totals[column] += value
            fields.append(f'{value:.1f}'.ljust(STAT_FIELD))
        # The window trims each line before it cuts the columns: no blank may lead.
        lines.append(''.join(fields).rstrip())
    for column, total in totals.items():
        if abs(total - 100.0) > 1.0:
            raise SourceError(f'families.tsv: the {column} shares add up to {total:.1f}')
    return lines


def generate(out):
    families, rows = load()
    area_codes = areas(families)
    shapes = set()
    for language in LANGUAGES:
        lines, entries = certifica_lines(language, families, area_codes, rows)
        sections = [n for n, (text, _) in enumerate(entries, start=1) if text[1] == '-']
        if len(sections) > MAX_SECTIONS or len(entries) > MAX_ENTRY:
            raise SourceError(f'{language}/certifica: {len(sections)} sections and '
                              f'{len(entries)} entries')
        hours = label_lines(language) + [h for _, h in entries]
        if len(hours) > MAX_HOURS_LINES:
            raise SourceError(f'{language}/certificah: {len(hours)} lines, at most '
                              f'{MAX_HOURS_LINES} fit')
        for line in hours:
            fit(line, HOURS_LINE, f'{language}/certificah')
        out.language_text(language, 'certifica', lines + [t for t, _ in entries])
        out.language_text(language, 'certificah', hours)
        shapes.add((len(entries), tuple(sections)))
    if len(shapes) != 1:
        raise SourceError('certifica: the languages do not have the same sections')
    out.text('fami_estad.txt', statistics_lines(families))
