# SPDX-License-Identifier: MIT
"""Cuts Noto Sans CJK JP down to the characters the game shows, in its regular and bold weights.

Usage: cut_font.py TEXT-FILE FONT-DIR OUTPUT-DIR FORMAT...
FORMAT is woff2 (for the page) or otf (for the Windows build, whose toolkit loads OpenType).
Writes gothic-400.FORMAT and gothic-700.FORMAT, and LICENSE-gothic.txt with the font's
copyright and the SIL Open Font License, taken from Debian's package of the font.
"""
import os
import sys

from fontTools import subset
from fontTools.pens.boundsPen import BoundsPen

JAPANESE = 0  # the collection's first font is the Japanese one
COPYRIGHT = "/usr/share/doc/fonts-noto-cjk/copyright"


def licence():
    """The copyright of the font files and the full licence text, from Debian's copyright file."""
    lines = open(COPYRIGHT, encoding="utf-8").read().split("\n")
    start = lines.index("License: SIL-1.1", lines.index("Files: *") + 3)
    text = []
    for line in lines[start + 1:]:
        if not line.startswith(" "):
            break
        text.append("" if line == " ." else line[1:])
    header = ["Noto Sans CJK JP, cut down to the characters Sumdrop shows.",
              "Copyright 2010-2012 Google Corporation, under the SIL Open Font License 1.1:", ""]
    return "\n".join(header + text) + "\n"


def tighten_line(font):
    """The line of the ideographic em box (0.88 em up, 0.12 down), widened only as far as the ink
    of the characters kept needs, instead of the font's roomier one (1.16 and 0.29): Windows lays
    text out by the latter, which would push the digits out of the bottom of their small boxes."""
    os2, hhea = font["OS/2"], font["hhea"]
    glyphs = font.getGlyphSet()
    low, high = 0, 0
    for name in font.getGlyphOrder():
        bounds = BoundsPen(glyphs)
        glyphs[name].draw(bounds)
        if bounds.bounds:
            low, high = min(low, bounds.bounds[1]), max(high, bounds.bounds[3])
    ascent, descent = max(os2.sTypoAscender, high), max(-os2.sTypoDescender, -low)
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0


def main():
    text_file, font_dir, out_dir, formats = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    os.makedirs(out_dir, exist_ok=True)
    for weight, name in ((400, "Regular"), (700, "Bold")):
        for flavor in formats:
            options = subset.Options()
            options.font_number = JAPANESE
            options.flavor = None if flavor == "otf" else flavor
            options.hinting = False
            options.desubroutinize = True
            # No OpenType layout features: the captions need none, and they are half the size.
            options.layout_features = []
            font = subset.load_font(os.path.join(font_dir, f"NotoSansCJK-{name}.ttc"), options)
            cutter = subset.Subsetter(options)
            cutter.populate(text=open(text_file, encoding="utf-8").read())
            cutter.subset(font)
            if flavor == "otf":
                tighten_line(font)
            subset.save_font(font, os.path.join(out_dir, f"gothic-{weight}.{flavor}"), options)
    with open(os.path.join(out_dir, "LICENSE-gothic.txt"), "w", encoding="utf-8") as out:
        out.write(licence())


main()
