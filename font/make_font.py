#!/usr/bin/python3
"""Builds the "Korvane" line font from DejaVu Sans Mono.

The text glyphs (ASCII, Latin-1 and the extra Windows-1252 characters) are
DejaVu Sans Mono's; the eleven codes U+00F5..U+00FF are redrawn as the pieces
of a tab staff: the string at one fixed height across the whole cell, a dot on
the string, and the nine junctions of the string with a bar line.  Bar pieces
reach the top and/or bottom of the line box, so that a staff set with the
font's own line spacing shows unbroken strings and bar lines.

Usage: make_font.py --source DejaVuSansMono.ttf --output Korvane.ttf
"""

import argparse
import math
import os
import sys

try:
    from fontTools import subset
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.ttLib import TTFont
except ImportError:
    sys.exit("make_font.py: the Python module fontTools is missing for %s; "
             "install Debian's python3-fonttools (scripts/setup.sh)" % sys.executable)

FAMILY = "Korvane"
VERSION = "Version 1.000"

# Vertical centre of the string, in font units: the height of DejaVu's own
# box-drawing lines, a little above the middle of the digits.
STRING_Y = 704
# Thickness of string and bar strokes.
STROKE = 144
# Pieces reach past the cell edges and the line box.  Qt places glyphs and
# lines at whole pixels while the cell and the line box are fractional, so
# neighbouring pieces can land up to a pixel apart; a piece that stopped
# exactly at the edge would leave a seam there.  Horizontally the reach stays
# below the side bearings of the digits (98 units at least) so that a string
# never touches the fret number it leads into.
OVERSHOOT_X = 96
OVERSHOOT_Y = 256
DOT_RADIUS = 300

# code: (string to the left, string to the right, bar up, bar down, dot)
PIECES = {
    0xFF: (True, True, False, False, False),   # string segment
    0xF5: (True, True, False, False, True),    # dot on the string
    0xF6: (False, True, False, True, False),   # first line, left end
    0xF7: (True, False, False, True, False),   # first line, right end
    0xFC: (True, True, False, True, False),    # first line, inner
    0xFA: (False, True, True, True, False),    # middle line, left end
    0xFB: (True, False, True, True, False),    # middle line, right end
    0xFE: (True, True, True, True, False),     # middle line, crossing
    0xF8: (False, True, True, False, False),   # last line, left end
    0xF9: (True, False, True, False, False),   # last line, right end
    0xFD: (True, True, True, False, False),    # last line, inner
}

# Windows-1252 characters outside Latin-1 (0x80..0x9F), so that a document's
# every byte draws from this font and no line grows through font fallback.
CP1252_EXTRA = [0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
                0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C,
                0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A,
                0x0153, 0x017E, 0x0178]


def dedupe(points):
    """Drops repeated and collinear points of a closed rectilinear outline."""
    pts = []
    for p in points:
        if not pts or pts[-1] != p:
            pts.append(p)
    while len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    changed = True
    while changed:
        changed = False
        for i in range(len(pts)):
            a, b, c = pts[i - 1], pts[i], pts[(i + 1) % len(pts)]
            if (a[0] == b[0] == c[0]) or (a[1] == b[1] == c[1]):
                del pts[i]
                changed = True
                break
    return pts


def piece_glyph(advance, ascent, descent, left, right, up, down, dot):
    s0 = STRING_Y - STROKE // 2
    s1 = s0 + STROKE
    b0 = (advance - STROKE) // 2
    b1 = b0 + STROKE
    hx0 = -OVERSHOOT_X if left else b0
    hx1 = advance + OVERSHOOT_X if right else b1
    vy0 = -descent - OVERSHOOT_Y if down else s0
    vy1 = ascent + OVERSHOOT_Y if up else s1
    # One clockwise outline for the union of the string and the bar (a cross
    # whose arms may have zero length), so no contours overlap.
    outline = dedupe([(b0, vy1), (b1, vy1), (b1, s1), (hx1, s1), (hx1, s0),
                      (b1, s0), (b1, vy0), (b0, vy0), (b0, s0), (hx0, s0),
                      (hx0, s1), (b0, s1)])
    pen = TTGlyphPen(None)
    pen.moveTo(outline[0])
    for p in outline[1:]:
        pen.lineTo(p)
    pen.closePath()
    if dot:
        # A circle drawn with quadratic curves only: the implied on-curve
        # points between these off-curve points lie exactly on the circle.
        n = 8
        r = DOT_RADIUS / math.cos(math.pi / n)
        cx, cy = advance / 2, STRING_Y
        ctrl = [(round(cx + r * math.cos(-2 * math.pi * k / n)),
                 round(cy + r * math.sin(-2 * math.pi * k / n))) for k in range(n)]
        pen.qCurveTo(*ctrl, None)
        pen.closePath()
    return pen.glyph()


def set_name(name_table, name_id, text):
    name_table.setName(text, name_id, 1, 0, 0)
    name_table.setName(text, name_id, 3, 1, 0x409)


def build(source, output):
    font = TTFont(source)
    advance = font["hmtx"]["zero"][0]
    ascent = font["hhea"].ascent
    descent = -font["hhea"].descent

    # New glyphs for the pieces, so the accented letters they replace drop out
    # of the subset instead of lingering as unreachable glyphs.
    order = list(font.getGlyphOrder())
    glyf = font["glyf"]
    names = {}
    for code, shape in sorted(PIECES.items()):
        name = "kvn.%02X" % code
        glyph = piece_glyph(advance, ascent, descent, *shape)
        glyph.recalcBounds(glyf)
        glyf.glyphs[name] = glyph
        font["hmtx"][name] = (advance, glyph.xMin)
        order.append(name)
        names[code] = name
    font.setGlyphOrder(order)
    glyf.glyphOrder = order
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(names)

    options = subset.Options()
    options.hinting = False
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = True
    options.layout_features = []
    options.drop_tables += ["GSUB", "GPOS", "GDEF", "FFTM"]
    subsetter = subset.Subsetter(options)
    unicodes = list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)) + CP1252_EXTRA
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)

    # Monospaced in every table a font matcher may look at.
    hmtx = font["hmtx"]
    for name in font.getGlyphOrder():
        width, lsb = hmtx[name]
        hmtx[name] = (advance, lsb)
    font["hhea"].advanceWidthMax = advance
    font["post"].isFixedPitch = 1
    os2 = font["OS/2"]
    os2.xAvgCharWidth = advance
    os2.panose.bProportion = 9

    # One line box for every renderer: no line gap, and typographic metrics
    # equal to the Windows and hhea ones, marked as the ones to use.
    font["hhea"].lineGap = 0
    if os2.version < 4:
        os2.version = 4
        os2.sxHeight = font["glyf"]["x"].yMax
        os2.sCapHeight = font["glyf"]["H"].yMax
        os2.usDefaultChar = 0
        os2.usBreakChar = 0x20
        os2.usMaxContext = 0
    os2.usWinAscent = ascent
    os2.usWinDescent = descent
    os2.sTypoAscender = ascent
    os2.sTypoDescender = -descent
    os2.sTypoLineGap = 0
    os2.fsSelection |= 1 << 7          # USE_TYPO_METRICS
    os2.fsSelection &= ~(1 << 8)       # WWS: not claimed

    # The renamed derivative keeps DejaVu's copyright (0) and licence (13, 14).
    name = font["name"]
    name.names = [n for n in name.names if n.nameID not in (16, 17, 18, 21, 22)]
    set_name(name, 1, FAMILY)
    set_name(name, 2, "Regular")
    set_name(name, 3, "%s Regular %s" % (FAMILY, VERSION))
    set_name(name, 4, FAMILY)
    set_name(name, 5, VERSION)
    set_name(name, 6, FAMILY)
    font["head"].fontRevision = 1.0
    font["gasp"].gaspRange = {0xFFFF: 0x000A}  # smooth, no grid-fitting

    font.save(output)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", required=True, help="DejaVuSansMono.ttf")
    parser.add_argument("--output", required=True, help="Korvane.ttf to write")
    args = parser.parse_args()
    if not os.path.isfile(args.source):
        sys.exit("make_font.py: DejaVu Sans Mono not found at %s; "
                 "install Debian's fonts-dejavu-core (scripts/setup.sh)" % args.source)
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    # Write beside the target and rename, so an interrupted build never
    # leaves a half-written font that looks up to date.
    partial = args.output + ".part"
    build(args.source, partial)
    os.replace(partial, args.output)


if __name__ == "__main__":
    main()
