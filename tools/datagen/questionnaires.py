"""The questionnaire files: the itinerary groups ("itinerar"), the ESO questionnaire
("cuestion", "cuestioESO") and the advice questionnaire ("cualidad", "interes", "cuestiocua",
"cuestioint"), the intermediate vocational questionnaire ("cuesgm") and the professions
funnel ("fralargas" -> "fracortas" -> "activida" -> "profesio").

The language folders take their texts from sources/questionnaires/<language>/, one line per
line of the file; what is shared by every language (weight classes, answer kinds, which group
or scale a question or item speaks for) is in the TSV tables next to them, so the four languages
cannot drift apart."""

import itertools
import os

from .common import LANGUAGES, SourceError, fit, number_list, read_once, read_text, read_tsv

FOLDER = 'questionnaires'
GROUPS = 13            # itinerary groups of the ESO questionnaire
ADVICE_GROUPS = 12     # itinerary groups of the advice questionnaire
HABIT_SCALES = range(14, 20)
HOW_OFTEN = ('3',)         # "Nunca / A veces / Casi siempre / Siempre"
HOW_MUCH = ('4', '5')      # "Nada / Poco / Bastante / Mucho" (and "Algo" with five answers)
SHORT_TEST = 35
ITINERAR_LINES = 52    # groups 1-13, scales 14-19, route labels 21-27, advice lines 30-52
MAX_ROW_NUMBERS = 50
SCORE_COLUMN = 45      # the ranking's scores follow the first 45 characters of a group name
SCORE_WIDTH = 4        # and take four columns ("12.5")
MAX_VALUE = 255


def texts(language, name):
    return read_text(os.path.join(FOLDER, language, name + '.txt'))



def counted_lines(rows, count, what):
    """The lines of a counted list file: n;v1;...;vn for rows 1..count."""
    lines = []
    for r in range(1, count + 1):
        values = rows.get(r, [])
        if len(values) > MAX_ROW_NUMBERS or any(v < 1 or v > MAX_VALUE for v in values):
            raise SourceError(f'{what}: row {r} holds {values}')
        lines.append(';'.join(str(v) for v in [len(values)] + values))
    return lines


def itinerary_lines(language):
    lines = texts(language, 'itinerar')
    what = f'{language}/itinerar'
    if len(lines) != ITINERAR_LINES:
        raise SourceError(f'{what}: {len(lines)} lines, {ITINERAR_LINES} expected')
    for number, line in enumerate(lines, start=1):
        fit(line, 35 if 21 <= number <= 27 else 54, f'{what} line {number}')
        if line.startswith('  '):
            raise SourceError(f'{what} line {number}: two leading blanks mark the maroon rows')
    for number in list(range(1, 28)) + [30, 32, 33, 34] + list(range(35, 53)):
        if number != 20 and not lines[number - 1].strip():
            raise SourceError(f'{what} line {number} is empty')
    # The second recommendation is found by the first 20 characters of the group's line.
    heads = [line[:20] for line in lines[:GROUPS]]
    if len(set(heads)) != GROUPS:
        raise SourceError(f'{what}: two groups share their first 20 characters')
    if not heading_fits(lines):
        raise SourceError(f'{what}: line 33 must be {SCORE_COLUMN - 9} characters long and line 32 '
                          f'at most {SCORE_WIDTH}, so that line 32 heads the scores')
    # The ranking shows 45 characters of a group name.
    for number in range(1, GROUPS + 1):
        fit(lines[number - 1], 45, f'{what} group {number}')
    return lines


def answers_fit(kind, row):
    """Whether a question listed in row `row` of "cuestioESO" may be answered with the answers of
    `kind`: a study habit (rows 14-19) by how often, a liking or an aptitude by how much."""
    return kind not in (HOW_MUCH if row in HABIT_SCALES else HOW_OFTEN)


def heading_fits(lines):
    """Whether the ranking heading of "itinerar" (line 33, nine blanks, line 32) puts line 32 over
    the scores, which follow the first 45 characters of a group name in four columns."""
    return len(lines[32]) == SCORE_COLUMN - 9 and len(lines[31]) <= SCORE_WIDTH


def write_eso(out):
    questions = read_tsv(os.path.join(FOLDER, 'questions.tsv'))
    if len(questions) < SHORT_TEST or len(questions) > 1100:
        raise SourceError(f'questions.tsv: {len(questions)} questions')
    rows = {}
    for number, q in enumerate(questions, start=1):
        if not q['weight'].isdigit() or q['kind'] not in ('2', '3', '4', '5'):
            raise SourceError(f'questions.tsv: question {number} has weight "{q["weight"]}" '
                              f'and kind "{q["kind"]}"')
        for r in number_list(q['rows'], f'questions.tsv question {number}'):
            if not 1 <= r <= 19:
                raise SourceError(f'questions.tsv: question {number} names row {r}')
            if not answers_fit(q['kind'], r):
                raise SourceError(f'questions.tsv: question {number} (row {r}) is answered with '
                                  f'kind {q["kind"]}')
            rows.setdefault(r, []).append(number)
    for r in list(range(1, GROUPS + 1)) + list(HABIT_SCALES):
        if not rows.get(r):
            raise SourceError(f'questions.tsv: row {r} of cuestioESO lists no question')
    for s in HABIT_SCALES:
        if not any(q <= SHORT_TEST for q in rows[s]):
            raise SourceError(f'questions.tsv: habit scale {s} has no question of the short test')
    out.text('cuestioESO', counted_lines(rows, 19, 'cuestioESO'))
    for language in LANGUAGES:
        lines = texts(language, 'cuestion')
        if len(lines) != len(questions):
            raise SourceError(f'{language}/cuestion: {len(lines)} texts for {len(questions)} questions')
        out.language_text(language, 'cuestion', [
            q['weight'] + q['kind'] + fit(text, 48, f'{language}/cuestion line {n}')
            for n, (q, text) in enumerate(zip(questions, lines), start=1)])


def write_advice(out):
    for name, rows_file, table in (('cualidad', 'cuestiocua', 'qualities.tsv'),
                                   ('interes', 'cuestioint', 'interests.tsv')):
        items = read_tsv(os.path.join(FOLDER, table))
        rows = {}
        for number, item in enumerate(items, start=1):
            for g in number_list(item['groups'], f'{table} item {number}'):
                if not 1 <= g <= ADVICE_GROUPS:
                    raise SourceError(f'{table}: item {number} names group {g}')
                rows.setdefault(g, []).append(number)
        for g in range(1, ADVICE_GROUPS + 1):
            if not rows.get(g):
                raise SourceError(f'{table}: group {g} has no item (its count divides the score)')
        out.text(rows_file, counted_lines(rows, ADVICE_GROUPS, rows_file))
        for language in LANGUAGES:
            lines = texts(language, name)
            if len(lines) != len(items):
                raise SourceError(f'{language}/{name}: {len(lines)} texts for {len(items)} items')
            out.language_text(language, name, [
                fit(text, 60, f'{language}/{name} line {n}') for n, text in enumerate(lines, 1)])


AREAS = 11             # areas of "cuesgm"; the last one is the search by place
MAX_ITEMS = 100


def write_intermediate(out):
    items = read_tsv(os.path.join(FOLDER, 'intermediate.tsv'))
    if not 1 <= len(items) <= MAX_ITEMS:
        raise SourceError(f'intermediate.tsv: {len(items)} items, 1-{MAX_ITEMS} fit')
    for number, item in enumerate(items, start=1):
        # Both digits are read by a strict conversion; 0 first is area 10, 0 second is none.
        if len(item['areas']) != 2 or not item['areas'].isdigit():
            raise SourceError(f'intermediate.tsv: item {number} has areas "{item["areas"]}"')
    for language in LANGUAGES:
        lines = texts(language, 'cuesgm')
        what = f'{language}/cuesgm'
        if len(lines) != AREAS + len(items):
            raise SourceError(f'{what}: {len(lines)} lines for {AREAS} areas and {len(items)} items')
        areas = [fit(line, 75, f'{what} area {n}') for n, line in enumerate(lines[:AREAS], 1)]
        out.language_text(language, 'cuesgm', areas + [
            item['areas'] + fit(text, 70, f'{what} item {n}')
            for n, (item, text) in enumerate(zip(items, lines[AREAS:]), start=1)])


MAX_ACTIVITIES, MAX_PROFESSIONS, MAX_PHRASES, MAX_STATEMENTS = 30, 250, 120, 20
PAGE_PHRASES = 44      # 4 pages of 11 phrases
MAX_KEPT = 3           # statements a student may keep


def code(text, what):
    if len(text) != 4 or ' ' in text:
        raise SourceError(f'{what}: "{text}" is not a code of four characters')
    return text


def phrase_pool(codes, professions):
    """The phrases the pages offer for a set of activity codes, as the professions screen
    gathers them (by profession code, then by activity code; first phrase, then second)."""
    pool = []
    for key, field in (('code', 'first'), ('code', 'second'),
                       ('activity', 'first'), ('activity', 'second')):
        for p in professions:
            for c in codes:
                n = int(p[field])
                if p[key] == c and n and n not in pool:
                    pool.append(n)
    return pool


def write_professions(out):
    activities = [code(a['code'], 'activities.tsv') for a in read_tsv(os.path.join(FOLDER, 'activities.tsv'))]
    professions = read_tsv(os.path.join(FOLDER, 'professions.tsv'))
    phrases = read_tsv(os.path.join(FOLDER, 'phrases.tsv'))
    statements = read_tsv(os.path.join(FOLDER, 'statements.tsv'))
    for count, limit, what in ((len(activities), MAX_ACTIVITIES, 'activities'),
                               (len(professions), MAX_PROFESSIONS, 'professions'),
                               (len(phrases), MAX_PHRASES, 'phrases'),
                               (len(statements), MAX_STATEMENTS, 'statements')):
        if not 1 <= count <= limit:
            raise SourceError(f'{what}: {count}, 1-{limit} fit')
    if len(set(activities)) != len(activities):
        raise SourceError('activities.tsv: a code is repeated')
    known = set(activities)
    for n, p in enumerate(professions, start=1):
        p['code'] = f'P{n:03d}'
        if p['activity'] not in known:
            raise SourceError(f'professions.tsv: profession {n} has activity "{p["activity"]}"')
        for field in ('first', 'second'):
            if not p[field].isdigit() or int(p[field]) > len(phrases):
                raise SourceError(f'professions.tsv: profession {n} names phrase "{p[field]}"')
        if p['first'] == '0':
            raise SourceError(f'professions.tsv: profession {n} has no phrase')
    for n, f in enumerate(phrases, start=1):
        if f['first'] not in known or (f['second'] and f['second'] not in known):
            raise SourceError(f'phrases.tsv: phrase {n} names an unknown activity')
    used = {int(p[field]) for p in professions for field in ('first', 'second')} - {0}
    if used != set(range(1, len(phrases) + 1)):
        raise SourceError(f'phrases.tsv: phrases {sorted(set(range(1, len(phrases) + 1)) - used)} '
                          'describe no profession')
    codes = []
    for n, st in enumerate(statements, start=1):
        c = [x for x in st['codes'].split(',') if x]
        if not 1 <= len(c) <= 4 or any(x not in known for x in c):
            raise SourceError(f'statements.tsv: statement {n} has codes "{st["codes"]}"')
        codes.append(c)
    # Every choice of one to three statements must fit on the phrase pages.
    for k in range(1, MAX_KEPT + 1):
        for kept in itertools.combinations(range(len(codes)), k):
            chosen = list(dict.fromkeys(c for i in kept for c in codes[i]))
            pool = phrase_pool(chosen, professions)
            if len(pool) > PAGE_PHRASES or (k == 1 and not pool):
                raise SourceError(f'statements {[i + 1 for i in kept]} lead to {len(pool)} phrases')
    for language in LANGUAGES:
        def lines_of(name, count):
            lines = texts(language, name)
            if len(lines) != count:
                raise SourceError(f'{language}/{name}: {len(lines)} lines for {count} rows')
            return lines
        out.language_text(language, 'activida', [
            a + ' ' + fit(t, 60, f'{language}/activida line {n}')
            for n, (a, t) in enumerate(zip(activities, lines_of('activida', len(activities))), 1)])
        out.language_text(language, 'profesio', [
            f"{p['code']} {p['activity']} " + fit(t, 40, f'{language}/profesio line {n}').ljust(40)
            + p['first'].rjust(3) + (p['second'].rjust(3) if p['second'] != '0' else '')
            for n, (p, t) in enumerate(zip(professions, lines_of('profesio', len(professions))), 1)])
        out.language_text(language, 'fracortas', [
            f['first'] + ' ' + (f['second'] or '    ') + ' ' + fit(t, 60, f'{language}/fracortas line {n}')
            for n, (f, t) in enumerate(zip(phrases, lines_of('fracortas', len(phrases))), 1)])
        out.language_text(language, 'fralargas', [
            fit(t, 115, f'{language}/fralargas line {n}').ljust(115) + ' '.join(c).rstrip()
            for n, (c, t) in enumerate(zip(codes, lines_of('fralargas', len(codes))), 1)])


def generate(out):
    for language in LANGUAGES:
        out.language_text(language, 'itinerar', itinerary_lines(language))
    write_eso(out)
    write_advice(out)
    write_intermediate(out)
    write_professions(out)


class Numbers:
    """What other data sets point at by number: professions (lines of "profesio") and the items
    of the intermediate questionnaire (item i is line 11 + i of "cuesgm")."""

    def __init__(self):
        self.profession_rows = read_tsv(os.path.join(FOLDER, 'professions.tsv'))
        self.professions = len(self.profession_rows)
        self.intermediate_items = len(read_tsv(os.path.join(FOLDER, 'intermediate.tsv')))

    def profession_names(self, language='cas'):
        return texts(language, 'profesio')

    def item_texts(self, language='cas'):
        return texts(language, 'cuesgm')[AREAS:]


load = read_once(Numbers)
