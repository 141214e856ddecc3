"""Cut-off marks: how a mark as written in the sources becomes tenths, and how the estimates are
corrected by what the published lists showed about them.

A published figure (its row names a list of mark_sources.tsv) is written with the decimals of
its list and rounded up to the tenth. Every other mark is an estimate. Where a published figure
replaced an estimate, replaced_estimates.tsv keeps the estimate it replaced: those pairs measure
how far the estimates fell short, and every remaining estimate is raised by the mean shortfall of
its cell, rounded up to the tenth, so that an estimate never makes a place look more reachable
than the published evidence suggests; the raise stops at the highest figure published for the
same degree, so that an estimate never claims more than any list showed for it. mark_bounds.tsv
holds what a list said about a row without giving its figure (above a mark, or places still
free)."""

import re

from .common import SourceError, read_tsv

NO_MARK = 10  # tenths written for a place that publishes no mark

# The cells of the correction. Medicine and the high-demand health and science degrees and
# double degrees fell short by their own amounts; every other estimate takes the general
# correction, the mean shortfall of every pair outside the health and science cell (that cell's
# shortfall belongs to those degrees only).
MEDICINE, HEALTH_SCIENCE, DOUBLE, GENERAL = 'medicine', 'health_science', 'double', 'general'
CELLS = (MEDICINE, HEALTH_SCIENCE, DOUBLE, GENERAL)
HIGH_BAND = 100  # the health, science and double cells hold estimates from 10,0 up
MIN_PAIRS = 3    # a cell with fewer pairs takes the general correction
TOP_ESTIMATE = 139  # an estimate never claims more than 13,9
HEALTH_SCIENCE_BRANCHES = ('2', '5')  # Ciencias, Ciencias de la Salud


def tenths(mark, where, published=False):
    """A mark in tenths. An estimate is written with one decimal (12,5); a published figure as
    its list gives it (12,672) and is rounded up to the tenth, so that a place never looks
    more reachable than it was."""
    if mark == '-':
        if published:
            raise SourceError(f'{where}: a row without a mark names no source')
        return NO_MARK
    pattern = r'\d{1,2},\d{1,3}' if published else r'\d{1,2},\d'
    if not re.fullmatch(pattern, mark):
        raise SourceError(f'{where}: the mark "{mark}" is not written like '
                          + ('12,672 (as published)' if published else '12,5 (an estimate)'))
    whole, _, decimals = mark.partition(',')
    thousandths = int(whole) * 1000 + int(decimals.ljust(3, '0'))
    result = -(-thousandths // 100)
    if not 50 <= result <= 140:
        raise SourceError(f'{where}: the mark {mark} is not between 5,0 and 14,0')
    return result


def cell(degree, branch, estimate, double=False):
    """The correction cell of an estimate (in tenths) of a degree, or of a double degree."""
    if double:
        return DOUBLE if estimate >= HIGH_BAND else GENERAL
    if degree == 'medicina':
        return MEDICINE
    if branch in HEALTH_SCIENCE_BRANCHES and estimate >= HIGH_BAND:
        return HEALTH_SCIENCE
    return GENERAL


def _mean_up(values):
    return -(-sum(values) // len(values))


class Correction:
    """The correction of each cell in tenths, derived from the pairs (cell, estimate replaced,
    shortfall), both in tenths: a cell's mean shortfall rounded up to the tenth; the general
    correction (the mean of every pair outside health and sciences) where a cell has fewer than
    MIN_PAIRS pairs. A cell's own correction only reaches as high as its highest pair's estimate
    took it: above that the estimate takes the general correction, but never falls below the
    top of the cell, so that the order of two places is never reversed."""

    def __init__(self, pairs):
        general = [s for c, _, s in pairs if c != HEALTH_SCIENCE]
        if not general:
            raise SourceError('replaced_estimates.tsv: no pair outside health and sciences to '
                              'derive the general correction from')
        self.general = max(0, _mean_up(general))
        self.raise_by = {GENERAL: self.general}
        self.top = {GENERAL: None}
        for name in CELLS[:-1]:
            own = [(e, s) for c, e, s in pairs if c == name]
            if len(own) >= MIN_PAIRS:
                self.raise_by[name] = max(0, _mean_up([s for _, s in own]))
                self.top[name] = max(e for e, _ in own)
            else:
                self.raise_by[name], self.top[name] = self.general, None

    def raised(self, cell_name, estimate):
        """The estimate raised by its cell (before the ceilings of corrected())."""
        own = self.raise_by[cell_name]
        top = self.top[cell_name]
        if top is None or estimate <= top:
            return estimate + own
        return max(estimate + self.general, top + own)


def corrected(estimate, raised, bound=None, ceiling=TOP_ESTIMATE):
    """An estimate in tenths raised as its cell says (Correction.raised), never past the ceiling
    (the highest figure published for the same degree, or 13,9) and never lowered; then by what a
    list said of the row: ('above', m) makes it at least a tenth above m, ('free', _) keeps it at
    5,0 with no correction."""
    if estimate == NO_MARK:
        return NO_MARK
    if bound and bound[0] == 'free':
        return estimate
    result = max(estimate, min(raised, ceiling, TOP_ESTIMATE))
    if bound:
        result = max(result, bound[1] + 1)
    return result


class Evidence:
    """replaced_estimates.tsv and mark_bounds.tsv, checked against the rows they name.

    rows: {(place, first, second): (tenths, published)}, second empty for a single degree."""

    def __init__(self, rows, sources):
        self.pairs = {}  # key -> (estimate tenths, used)
        for row in read_tsv('replaced_estimates.tsv'):
            key = (row['place'], row['first'], row['second'])
            where = f'replaced_estimates.tsv {"+".join(k for k in key if k)}'
            if key not in rows or not rows[key][1]:
                raise SourceError(f'{where}: not a published row of offerings.tsv or doubles.tsv')
            if key in self.pairs:
                raise SourceError(f'{where}: twice')
            if row['use'] not in ('yes', 'no') or (row['use'] == 'no' and not row['note']):
                raise SourceError(f'{where}: use is "yes" or "no" with the reason in note')
            self.pairs[key] = (tenths(row['estimate'], where), row['use'] == 'yes')
        self.bounds = {}
        for row in read_tsv('mark_bounds.tsv'):
            key = (row['place'], row['first'], row['second'])
            where = f'mark_bounds.tsv {"+".join(k for k in key if k)}'
            if key not in rows:
                raise SourceError(f'{where}: not a row of offerings.tsv or doubles.tsv')
            if key in self.bounds:
                raise SourceError(f'{where}: twice')
            estimate, published = rows[key]
            if published:
                raise SourceError(f'{where}: the row carries a published figure')
            if row['source'] not in sources:
                raise SourceError(f'{where}: unknown source {row["source"]} (see mark_sources.tsv)')
            if row['bound'] == 'above':
                self.bounds[key] = ('above', tenths(row['mark'], where))
            elif row['bound'] == 'free':
                if estimate != 50:
                    raise SourceError(f'{where}: places were free, so the estimate is 5,0')
                self.bounds[key] = ('free', 50)
            else:
                raise SourceError(f'{where}: bound "{row["bound"]}" is "above" or "free"')
