#!/usr/bin/env python3
"""Writes assets/pictures/NOTICES.txt from the manifest: who made each
picture that is not ours, under which licence, and what we changed.

Run after changing the manifest: python3 tools/picgen/make_notices.py
(needs the unpacked openmoji package only to name the authors; pass its
data/openmoji.json as the first argument, else the authors read "OpenMoji").
"""
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.normpath(os.path.join(HERE, '..', '..', 'assets', 'pictures'))


def rows():
    with open(os.path.join(PICTURES, 'manifest.tsv'), encoding='utf-8') as f:
        lines = [l.rstrip('\n') for l in f if l.strip() and not l.startswith('#')]
    for line in lines[1:]:
        yield line.split('\t')


def sources(row):
    """The main source and every composed one, with the treatment."""
    found = [row[3]]
    for op in row[4].split():
        if op.startswith(('add=', 'under=')):
            found.append(op.split('=', 1)[1].rsplit('@', 1)[0])
    return found


def main():
    authors = {}
    if len(sys.argv) > 1:
        for entry in json.load(open(sys.argv[1], encoding='utf-8')):
            authors[entry['hexcode']] = (entry['annotation'], entry['openmoji_author'])
    noto, openmoji = [], []
    for row in rows():
        changed = '' if row[4] == 'plain' else ' (changed: %s)' % row[4]
        for source in sources(row):
            scheme, code = source.split(':', 1)
            line = '  %-9s %-26s %s%s' % (row[1], row[2], code, changed)
            if scheme == 'noto':
                noto.append(line)
            elif scheme == 'openmoji':
                what, who = authors.get(code, ('', 'OpenMoji'))
                openmoji.append(line + ' -- "%s" by %s' % (what, who))
    with open(os.path.join(PICTURES, 'NOTICES.txt'), 'w', encoding='utf-8') as out:
        out.write(HEADER)
        out.write('\nNoto Emoji pictures (%d), by Google, Apache License 2.0:\n' % len(noto))
        out.write('\n'.join(noto) + '\n')
        out.write('\nOpenMoji pictures (%d), CC BY-SA 4.0:\n' % len(openmoji))
        out.write('\n'.join(openmoji) + '\n')
        out.write(FOOTER)


HEADER = """Vocabulary pictures of Lecture: credits and licences
=====================================================

Every picture is a 64 x 64 card made by the program's picture generator from
one of three kinds of source:

* Pictures drawn for Lecture (assets/pictures/svg), part of the game.

* Noto Emoji, Copyright 2013-2024 Google LLC, licensed under the Apache
  License, Version 2.0 (http://www.apache.org/licenses/LICENSE-2.0); the
  licence text is in assets/pictures/noto/LICENSE. Taken as 64 px PNG files
  from the emoji-datasource-google package; resized onto our card and, where
  noted below, recoloured, mirrored or combined.

* OpenMoji - the open-source emoji and icon project, https://openmoji.org,
  licensed under the Creative Commons Attribution-ShareAlike 4.0
  International licence (https://creativecommons.org/licenses/by-sa/4.0/);
  the licence text is in assets/pictures/openmoji/LICENSE.txt. Rendered onto
  our card; the resulting pictures are shared under the same licence.
"""

FOOTER = """
Changes listed above are treatments of the generator (see
assets/pictures/README.md): mirror, hue, tint, gray, rotate, outline, place,
and add/under (another source drawn in).
"""

if __name__ == '__main__':
    main()
