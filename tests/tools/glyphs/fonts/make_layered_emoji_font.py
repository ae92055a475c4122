#!/usr/bin/python3
"""Writes LayeredEmoji.ttf, the tests' small colour font in layers (COLR version 0), as
Segoe UI Emoji is: U+1F600 is a red square under a blue square under a bar in the text's
own colour, and U+41 'A' a plain white square with no layers. Made with Debian's
python3-fonttools; run it again rather than editing the font."""
import pathlib

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS_PER_EM = 1000
ASCENT, DESCENT = 800, -200
ADVANCE = 1000
FOREGROUND = 0xFFFF  # the palette index that means the text's colour


def box(x0, y0, x1, y1):
    pen = TTGlyphPen(None)
    pen.moveTo((x0, y0))
    pen.lineTo((x0, y1))
    pen.lineTo((x1, y1))
    pen.lineTo((x1, y0))
    pen.closePath()
    return pen.glyph()


def main():
    glyphs = {
        ".notdef": box(100, 0, 500, 700),
        "A": box(100, 0, 900, 700),
        "face": box(100, -100, 900, 700),  # what a reader without colour sees
        "red": box(100, -100, 900, 700),
        "blue": box(300, 100, 700, 500),
        "bar": box(450, 250, 550, 350),
    }
    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(list(glyphs))
    builder.setupCharacterMap({0x41: "A", 0x1F600: "face"})
    builder.setupGlyf(glyphs)
    builder.setupHorizontalMetrics({name: (ADVANCE, glyph.xMin) for name, glyph in glyphs.items()})
    builder.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT)
    builder.setupNameTable({"familyName": "Veltrona Layered Test", "styleName": "Regular"})
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=DESCENT, usWinAscent=ASCENT, usWinDescent=-DESCENT)
    builder.setupPost()
    builder.setupCPAL([[(1.0, 0.0, 0.0, 1.0), (0.0, 0.0, 1.0, 1.0)]])
    builder.setupCOLR({"face": [("red", 0), ("blue", 1), ("bar", FOREGROUND)]}, version=0)
    builder.save(str(pathlib.Path(__file__).with_name("LayeredEmoji.ttf")))


if __name__ == "__main__":
    main()
