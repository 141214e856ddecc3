"""The employment table and its explanation (pdf/est/insercion, pdf/est/resins) and the
documents the degree statistics screen opens (pdf/est/*.pdf)."""

import os

from .common import SourceError, fit, read_text, read_tsv
from .pdf import Document

FOLDER = os.path.join('pdf', 'est')
DOCUMENTS = ['PreciosMatricula', 'NotaMedia', 'Movilidad', 'Tasa_Rendimiento', 'Becas']
HEADINGS = {'top': 'LOS 20 GRADOS CON MEJOR INSERCIÓN', 'bottom': 'LOS 20 GRADOS CON MENOR INSERCIÓN'}


def index(row):
    """The classification index, 0..10: employment 40 %, salary 35 % (40.000 euros or more count
    as 10), work at university level 25 %."""
    salary = min(10.0, float(row['salary']) / 4000.0)
    return 0.40 * float(row['employment']) / 10 + 0.35 * salary + 0.25 * float(row['university']) / 10


def comma(value, decimals):
    return f'{value:.{decimals}f}'.replace('.', ',')


def thousands(value):
    return f'{int(value):,}'.replace(',', '.')


def table_line(name, index_text, salary, employment, university):
    # Columns 1-39 name, 40-43 index, 45-50 salary, 52-55 employment, 57-60 university level.
    return (fit(name, 39, 'insertion.tsv').ljust(39) + index_text.rjust(4) + ' ' + salary.rjust(6)
            + ' ' + employment.rjust(4) + ' ' + university.rjust(4))


def insertion_rows():
    rows = read_tsv(os.path.join('statistics', 'insertion.tsv'))
    blocks = {}
    for block in ('top', 'bottom'):
        chosen = sorted((r for r in rows if r['block'] == block), key=index, reverse=True)
        if len(chosen) != 20:
            raise SourceError(f'insertion.tsv: the {block} block has 20 degrees')
        blocks[block] = chosen
    return blocks


def write_insertion(out):
    blocks = insertion_rows()
    lines = []
    for block in ('top', 'bottom'):
        lines.append(table_line(HEADINGS[block], 'Ind.', 'Euros', '%Tr.', '%Un.'))
        for r in blocks[block]:
            salary = thousands(r['salary'])
            lines.append(table_line(r['degree'], comma(index(r), 2), salary,
                                    comma(float(r['employment']), 1), comma(float(r['university']), 1)))
    out.text(os.path.join(FOLDER, 'insercion'), lines)
    out.text(os.path.join(FOLDER, 'resins'), read_text(os.path.join('statistics', 'resins.txt')))
    return blocks


def document_from_text(name):
    lines = read_text(os.path.join('statistics', name + '.txt'))
    doc = Document(lines[0].lstrip('# ').strip())
    for line in lines:
        if line.startswith('## '):
            doc.heading(line[3:])
        elif line.startswith('# '):
            doc.title_line(line[2:])
        elif line.startswith('| '):
            doc.mono(line[2:])
        elif line.startswith('* '):
            doc.paragraph('\u2022 ' + line[2:])
        elif line.strip():
            doc.paragraph(line)
    return doc


def insertion_documents(out, blocks):
    explanation = read_text(os.path.join('statistics', 'resins.txt'))
    summary = Document('Inserción laboral de los titulados - resumen')
    summary.title_line('Inserción laboral de los titulados universitarios: resumen')
    for line in explanation[2:]:
        if line.strip() and not line.startswith('('):
            summary.paragraph(line)
    for block in ('top', 'bottom'):
        summary.heading(HEADINGS[block].capitalize())
        for r in blocks[block][:10]:
            summary.paragraph(f'{r["degree"]}: trabaja el {comma(float(r["employment"]), 1)} %, '
                              f'con un salario medio de {thousands(r["salary"])} euros.')
    out.binary(os.path.join(FOLDER, 'ResumenInsercion.pdf'), summary.to_bytes())

    complete = Document('Inserción laboral de los titulados - estudio completo')
    complete.title_line('Inserción laboral de los titulados universitarios')
    for line in explanation[2:]:
        if line.startswith('Explicaciones') or line.startswith('La puntuación'):
            complete.heading(line)
        elif line.strip():
            complete.paragraph(line)
    for block in ('top', 'bottom'):
        complete.heading(HEADINGS[block].capitalize())
        complete.mono(f'{"Grado":<40}{"Índice":>7}{"Salario":>9}{"Trabaja":>9}{"Univ.":>7}')
        for r in blocks[block]:
            complete.mono(f'{r["degree"][:39]:<40}{comma(index(r), 2):>7}{thousands(r["salary"]):>9}'
                          f'{comma(float(r["employment"]), 1):>8}%{comma(float(r["university"]), 1):>6}%')
    out.binary(os.path.join(FOLDER, 'CompletoInsercion.pdf'), complete.to_bytes())


def generate(out):
    blocks = write_insertion(out)
    insertion_documents(out, blocks)
    for name in DOCUMENTS:
        out.binary(os.path.join(FOLDER, name + '.pdf'), document_from_text(name).to_bytes())
