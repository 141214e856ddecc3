#!/usr/bin/env python3
"""Spell-checks every text file of the language folders of a data folder with Debian's hunspell
dictionaries and lists the words that remain: a word is either mended in its source or recorded
in spellcheck_terms/ as a term the dictionary may flag (a proper name, an abbreviation, a code,
a technical term missing from the dictionary).

    python3 tools/spellcheck.py                      # data/velmora20_21, every language
    python3 tools/spellcheck.py --language catVal    # one language
    python3 tools/spellcheck.py FOLDER

Needs the Debian packages hunspell, hunspell-es, hunspell-ca, hunspell-gl and hunspell-eu (a
developer's tool: the test suite does not run it). Exit status 0 when nothing remains, 1 when
words remain, 2 when hunspell or a dictionary is missing."""

import argparse
import os
import re
import shutil
import subprocess
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
REPOSITORY = os.path.dirname(TOOLS)
DEFAULT_FOLDER = os.path.join(REPOSITORY, 'data', 'velmora20_21')
TERMS = os.path.join(TOOLS, 'spellcheck_terms')

# The dictionaries of each language folder; Catalan accepts the central and the Valencian forms,
# since the folder serves both.
DICTIONARIES = {
    'cas': ['es_ES'],
    'catVal': ['ca', 'ca_ES-valencia'],
    'galego': ['gl_ES'],
    'euskera': ['eu'],
}
DICTIONARY_FOLDER = '/usr/share/hunspell'
# A word: letters, with inner apostrophes, hyphens and the Catalan middle dot ("l'aigua",
# "col·legi", "behe-tentsioko"); digits, codes and punctuation around it are not part of it.
WORD = re.compile(r"[^\W\d_]+(?:['’·-][^\W\d_]+)*")
# Web addresses are not words.
ADDRESS = re.compile(r"(?:https?://|www\.)\S*|\b[\w.-]+\.(?:es|com|cat|eus|gal|edu|org|net)\b\S*")
# Keyed lines start with a one-letter key glued to the text ("AFabricación", "D-Imagen"): the key
# is not part of the word.
KEYED = re.compile(r"^[A-Z]-?(?=[A-ZÁÉÍÓÚÑÇ][a-zà-ÿ])")


def words_of(text):
    return [KEYED.sub('', w) for w in WORD.findall(ADDRESS.sub(' ', text))]


def read_terms(language):
    """The terms recorded for a language, and those shared by every language."""
    terms = set()
    for name in ('common', language):
        path = os.path.join(TERMS, name + '.txt')
        if not os.path.isfile(path):
            continue
        with open(path, encoding='utf-8') as f:
            for line in f:
                line = line.strip()
                if line and not line.startswith('#'):
                    terms.add(line)
    return terms


def language_lines(folder):
    """(file name, line number, text) of every text file of a language folder, decoded from
    Windows-1252; files that are not text (no line ends, control bytes) are left out."""
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        with open(path, 'rb') as f:
            data = f.read()
        if b'\0' in data:
            continue
        text = data.decode('cp1252', errors='replace')
        for number, line in enumerate(text.splitlines(), start=1):
            yield name, number, line


def flagged_words(words, dictionaries):
    """The words hunspell does not know, each given on a line of its own so that the
    dictionaries' own word characters (digits, dashes) cannot glue a code to a word."""
    command = ['hunspell', '-i', 'utf-8', '-d', ','.join(dictionaries), '-l']
    result = subprocess.run(command, input='\n'.join(words), capture_output=True, text=True,
                            encoding='utf-8', check=False)
    if result.returncode != 0:
        raise RuntimeError(result.stderr.strip() or f'hunspell exited with {result.returncode}')
    return set(result.stdout.split())


def check_language(folder, language):
    """The flagged words of one language folder that are not recorded terms, each with where it
    first appears and how often."""
    places = {}
    for name, number, text in language_lines(os.path.join(folder, language)):
        for word in words_of(text):
            first, count = places.get(word, (f'{language}/{name}:{number}', 0))
            places[word] = (first, count + 1)
    flagged = flagged_words(sorted(places), DICTIONARIES[language])
    terms = read_terms(language)
    found = {}
    for word, place in places.items():
        # hunspell may flag a part of a word (one side of a hyphen or an apostrophe).
        parts = {word} | set(re.split(r"['’-]", word))
        bad = sorted(p for p in parts if p in flagged and p not in terms)
        if bad and word not in terms:
            for part in bad:
                first, count = found.get(part, (place[0], 0))
                found[part] = (first, count + place[1])
    return found


def missing_tools():
    if shutil.which('hunspell') is None:
        return ['hunspell']
    return [f'{DICTIONARY_FOLDER}/{d}.dic' for ds in DICTIONARIES.values() for d in ds
            if not os.path.isfile(os.path.join(DICTIONARY_FOLDER, d + '.dic'))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('folder', nargs='?', default=DEFAULT_FOLDER, help='the data folder')
    parser.add_argument('--language', choices=sorted(DICTIONARIES), action='append',
                        help='check only this language folder (may be repeated)')
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print('spellcheck.py: missing ' + ', '.join(missing) + ' (apt-get install hunspell '
              'hunspell-es hunspell-ca hunspell-gl hunspell-eu)', file=sys.stderr)
        return 2
    total = 0
    for language in args.language or list(DICTIONARIES):
        if not os.path.isdir(os.path.join(args.folder, language)):
            print(f'spellcheck.py: no folder {language} in {args.folder}', file=sys.stderr)
            return 2
        found = check_language(args.folder, language)
        for word in sorted(found, key=lambda w: (found[w][0], w)):
            where, count = found[word]
            print(f'{where}: {word}' + (f' ({count} times)' if count > 1 else ''))
        total += len(found)
        print(f'{language}: {len(found)} words to mend or record in '
              f'tools/spellcheck_terms/{language}.txt', file=sys.stderr)
    return 1 if total else 0


if __name__ == '__main__':
    sys.exit(main())
