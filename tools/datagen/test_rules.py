#!/usr/bin/env python3
"""The generator's own rules, case by case: how a cut-off mark becomes tenths, which answers a
question may have, where the ranking heading stands, how data/README's mark counts are checked,
how the weighting documents are named, and how the spell check cuts a line into words."""

import os
import sys
import unittest

sys.dont_write_bytecode = True  # the sources folder stays free of caches
TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)

from datagen import check_reproduces, questionnaires, universities  # noqa: E402
from datagen.common import SourceError  # noqa: E402
import spellcheck  # noqa: E402


class CutOffMarks(unittest.TestCase):
    TENTHS = [
        # (case, mark as written, published figure?, tenths)
        ('an estimate keeps its tenth', '12,5', False, 125),
        ('a published figure is rounded up', '12,672', True, 127),
        ('a published figure on a tenth stays', '12,600', True, 126),
        ('a published figure with two decimals', '12,50', True, 125),
        ('a thousandth above a tenth rounds up', '13,001', True, 131),
        ('the lowest mark', '5,0', False, 50),
        ('the highest published mark', '14,000', True, 140),
        ('no mark published', '-', False, universities.NO_MARK),
    ]
    REFUSED = [
        ('an estimate with the decimals of a list', '12,56', False),
        ('a decimal point', '12.5', True),
        ('above 14 once rounded up', '14,001', True),
        ('below 5', '4,9', False),
        ('a source for a row without a mark', '-', True),
        ('four decimals', '12,6721', True),
    ]

    def test_marks_become_tenths(self):
        for case, mark, published, tenths in self.TENTHS:
            with self.subTest(case):
                self.assertEqual(universities.Data._tenths(mark, 'test', published), tenths)

    def test_malformed_marks_are_refused(self):
        for case, mark, published in self.REFUSED:
            with self.subTest(case), self.assertRaises(SourceError):
                universities.Data._tenths(mark, 'test', published)

    def test_a_source_must_be_a_listed_one(self):
        data = universities.Data.__new__(universities.Data)
        data.mark_sources = {'ciug2020': {}}
        self.assertTrue(data._mark_source({'source': 'ciug2020'}, 'test'))
        self.assertFalse(data._mark_source({'source': ''}, 'test'))
        with self.assertRaises(SourceError):
            data._mark_source({'source': 'ciug2021'}, 'test')

    def test_the_bundled_marks_are_counted_as_their_sources_say(self):
        counts = universities.load().mark_counts
        self.assertGreater(counts['published'], 0)
        self.assertGreater(counts['estimated'], 0)


class ReadmeCounts(unittest.TestCase):
    COUNTS = {'published': 30, 'estimated': 2023}
    CASES = [
        ('the right counts', 'Of the 2053 marks (offerings and double degrees), 30 are published '
         'figures and 2023 are estimates.', 0),
        ('the sentence wrapped over lines', 'Of the 2053 marks (offerings and double\ndegrees), 30 '
         'are published figures and 2023 are\nestimates.', 0),
        ('stale counts', 'Of the 2050 marks (offerings and double degrees), 27 are published '
         'figures and 2023 are estimates.', 1),
        ('no sentence', 'The marks are approximate.', 1),
    ]

    def test_the_stated_counts_are_checked(self):
        for case, text, problems in self.CASES:
            with self.subTest(case):
                self.assertEqual(
                    len(check_reproduces.stated_count_problems(text, self.COUNTS)), problems)


class Questionnaires(unittest.TestCase):
    ANSWERS = [
        # (case, answer kind, row of "cuestioESO", allowed)
        ('a habit answered how often', '3', 14, True),
        ('a habit answered yes or no', '2', 19, True),
        ('a habit answered how much', '4', 16, False),
        ('a habit with five answers', '5', 17, False),
        ('a liking answered how much', '4', 1, True),
        ('an aptitude with five answers', '5', 13, True),
        ('a liking answered how often', '3', 8, False),
    ]

    def test_answers_fit_what_is_asked(self):
        for case, kind, row, allowed in self.ANSWERS:
            with self.subTest(case):
                self.assertEqual(questionnaires.answers_fit(kind, row), allowed)

    def test_the_ranking_heading_rule(self):
        lines = [''] * questionnaires.ITINERAR_LINES
        for case, heading, score, fits in (
                ('36 columns and Nota', 'Grupo de itinerarios, de más a menos', 'Nota', True),
                ('a short heading', 'Grupo de itinerarios', 'Nota', False),
                ('a long heading', 'Grupo de itinerarios, de más a menos afín', 'Nota', False),
                ('a score title wider than the scores', 'Grupo de itinerarios, de más a menos',
                 'Puntuación', False)):
            with self.subTest(case):
                lines[31], lines[32] = score, heading
                self.assertEqual(questionnaires.heading_fits(lines), fits)

    def test_every_language_puts_its_score_title_over_the_scores(self):
        # Line 15 of the ESO result is line 33, nine blanks and line 32; each ranking line is the
        # first 45 characters of a group name and its score in four columns.
        for language in ('cas', 'catVal', 'galego', 'euskera'):
            with self.subTest(language):
                lines = questionnaires.itinerary_lines(language)
                heading = lines[32].rstrip() + ' ' * 9 + lines[31].rstrip()
                ranking = lines[0].ljust(54)[:questionnaires.SCORE_COLUMN] + f'{7.5:4.1f}'
                self.assertEqual(heading.index(lines[31].strip()), ranking.index('7.5') - 1)


class WeightingDocuments(unittest.TestCase):
    class Out:
        def __init__(self):
            self.files = []

        def binary(self, path, data):
            self.files.append(path)

    @staticmethod
    def data(*names):
        data = universities.Data.__new__(universities.Data)
        data.places = [{'key': f'u{k}', 'name': name, 'web': 'u.es', 'weighting': 'yes'}
                       for k, name in enumerate(names)]
        data.offered = []
        return data

    def test_one_document_per_university_named_after_it(self):
        out = self.Out()
        universities.write_weightings(out, self.data('Universidad de León', 'Universitat de Lleida'))
        self.assertEqual(out.files, [os.path.join('pdf', 'Universidad de Leon.pdf'),
                                     os.path.join('pdf', 'Universitat de Lleida.pdf')])

    def test_names_the_panel_cannot_tell_apart_are_refused(self):
        for case, names in [('the same name once accents go', ('Universidad de León',
                                                                'Universidad de Leon')),
                            ('the same name but for case', ('Universidad de Leon',
                                                            'UNIVERSIDAD DE LEON')),
                            ('a blank at the end', ('Universidad de Leon ',))]:
            with self.subTest(case), self.assertRaises(SourceError):
                universities.write_weightings(self.Out(), self.data(*names))


class SpellCheckWords(unittest.TestCase):
    CASES = [
        ('a keyed certificate line', 'AFabricación y montaje', ['Fabricación', 'y', 'montaje']),
        ('a family section line', 'D-Imagen y sonido', ['Imagen', 'y', 'sonido']),
        ('an address is no word', 'CSM Manuel Castillo, Sevilla http://www.consev.es',
         ['CSM', 'Manuel', 'Castillo', 'Sevilla']),
        ('a bare domain is no word', 'Consulta ubu.es cada año', ['Consulta', 'cada', 'año']),
        ('Catalan apostrophes and middle dots', "l'aigua del col·legi", ["l'aigua", 'del', 'col·legi']),
        ('gender forms split at the slash', 'Encarregat/ada', ['Encarregat', 'ada']),
        ('codes and numbers are left out', 'P058 LEYE Advocat/ada 46 47',
         ['P', 'LEYE', 'Advocat', 'ada']),
        ('a Basque word with a hyphen', 'Behe-tentsioko sareak', ['Behe-tentsioko', 'sareak']),
    ]

    def test_lines_are_cut_into_words(self):
        for case, line, words in self.CASES:
            with self.subTest(case):
                self.assertEqual(spellcheck.words_of(line), words)


if __name__ == '__main__':
    unittest.main()
