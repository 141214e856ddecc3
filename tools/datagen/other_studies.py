"""Other studies ("otros" and their pages in "asignaot"), the masters text ("master.txt") and the
document of centres of sports education (pdf/est/DeportesCentros.pdf)."""

import os

from . import universities
from .common import LANGUAGES, SourceError, fit, read_text, wrap
from .pdf import Document

ROW_WIDTH = 55
PAGE_WIDTH = 60
PAGE_LINES = 50
MAX_ROWS = 50
DOCUMENT_ROW = 2  # the third row of the list always opens the document of centres


def read_others(language):
    """Rows of the list with the lines of their pages."""
    rows = []
    name = os.path.join('others', language + '.txt')
    for line in read_text(name):
        if line.startswith('#'):
            continue
        if line.startswith('== '):
            rows.append((fit(line[3:], ROW_WIDTH, name), []))
        elif line.strip():
            if not rows:
                raise SourceError(f'{name}: text before the first row')
            rows[-1][1].append(line)
    if len(rows) > MAX_ROWS:
        raise SourceError(f'{name}: {len(rows)} rows and 50 fit')
    return rows


def page(row, lines, where):
    """The 50 lines of a page: wrapped paragraphs, then blank lines (two blank lines end it)."""
    out = []
    for line in lines:
        if line.startswith(('-', '*')):
            out.append(fit(line, PAGE_WIDTH, where))
        else:
            out += wrap(line, PAGE_WIDTH)
    if len(out) > PAGE_LINES - 2:
        raise SourceError(f'{where}: the page of "{row.strip()}" has {len(out)} lines and 48 fit')
    if any(line.startswith(' ' * 16) for line in out):
        raise SourceError(f'{where}: a page line starting with 16 blanks reads as blank')
    return out + [''] * (PAGE_LINES - len(out))


def write_others(out):
    counts = set()
    for language in LANGUAGES:
        rows = read_others(language)
        counts.add(len(rows))
        out.language_text(language, 'otros', [row for row, _ in rows])
        blocks = []
        for number, (row, lines) in enumerate(rows, start=1):
            blocks.append(f'#{number:02d} {row.strip()}')
            blocks += page(row, lines, f'others/{language}.txt')
        out.language_text(language, 'asignaot', blocks)
    if len(counts) != 1:
        raise SourceError('others: every language has the same rows')


def write_masters(out):
    for language in LANGUAGES:
        lines = []
        for line in read_text(os.path.join('masters', language + '.txt')):
            if line.startswith('#'):
                continue
            if line.startswith(('-', '*')) or not line.strip():
                lines.append(line)
            else:
                lines += wrap(line, 65)
        out.language_text(language, 'master.txt', lines)


# Sports modalities with a Técnico Deportivo title in 2020/21.
SPORTS_MODALITIES = [
    'atletismo', 'baloncesto', 'balonmano', 'buceo deportivo',
    'deportes de invierno (esquí alpino, esquí de fondo y snowboard)',
    'deportes de montaña y escalada', 'espeleología', 'fútbol', 'fútbol sala', 'hípica',
    'judo y defensa personal', 'piragüismo', 'salvamento y socorrismo', 'vela']


def write_sports_centres(out):
    """The sports-education centres are authorised by each community; the document says where
    each community publishes its offer, and what the studies are."""
    data = universities.load()
    doc = Document('Centros de enseñanzas deportivas 2020/21')
    doc.title_line('Centros de enseñanzas deportivas')
    doc.paragraph('Las enseñanzas deportivas de régimen especial (Técnico Deportivo y Técnico '
                  'Deportivo Superior) se imparten en centros públicos y en centros privados '
                  'autorizados por la administración educativa de cada comunidad autónoma. La '
                  'relación de centros y de las modalidades que ofrece cada uno cambia cada curso: '
                  'este documento indica dónde publica cada comunidad su oferta.')
    doc.heading('Modalidades con título de Técnico Deportivo')
    doc.paragraph(', '.join(SPORTS_MODALITIES).capitalize() + '.')
    doc.heading('Dónde consultar la oferta de cada comunidad')
    for community in data.communities:
        if community['key'] in ('ceuta', 'melilla'):
            who = ('Ministerio de Educación y Formación Profesional, Dirección Provincial de '
                   + community['name'])
        else:
            who = 'Administración educativa de la comunidad'
        doc.heading(community['name'])
        doc.paragraph(f'{who}: http://{community["portal"]}')
    doc.heading('Más información')
    doc.paragraph('El Ministerio de Educación y Formación Profesional mantiene el Registro Estatal '
                  'de Centros Docentes no Universitarios, donde se puede buscar cualquier centro '
                  'autorizado por su nombre, su localidad o las enseñanzas que imparte.')
    out.binary(os.path.join('pdf', 'est', 'DeportesCentros.pdf'), doc.to_bytes())


def generate(out):
    write_others(out)
    write_masters(out)
    write_sports_centres(out)
