"""Fails when a marked text of the sources has no finished translation.

lupdate collects the texts of the sources, exactly as the korvane_lupdate
target does, into a .ts file in a temporary folder; every text found there
must have a finished, non-empty translation in the committed .ts file, with
the same %1..%9 placeholders as its Dutch source.

usage: vertalingen_compleet.py LUPDATE SOURCE_DIR TS_FILE -- LUPDATE_ARGS...
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def tekst(element):
    # A carriage return is stored as <byte value="xd"/> inside the text.
    if element is None:
        return None
    delen = [element.text or '']
    for kind in element:
        if kind.tag == 'byte':
            delen.append(chr(int(kind.get('value').lstrip('x'), 16)))
        delen.append(kind.tail or '')
    return ''.join(delen)


def berichten(pad):
    uit = {}
    for context in ET.parse(pad).getroot().iter('context'):
        naam = context.findtext('name')
        for bericht in context.iter('message'):
            uit[(naam, tekst(bericht.find('source')))] = bericht.find('translation')
    return uit


def plaatsen(s):
    return sorted(set(re.findall(r'%[1-9]', s)))


def main():
    scheiding = sys.argv.index('--')
    lupdate, bron, ts = sys.argv[1:scheiding]
    argumenten = sys.argv[scheiding + 1:]
    with tempfile.TemporaryDirectory() as map:
        vers = Path(map) / (Path(ts).stem + '.ts')
        subprocess.run([lupdate, *argumenten, '-ts', str(vers)], cwd=bron, check=True,
                       stdout=subprocess.DEVNULL)
        gevonden = berichten(vers)
    vastgelegd = berichten(ts)
    fouten = []
    for (context, bronTekst) in sorted(gevonden):
        vertaling = vastgelegd.get((context, bronTekst))
        waar = f'{context}: {bronTekst!r}'
        if vertaling is None:
            fouten.append(f'not in {Path(ts).name}: {waar}')
        elif vertaling.get('type') in ('unfinished', 'vanished', 'obsolete') or not tekst(vertaling):
            fouten.append(f'no finished translation: {waar}')
        elif plaatsen(tekst(vertaling)) != plaatsen(bronTekst):
            fouten.append(f'placeholders differ: {waar} -> {tekst(vertaling)!r}')
    if not gevonden:
        fouten.append('lupdate found no texts at all')
    for f in fouten:
        print(f)
    print(f'{len(gevonden)} texts, {len(fouten)} without a finished translation')
    return 1 if fouten else 0


if __name__ == '__main__':
    sys.exit(main())
