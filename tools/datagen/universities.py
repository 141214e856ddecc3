"""The university data: communities and provinces, universities and other places, degrees with
their groups, specific titles and weighted subjects, where each degree is offered with its
cut-off mark, double degrees, the degree profiles and one weighting document per university.

Every number that ties one file to another (degree, group, place, community, title and subject
numbers, degree codes) is a line number, and is computed here from the keys of the sources."""

import os

from . import marks, questionnaires
from .common import (LANGUAGES, SourceError, fit, read_once, read_text, read_tsv, spanish_sort_key,
                     wrap)
from .pdf import Document

# The fixed province-code table of the vocational screens, entries 1..64.
PROVINCE_CODES = [
    '37', '38', '39', '3A', '3B', '3C', '3G', '3D', '3E', '3F', '16', '1I', '1J', '1K', '11', '2E',
    '36', '3J', '14', '21', '24', '2D', '26', '27', '12', '13', '17', '1A', '1D', '1E', '1F', '1G',
    '1H', '45', '4A', '46', '47', '48', '49', '2K', '2L', '15', '18', '19', '1B', '2J', '28', '2H',
    '29', '2A', '2B', '2C', '33', '2I', '42', '43', '41', '44', '22', '25', '23', '2G', '31', '32']
WIDE_PROVINCES = {'1J', '2H', '2G', '3G', '3E', '41', '45', '4A'}

# The community numbering the maps fix.
COMMUNITY_ORDER = [
    'andalucia', 'aragon', 'asturias', 'baleares', 'canarias', 'cantabria', 'castillalamancha',
    'castillayleon', 'cataluna', 'extremadura', 'galicia', 'larioja', 'madrid', 'murcia',
    'navarra', 'valenciana', 'paisvasco', 'ceuta', 'melilla']

# Subjects the requirements view recommends by number, for the branches.
FIXED_SUBJECTS = {3: 'biologia', 7: 'dibtec', 9: 'economia', 11: 'fisica', 12: 'geografia',
                  18: 'matccss', 19: 'mat', 20: 'histfilo', 21: 'quimica'}
OWN_SUBJECTS = 50  # weighted subjects that vary from one university to another
NO_MARK = marks.NO_MARK
PLACE_KINDS = ('public', 'private', 'foundation', 'centre')
MAX_DEGREES = 350
MAX_OFFERINGS = 125
MAX_DISTINCT_TITLES = 15
MAX_PLACES_PER_COMMUNITY = 40
MAX_DOUBLES_PER_PLACE = 50

# The heading words of the profiles in each language (the program colours those of the first
# three languages).
PROFILE_HEADINGS = {
    'cas': ['Perfil del Alumno', 'Qué estudiaré', 'Plan de Estudios', 'Salidas Profesionales'],
    'catVal': ['Perfil', 'Què estudiaré', "Pla d'estudis", 'Sortides professionals'],
    'galego': ['Perfil', 'Que estudarei', 'Materias', 'Saídas profesionais'],
    'euskera': ['Profila', 'Zer ikasiko dut', 'Ikasketa-plana', 'Irteera profesionalak'],
}
CREDITS_LINE = {
    'cas': '{credits} créditos ECTS en {years} cursos',
    'catVal': '{credits} crèdits ECTS en {years} cursos',
    'galego': '{credits} créditos ECTS en {years} cursos',
    'euskera': '{credits} ECTS kreditu, {years} ikasturtetan',
}
PROFILE_END = '<<< fin >>>'


class Data:
    """The sources read and numbered; other data sets use it for communities and places."""

    def __init__(self):
        self._communities()
        self._places()
        self._degrees()
        self._offerings()
        self._doubles()
        self._marks()

    # --- communities and provinces -----------------------------------------------------------

    def _communities(self):
        self.communities = read_tsv('communities.tsv')
        keys = [c['key'] for c in self.communities]
        if keys != COMMUNITY_ORDER:
            raise SourceError('communities.tsv: the communities must keep the numbering of the maps')
        self.community_number = {key: n for n, key in enumerate(keys, start=1)}
        provinces = read_tsv('provinces.tsv')
        ordered = sorted(provinces, key=lambda p: self.community_number[p['community']])
        if [p['code'] for p in ordered] != PROVINCE_CODES:
            raise SourceError('provinces.tsv: the codes, community by community, must follow the '
                              'province-code table')
        for p in provinces:
            if (p['wide'] == 'yes') != (p['code'] in WIDE_PROVINCES):
                raise SourceError(f'provinces.tsv: {p["name"]}: the wide provinces are fixed')
        self.provinces = ordered
        self.first_code = {}
        for index, p in enumerate(ordered, start=1):
            self.first_code.setdefault(p['community'], index)
        for key in keys:
            if key not in self.first_code:
                raise SourceError(f'provinces.tsv: {key} has no province')

    # --- places -----------------------------------------------------------------------------

    def _places(self):
        rows = read_tsv('places.tsv')
        for row in rows:
            if row['community'] not in self.community_number:
                raise SourceError(f'places.tsv: {row["key"]}: unknown community {row["community"]}')
            fit(row['name'], 35, 'places.tsv')
            fit(row['web'], 60, 'places.tsv')
            if row['kind'] not in PLACE_KINDS:
                raise SourceError(f'places.tsv: {row["key"]}: kind "{row["kind"]}"')
            if row['weighting'] == 'yes' and row['kind'] != 'public':
                raise SourceError(f'places.tsv: {row["key"]}: only a public university has a '
                                  'weighting document')
            if row['web'].startswith(('http', 'www.')):
                raise SourceError(f'places.tsv: {row["key"]}: the address goes without http://www.')
        # "lugar" lists the places community by community, in the sources' order within each.
        self.places = sorted(rows, key=lambda r: self.community_number[r['community']])
        self.place_number = {}
        for n, row in enumerate(self.places, start=1):
            if row['key'] in self.place_number:
                raise SourceError(f'places.tsv: {row["key"]} twice')
            self.place_number[row['key']] = n
        per_community = {}
        for row in self.places:
            per_community[row['community']] = per_community.get(row['community'], 0) + 1
        for community, count in per_community.items():
            if count > MAX_PLACES_PER_COMMUNITY:
                raise SourceError(f'places.tsv: {community} has {count} places and the list holds 40')
        missing = set(COMMUNITY_ORDER) - set(per_community)
        if missing:
            raise SourceError(f'places.tsv: no place in {sorted(missing)}')

    # --- degrees, groups, titles, subjects --------------------------------------------------

    def _professions(self, degree):
        """Fields 4-7: the professions the degree leads to, rows of the questionnaire data."""
        try:
            rows = [int(p) for p in degree['professions'].split(',') if p.strip()]
        except ValueError as error:
            raise SourceError(f'degrees.tsv: {degree["key"]}: '
                              f'professions "{degree["professions"]}"') from error
        count = questionnaires.load().professions
        if (not rows or len(rows) > 4 or len(set(rows)) != len(rows)
                or any(not 1 <= p <= count for p in rows)):
            raise SourceError(f'degrees.tsv: {degree["key"]}: professions are one to four distinct '
                              f'rows of professions.tsv (1..{count})')
        return rows + [0] * (4 - len(rows))

    def _degrees(self):
        self.groups = read_tsv('groups.tsv')
        self.group_number = {g['key']: n for n, g in enumerate(self.groups, start=1)}
        self.subjects = read_tsv('subjects.tsv')
        self.subject_number = {s['key']: n for n, s in enumerate(self.subjects, start=1)}
        for number, key in FIXED_SUBJECTS.items():
            if self.subject_number.get(key) != number:
                raise SourceError(f'subjects.tsv: {key} must be subject {number}')
        if len(self.subjects) > 30:
            raise SourceError('subjects.tsv: the requirements view takes at most 30 subjects')
        rows = read_tsv('degrees.tsv')
        if len(rows) > MAX_DEGREES:
            raise SourceError(f'degrees.tsv: {len(rows)} degrees and 350 fit')
        # Castilian lists the degrees in file order, so the file is in Castilian alphabetical order.
        self.degrees = sorted(rows, key=lambda d: spanish_sort_key(d['cas']))
        self.degree_number = {}
        for n, d in enumerate(self.degrees, start=1):
            if d['key'] in self.degree_number:
                raise SourceError(f'degrees.tsv: {d["key"]} twice')
            self.degree_number[d['key']] = n
            if d['branch'] not in '12345' or len(d['branch']) != 1:
                raise SourceError(f'degrees.tsv: {d["key"]}: branch {d["branch"]}')
            if d['group'] and d['group'] not in self.group_number:
                raise SourceError(f'degrees.tsv: {d["key"]}: unknown group {d["group"]}')
            for language in LANGUAGES:
                fit(d[language], 60, f'degrees.tsv {language}')
            itineraries = [int(i) for i in d['itineraries'].split(',') if i]
            if len(itineraries) > 2 or any(not 1 <= i <= 12 for i in itineraries):
                raise SourceError(f'degrees.tsv: {d["key"]}: itineraries are 1..12, at most two')
            if not 0 <= int(d['family']) <= 26:
                raise SourceError(f'degrees.tsv: {d["key"]}: family {d["family"]}')
            d['itinerary_list'] = itineraries + [0] * (2 - len(itineraries))
            if d['subjects'] == 'varian':
                d['subject_list'] = [OWN_SUBJECTS, 0, 0, 0]
            else:
                keys = [s for s in d['subjects'].split(',') if s]
                if len(keys) > 4 or any(k not in self.subject_number for k in keys):
                    raise SourceError(f'degrees.tsv: {d["key"]}: subjects {d["subjects"]}')
                d['subject_list'] = [self.subject_number[k] for k in keys] + [0] * (4 - len(keys))
            d['profession_list'] = self._professions(d)
        for g in self.groups:
            for language in LANGUAGES:
                fit(g[language], 60, f'groups.tsv {language}')
        for s in self.subjects:
            for language in LANGUAGES:
                fit(s[language], 70, f'subjects.tsv {language}')
        self.titles = read_tsv('titles.tsv')
        self.title_number = {t['key']: n for n, t in enumerate(self.titles, start=1)}
        for t in self.titles:
            if t['degree'] not in self.degree_number:
                raise SourceError(f'titles.tsv: {t["key"]}: unknown degree {t["degree"]}')
            for language in LANGUAGES:
                fit(t[language], 60, f'titles.tsv {language}')

    def code(self, degree_key):
        """The degree code of "dobles" and "grados.txt": the degree number."""
        return self.degree_number[degree_key]

    # --- offerings and double degrees -------------------------------------------------------

    def _mark_source(self, row, where):
        """Whether the row's mark is a published figure: its source names a list of
        mark_sources.tsv; an empty source marks an estimate."""
        if not row['source']:
            return False
        if row['source'] not in self.mark_sources:
            raise SourceError(f'{where}: unknown source {row["source"]} (see mark_sources.tsv)')
        return True

    def _offerings(self):
        self.mark_sources = {}
        for row in read_tsv('mark_sources.tsv'):
            if not row['key'] or row['key'] in self.mark_sources or not row['where']:
                raise SourceError(f'mark_sources.tsv: {row["key"]}: a key once, with where it was '
                                  'published')
            self.mark_sources[row['key']] = row
        # (place, first, second) -> (tenths as written, published); second is empty for a degree
        self.marks = {}
        self._offer_rows = []
        seen = set()
        for row in read_tsv('offerings.tsv'):
            where = f'offerings.tsv {row["place"]} {row["degree"]}'
            if row['place'] not in self.place_number or row['degree'] not in self.degree_number:
                raise SourceError(f'{where}: unknown place or degree')
            if (row['place'], row['degree']) in seen:
                raise SourceError(f'{where}: twice')
            seen.add((row['place'], row['degree']))
            title = 0
            if row['title']:
                if row['title'] not in self.title_number:
                    raise SourceError(f'{where}: unknown title {row["title"]}')
                if self.titles[self.title_number[row['title']] - 1]['degree'] != row['degree']:
                    raise SourceError(f'{where}: the title {row["title"]} is of another degree')
                title = self.title_number[row['title']]
            published = self._mark_source(row, where)
            self.marks[(row['place'], row['degree'], '')] = (
                marks.tenths(row['mark'], where, published), published)
            self._offer_rows.append((row['place'], row['degree'], title))
        self.offered = seen

    def _doubles(self):
        self._double_rows = []
        for row in read_tsv('doubles.tsv'):
            where = f'doubles.tsv {row["place"]} {row["first"]}+{row["second"]}'
            for degree in (row['first'], row['second']):
                if (row['place'], degree) not in self.offered:
                    raise SourceError(f'{where}: {degree} is not offered at the place')
            key = (row['place'], row['first'], row['second'])
            if key in self.marks:
                raise SourceError(f'{where}: twice')
            published = self._mark_source(row, where)
            self.marks[key] = (marks.tenths(row['mark'], where, published), published)
            self._double_rows.append(key)

    def _cell(self, key, estimate):
        _, first, second = key
        return marks.cell(first, self.degrees[self.degree_number[first] - 1]['branch'], estimate,
                          double=bool(second))

    def _corrected_marks(self):
        """Every mark in tenths as the files carry it: published figures as rounded up, estimates
        corrected by the shortfall the published figures showed (marks.py)."""
        evidence = marks.Evidence(self.marks, self.mark_sources)
        pairs = [(self._cell(key, estimate), estimate, self.marks[key][0] - estimate)
                 for key, (estimate, used) in evidence.pairs.items() if used]
        self.correction = marks.Correction(pairs)
        self.mark_counts = {'published': 0, 'estimated': 0}
        # The highest published figure of each degree, or pair of degrees for a double degree.
        ceilings = {}
        for (place, first, second), (value, published) in self.marks.items():
            if published:
                degree = frozenset((first, second)) if second else first
                ceilings[degree] = max(ceilings.get(degree, 0), value)
        final = {}
        for key, (value, published) in self.marks.items():
            if value != NO_MARK:
                self.mark_counts['published' if published else 'estimated'] += 1
            if published:
                final[key] = value
                continue
            degree = frozenset(key[1:]) if key[2] else key[1]
            raised = self.correction.raised(self._cell(key, value), value)
            final[key] = marks.corrected(value, raised, evidence.bounds.get(key),
                                         ceilings.get(degree, marks.TOP_ESTIMATE))
        return final

    def _marks(self):
        final = self._corrected_marks()
        self.offerings = {key: [] for key in self.degree_number}
        for place, degree, title in self._offer_rows:
            mark = final[(place, degree, '')]
            self.offerings[degree].append((self.place_number[place], mark, title))
        for key, offers in self.offerings.items():
            offers.sort()
            if len(offers) > MAX_OFFERINGS:
                raise SourceError(f'offerings.tsv: {key} is offered at {len(offers)} places; 125 fit')
            if len({t for _, _, t in offers if t}) > MAX_DISTINCT_TITLES:
                raise SourceError(f'offerings.tsv: {key} has more than 15 specific titles')
            if sum(1 for _, m, _ in offers if m != NO_MARK and m >= 60) > 80:
                raise SourceError(f'offerings.tsv: {key}: the cut-off window lists 80 marks of 6,0')
        self.doubles = {key: [] for key in self.place_number}
        for key in self._double_rows:
            value = final[key]
            tag = '' if value == NO_MARK else f'{value // 10},{value % 10}'
            self.doubles[key[0]].append((key[1], key[2], tag.rjust(4) if tag else ''))
        for key, entries in self.doubles.items():
            if len(entries) > MAX_DOUBLES_PER_PLACE:
                raise SourceError(f'doubles.tsv: {key} has more than 50 double degrees')


load = read_once(Data)


# --- the files ---------------------------------------------------------------------------------

def write_communities(out, data):
    lines = []
    for c in data.communities:
        lines.append(f'{data.first_code[c["key"]]:02d}' + fit(c['name'], 53, 'communities.tsv'))
    for p in data.provinces:
        lines.append(f'{data.community_number[p["community"]]:02d}' + fit(p['name'], 53, 'provinces.tsv'))
    out.text('comunida', lines)
    portals = []
    for c in data.communities:
        fit(c['portal'], 100, 'communities.tsv portal')
        portals.append(c['name'][:13].ljust(14) + c['portal'])
    out.text('comuint', portals)


def write_places(out, data):
    out.text('lugar', [f'{data.community_number[p["community"]]:2d}' + p['name'].ljust(35) + p['web']
                       for p in data.places])


def write_names(out, data):
    for language in LANGUAGES:
        out.language_text(language, 'carreran', [d[language] for d in data.degrees])
        out.language_text(language, 'carreranb', [g[language] for g in data.groups])
        out.language_text(language, 'carrenue', [t[language] for t in data.titles])
        out.language_text(language, 'materiasp', [s[language] for s in data.subjects])


def write_attributes(out, data):
    lines = []
    for d in data.degrees:
        fields = [int(d['branch']), data.group_number.get(d['group'], 0), *d['itinerary_list'],
                  *d['profession_list'],
                  int(d['family']), data.code(d['key']), *d['subject_list']]
        lines.append(';'.join(str(f) for f in fields))
    out.text('datgradosphp', lines)


def write_offerings(out, data):
    sections = [[], [], []]
    for d in data.degrees:
        offers = data.offerings[d['key']]
        for section, column in zip(sections, range(3)):
            section.append(';'.join(str(v) for v in [len(offers)] + [o[column] for o in offers]))
    out.text('datcarnphp', sections[0] + sections[1] + sections[2])


def write_doubles(out, data):
    lines = []
    for p in data.places:
        lines.append(f'{data.community_number[p["community"]]:2d}{p["name"]}')
        for first, second, tag in data.doubles[p['key']]:
            lines.append(f'    {data.code(first):3d}{data.code(second):3d}{tag}')
    out.text('dobles', lines)


def read_profiles(language):
    """sources/profiles/<language>.txt: "== key" opens a degree; "P:", "Q:", "S:" and "O:" give
    the profile, what is studied, the subjects (";"-separated) and the outputs (";")."""
    profiles = {}
    current = None
    for number, line in enumerate(read_text(os.path.join('profiles', language + '.txt')), start=1):
        if not line.strip() or line.startswith('#'):
            continue
        if line.startswith('== '):
            current = profiles.setdefault(line[3:].strip(), {})
            continue
        field, _, text = line.partition(':')
        if current is None or field not in ('P', 'Q', 'S', 'O') or field in current:
            raise SourceError(f'profiles/{language}.txt:{number}: "{line[:30]}"')
        current[field] = text.strip()
    return profiles


def write_profiles(out, data):
    for language in LANGUAGES:
        profiles = read_profiles(language)
        unknown = set(profiles) - set(data.degree_number)
        if unknown:
            raise SourceError(f'profiles/{language}.txt: unknown degrees {sorted(unknown)}')
        headings = PROFILE_HEADINGS[language]
        lines = []
        for d in data.degrees:
            profile = profiles.get(d['key'])
            if profile is None or set(profile) != {'P', 'Q', 'S', 'O'}:
                raise SourceError(f'profiles/{language}.txt: {d["key"]} needs P, Q, S and O')
            name = d[language]
            lines += [f'<<{data.code(d["key"]):3d} {name}', name, name, headings[0]]
            lines += wrap(profile['P'])
            lines.append(headings[1])
            lines += wrap(profile['Q'])
            lines.append(headings[2])
            lines.append('* ' + CREDITS_LINE[language].format(credits=d['credits'], years=d['years']))
            for item in profile['S'].split(';'):
                lines.append('* ' + fit(item.strip(), 63, f'profiles/{language}.txt {d["key"]}'))
            lines.append(headings[3])
            for item in profile['O'].split(';'):
                lines.append('* ' + fit(item.strip(), 63, f'profiles/{language}.txt {d["key"]}'))
            lines.append('')
        lines.append(PROFILE_END)
        out.language_text(language, 'grados.txt', lines)


def ascii_name(text):
    plain = str.maketrans('áéíóúàèìòùäëïöüâêîôûÁÉÍÓÚÀÈÌÒÙñÑçÇ·/',
                          'aeiouaeiouaeiouaeiouAEIOUAEIOUnNcC.-')
    return text.translate(plain)


def write_weightings(out, data):
    """pdf/: for each university with public admission, the subjects that weigh 0,2 for each of
    its degrees, as this data records them. The weightings panel lists them by file name, so
    each university needs a name of its own that reads as written."""
    written = {}
    for p in data.places:
        if p['weighting'] != 'yes':
            continue
        stem = ascii_name(p['name'])
        name = stem + '.pdf'
        if not stem or stem != stem.strip() or '/' in stem:
            raise SourceError(f'places.tsv: {p["key"]}: "{name}" cannot name a weighting document')
        if name.lower() in written:
            raise SourceError(f'places.tsv: {p["key"]} and {written[name.lower()]} would share '
                              f'the weighting document "{name}"')
        written[name.lower()] = p['key']
        doc = Document(f'Ponderaciones 2020/21 - {p["name"]}')
        doc.title_line(p['name'])
        doc.heading('Parámetros de ponderación de la fase de admisión, curso 2020/21')
        doc.paragraph('Para cada grado que ofrece esta universidad se indican las materias de 2º de '
                      'Bachillerato que ponderan 0,2 en la mayoría de las universidades públicas, tal '
                      'como las recoge el programa. Son orientativas: la tabla oficial de parámetros '
                      'la publica cada universidad, y puede dar a otras materias 0,1 o 0,2. '
                      f'Consúltela en www.{p["web"]} antes de elegir las materias de la fase de '
                      'admisión.')
        offered = sorted((data.degree_number[d], d) for (place, d) in data.offered if place == p['key'])
        for _, key in offered:
            degree = data.degrees[data.degree_number[key] - 1]
            subjects = degree['subject_list']
            if subjects[0] == OWN_SUBJECTS:
                text = 'Las materias que ponderan varían según la universidad: consulte su tabla.'
            else:
                text = 'Ponderan 0,2: ' + ', '.join(
                    data.subjects[s - 1]['cas'] for s in subjects if s) + '.'
            doc.heading(degree['cas'])
            doc.paragraph(text)
        out.binary(os.path.join('pdf', name), doc.to_bytes())


def generate(out):
    data = load()
    write_communities(out, data)
    write_places(out, data)
    write_names(out, data)
    write_attributes(out, data)
    write_offerings(out, data)
    write_doubles(out, data)
    write_profiles(out, data)
    write_weightings(out, data)
