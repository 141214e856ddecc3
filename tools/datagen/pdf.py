"""A small PDF writer for the documents the program opens: pages of text in the standard
Helvetica fonts with the Windows-1252 (WinAnsi) encoding, laid out top to bottom. The output
holds no date or random identifier, so the same content always gives the same bytes."""

from .common import cp1252

PAGE_WIDTH = 595   # A4, in points
PAGE_HEIGHT = 842
MARGIN = 56
STYLES = {  # style: (font resource, size, leading, space before)
    'title': ('F2', 16, 22, 0),
    'heading': ('F2', 12, 17, 8),
    'text': ('F1', 10, 13.5, 0),
    'small': ('F1', 8.5, 11.5, 0),
    'mono': ('F3', 8.5, 11, 0),
}
# Average advance of Helvetica per point of size, for breaking lines.
AVERAGE_ADVANCE = 0.5
MONO_ADVANCE = 0.6


def _escape(data):
    return data.replace(b'\\', b'\\\\').replace(b'(', b'\\(').replace(b')', b'\\)')


class Document:
    def __init__(self, title):
        self.title = title
        self.blocks = []  # (style, text)

    def add(self, style, text=''):
        self.blocks.append((style, text))
        return self

    def title_line(self, text):
        return self.add('title', text)

    def heading(self, text):
        return self.add('heading', text)

    def paragraph(self, text):
        return self.add('text', text)

    def line(self, text=''):
        return self.add('line', text)

    def small(self, text):
        return self.add('small', text)

    def mono(self, text):
        return self.add('mono', text)

    def _lines(self):
        """Every block broken into lines that fit the page width."""
        usable = PAGE_WIDTH - 2 * MARGIN
        for style, text in self.blocks:
            if style == 'line':  # one line as it is, in the text style
                yield 'text', text, False
                continue
            font, size, _, _ = STYLES[style]
            advance = MONO_ADVANCE if font == 'F3' else AVERAGE_ADVANCE
            if font == 'F3':
                yield style, text, True
                continue
            per_line = max(20, int(usable / (size * advance)))
            words = text.split()
            current = ''
            first = True
            for word in words:
                candidate = word if not current else current + ' ' + word
                if len(candidate) > per_line and current:
                    yield style, current, first
                    first = False
                    current = word
                else:
                    current = candidate
            yield style, current, first

    def pages(self):
        pages = [[]]
        y = PAGE_HEIGHT - MARGIN
        for style, text, first in self._lines():
            font, size, leading, before = STYLES[style]
            step = leading + (before if first else 0)
            if y - step < MARGIN:
                pages.append([])
                y = PAGE_HEIGHT - MARGIN
                step = leading
            y -= step
            pages[-1].append((font, size, MARGIN, y, text))
        return pages

    def to_bytes(self):
        objects = []

        def add(body):
            objects.append(body)
            return len(objects)

        catalog = add(None)
        pages_id = add(None)
        fonts = {
            'F1': add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>'),
            'F2': add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>'),
            'F3': add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>'),
        }
        resources = b'<< /Font << ' + b' '.join(
            f'/{name} {number} 0 R'.encode() for name, number in fonts.items()) + b' >> >>'
        page_ids = []
        all_pages = self.pages()
        for number, lines in enumerate(all_pages, start=1):
            stream = []
            for font, size, x, y, text in lines:
                stream.append(b'BT /%s %s Tf %s %s Td (%s) Tj ET' % (
                    font.encode(), _number(size), _number(x), _number(y),
                    _escape(cp1252(text, self.title))))
            footer = f'{self.title}  -  {number}/{len(all_pages)}'
            stream.append(b'BT /F1 8 Tf %s 30 Td (%s) Tj ET' % (
                _number(MARGIN), _escape(cp1252(footer, self.title))))
            content = b'\n'.join(stream)
            content_id = add(b'<< /Length %d >>\nstream\n%s\nendstream' % (len(content), content))
            page_ids.append(add(b'<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %d %d] /Resources %s '
                                b'/Contents %d 0 R >>' % (pages_id, PAGE_WIDTH, PAGE_HEIGHT, resources,
                                                          content_id)))
        objects[catalog - 1] = b'<< /Type /Catalog /Pages %d 0 R >>' % pages_id
        objects[pages_id - 1] = b'<< /Type /Pages /Kids [%s] /Count %d >>' % (
            b' '.join(b'%d 0 R' % p for p in page_ids), len(page_ids))
        info = add(b'<< /Title (%s) /Producer (Velmora) >>' % _escape(cp1252(self.title, self.title)))

        out = bytearray(b'%PDF-1.4\n%\xe2\xe3\xcf\xd3\n')
        offsets = []
        for number, body in enumerate(objects, start=1):
            offsets.append(len(out))
            out += b'%d 0 obj\n%s\nendobj\n' % (number, body)
        xref = len(out)
        out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objects) + 1)
        for offset in offsets:
            out += b'%010d 00000 n \n' % offset
        out += b'trailer\n<< /Size %d /Root %d 0 R /Info %d 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (
            len(objects) + 1, catalog, info, xref)
        return bytes(out)


def _number(value):
    text = f'{value:.2f}'.rstrip('0').rstrip('.')
    return text.encode()
