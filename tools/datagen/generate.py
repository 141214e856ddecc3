#!/usr/bin/env python3
"""Writes the generated files of the data folder from the readable sources in sources/.

    python3 tools/datagen/generate.py                 # into data/velmora20_21
    python3 tools/datagen/generate.py --out FOLDER    # elsewhere (the reproduction check)

Each data set is a module with a generate(out) function; DATA_SETS lists them in the order they
run. A data set that needs another's numbers (communities, places, degrees) reads them from that
module's load()."""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # the sources folder stays free of caches
sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from datagen import arts, centres, certificates, other_studies, questionnaires, statistics, universities, vocational  # noqa: E402
from datagen.common import Output, SourceError  # noqa: E402

DATA_SETS = [universities, other_studies, arts, statistics, questionnaires, certificates, vocational,
             centres]

REPOSITORY = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA_FOLDER = os.path.join(REPOSITORY, 'data', 'velmora20_21')


def generate(folder):
    out = Output(folder)
    for data_set in DATA_SETS:
        data_set.generate(out)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=DATA_FOLDER, help='the data folder to write')
    args = parser.parse_args()
    try:
        out = generate(args.out)
    except SourceError as error:
        print(f'generate.py: {error}', file=sys.stderr)
        return 1
    print(f'{len(out.files)} files written to {args.out}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
