#!/usr/bin/env python3
"""The generator's own rules, case by case: how a cut-off mark becomes tenths and how an estimate
is corrected, which answers a question may have, where the ranking heading stands, how
data/README's mark counts and corrections are checked, how the weighting documents are named,
and how the spell check cuts a line into words."""

import os
import sys
import unittest
from unittest import mock

sys.dont_write_bytecode = True  # the sources folder stays free of caches
TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)

from datagen import check_reproduces, marks, questionnaires, universities  # noqa: E402
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
        ('no mark published', '-', False, marks.NO_MARK),
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
                self.assertEqual(marks.tenths(mark, 'test', published), tenths)

    def test_malformed_marks_are_refused(self):
        for case, mark, published in self.REFUSED:
            with self.subTest(case), self.assertRaises(SourceError):
                marks.tenths(mark, 'test', published)

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


M, H, D, G = marks.MEDICINE, marks.HEALTH_SCIENCE, marks.DOUBLE, marks.GENERAL


class EstimateCorrection(unittest.TestCase):
    CELLS = [
        # (case, degree, branch, estimate in tenths, double degree?, cell)
        ('medicine at any level', 'medicina', '5', 118, False, M),
        ('nursing from 10,0', 'enfermeria', '5', 100, False, H),
        ('nursing below 10,0', 'enfermeria', '5', 99, False, G),
        ('a science degree', 'fisica', '2', 125, False, H),
        ('law however high', 'derecho', '3', 128, False, G),
        ('a double degree from 10,0', 'matematicas', '2', 100, True, D),
        ('a double degree below 10,0', 'ade', '3', 97, True, G),
    ]
    DERIVED = [
        # (case, pairs (cell, estimate, shortfall), expected raise_by, expected top of the cell)
        ('the mean rounded up to the tenth',
         [(M, 127, 5), (M, 130, 6), (M, 128, 6), (D, 130, 5)], {M: 6, G: 6}, {M: 130}),
        ('a cell of two pairs takes the general one',
         [(H, 115, 15), (H, 116, 9), (D, 130, 4), (G, 90, 2), (M, 130, 6)], {H: 4, D: 4},
         {H: None}),
        ('health and sciences stay out of the general mean',
         [(H, 111, 16), (H, 112, 14), (H, 120, 9), (G, 80, 3)], {H: 13, G: 3}, {H: 120}),
        ('estimates that were too high lower nothing',
         [(M, 134, -2), (M, 130, -3), (M, 124, 1)], {M: 0, G: 0}, {M: 134}),
    ]

    def test_each_estimate_has_its_cell(self):
        for case, degree, branch, estimate, double, cell in self.CELLS:
            with self.subTest(case):
                self.assertEqual(marks.cell(degree, branch, estimate, double), cell)

    def test_corrections_are_derived_from_the_pairs(self):
        for case, pairs, raise_by, top in self.DERIVED:
            with self.subTest(case):
                correction = marks.Correction(pairs)
                for cell, value in raise_by.items():
                    self.assertEqual(correction.raise_by[cell], value, cell)
                for cell, value in top.items():
                    self.assertEqual(correction.top[cell], value, cell)

    def test_no_general_pair_is_refused(self):
        with self.assertRaises(SourceError):
            marks.Correction([(H, 115, 15), (H, 116, 9), (H, 117, 9)])

    def test_estimates_are_raised_as_their_cell_says(self):
        correction = marks.Correction([(H, 111, 12), (H, 120, 12), (H, 124, 12), (M, 130, 5)])
        self.assertEqual(correction.raise_by[G], 5)
        for case, cell, estimate, bound, ceiling, result in [
                # (case, cell, estimate, bound, ceiling, corrected tenths)
                ('within the cell', H, 106, None, 139, 118),
                ('at the top of the cell', H, 124, None, 139, 136),
                ('above the top, the general raise but not below the top', H, 127, None, 139, 136),
                ('far above the top, the general raise', H, 133, None, 139, 138),
                ('the general cell', G, 50, None, 139, 55),
                ('the highest published figure of the degree', H, 120, None, 127, 127),
                ('never past 13,9', G, 137, None, 140, 139),
                ('never lowered by a ceiling', H, 128, None, 125, 128),
                ('a list put it above 12', G, 105, ('above', 120), 139, 121),
                ('above 12 already', H, 118, ('above', 120), 139, 130),
                ('places were free', G, 50, ('free', 50), 139, 50),
                ('no mark published', G, marks.NO_MARK, None, 139, marks.NO_MARK)]:
            with self.subTest(case):
                raised = correction.raised(cell, estimate)
                self.assertEqual(marks.corrected(estimate, raised, bound, ceiling), result)

    def test_the_correction_keeps_the_order_of_places(self):
        correction = universities.load().correction
        for degree, branch, double in (('medicina', '5', False), ('enfermeria', '5', False),
                                       ('derecho', '3', False), ('fisica', '2', True)):
            values = [marks.corrected(e, correction.raised(marks.cell(degree, branch, e, double),
                                                           e)) for e in range(50, 140)]
            with self.subTest(degree):
                self.assertEqual(values, sorted(values))

    def test_bundled_published_figures_stay_and_estimates_only_rise(self):
        data = universities.load()
        final = data._corrected_marks()
        for key, (value, published) in data.marks.items():
            with self.subTest(key):
                if published:
                    self.assertEqual(final[key], value)
                else:
                    self.assertGreaterEqual(final[key], value)
                    self.assertLessEqual(final[key], max(value, marks.TOP_ESTIMATE))


class MarkEvidence(unittest.TestCase):
    ROWS = {('usc', 'medicina', ''): (131, True), ('usc', 'bioquimica', ''): (118, False),
            ('ugr', 'geografia', ''): (50, False), ('ugr', 'geologia', ''): (67, False)}
    PAIR = {'place': 'usc', 'first': 'medicina', 'second': '', 'estimate': '13,0', 'use': 'yes',
            'note': ''}
    BOUND = {'place': 'usc', 'first': 'bioquimica', 'second': '', 'bound': 'above',
             'mark': '12,0', 'source': 'ciug2020'}
    REFUSED = [
        # (case, replaced_estimates.tsv rows, mark_bounds.tsv rows)
        ('a pair on an estimate', [dict(PAIR, first='bioquimica')], []),
        ('a pair on a row that does not exist', [dict(PAIR, place='uvigo')], []),
        ('a pair twice', [PAIR, PAIR], []),
        ('a pair left out without a reason', [dict(PAIR, use='no')], []),
        ('a bound on a published figure', [], [dict(BOUND, first='medicina')]),
        ('a bound from an unknown list', [], [dict(BOUND, source='ciug2021')]),
        ('free places with a mark above 5,0', [], [dict(BOUND, first='geologia', place='ugr',
                                                        bound='free', source='ciug2020')]),
        ('a bound of another kind', [], [dict(BOUND, bound='below')]),
    ]

    def evidence(self, pairs, bounds):
        tables = {'replaced_estimates.tsv': pairs, 'mark_bounds.tsv': bounds}
        with mock.patch.object(marks, 'read_tsv', lambda name: tables[name]):
            return marks.Evidence(self.ROWS, {'ciug2020': {}})

    def test_good_evidence_is_read(self):
        evidence = self.evidence(
            [dict(self.PAIR)],
            [dict(self.BOUND), dict(self.BOUND, place='ugr', first='geografia', bound='free',
                                    mark='')])
        self.assertEqual(evidence.pairs, {('usc', 'medicina', ''): (130, True)})
        self.assertEqual(evidence.bounds, {('usc', 'bioquimica', ''): ('above', 120),
                                           ('ugr', 'geografia', ''): ('free', 50)})

    def test_evidence_that_names_the_wrong_rows_is_refused(self):
        for case, pairs, bounds in self.REFUSED:
            with self.subTest(case), self.assertRaises(SourceError):
                self.evidence(pairs, bounds)


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


class ReadmeCorrections(unittest.TestCase):
    CASES = [
        ('the derived corrections', 'The corrections: medicine +0,5, health and sciences +1,2, '
         'double degrees +0,6, every other estimate +0,5.', 0),
        ('wrapped over lines', 'The corrections: medicine +0,5, health and\nsciences +1,2, double '
         'degrees +0,6, every other\nestimate +0,5.', 0),
        ('a stale figure', 'The corrections: medicine +0,5, health and sciences +1,1, double '
         'degrees +0,6, every other estimate +0,5.', 1),
        ('no sentence', 'The estimates are corrected.', 1),
    ]

    def test_the_stated_corrections_are_checked(self):
        correction = marks.Correction([(M, 130, 5), (M, 131, 5), (M, 129, 5), (H, 111, 12),
                                       (H, 112, 12), (H, 115, 12), (D, 130, 6), (D, 131, 6),
                                       (D, 132, 6), (G, 90, 2)])
        self.assertEqual([correction.raise_by[c] for c in (M, H, D, G)], [5, 12, 6, 5])
        for case, text, problems in self.CASES:
            with self.subTest(case):
                self.assertEqual(
                    len(check_reproduces.stated_correction_problems(text, correction)), problems)


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
