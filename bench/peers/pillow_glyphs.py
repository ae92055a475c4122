#!/usr/bin/env python3
"""The script a player would write instead of veltrona-glyphs: every character of ASCII,
hiragana, katakana and the JIS X 0208 kanji drawn white on a transparent RGBA image of the
glyph tool's cell size, one PNG file each, saved with Pillow's defaults.

Usage: pillow_glyphs.py FONT OUTPUT_FOLDER SIZE BASELINE NARROW_WIDTH WIDE_WIDTH HEIGHT
"""
import os
import sys
import unicodedata

from PIL import Image, ImageDraw, ImageFont

RANGES = [
    (0x20, 0x7E),      # ASCII
    (0x3041, 0x309F),  # hiragana
    (0x30A0, 0x30FF),  # katakana
    (0x31F0, 0x31FF),  # katakana phonetic extensions
    (0xFF61, 0xFF9F),  # half-width katakana
]
JIS_ROWS = range(16, 85)  # levels 1 and 2
JIS_CELLS = range(1, 95)
EUC_OFFSET = 0xA0
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def characters():
    for first, last in RANGES:
        for code in range(first, last + 1):
            if unicodedata.category(chr(code)) != "Cn":
                yield chr(code)
    for row in JIS_ROWS:
        for cell in JIS_CELLS:
            try:
                yield bytes([EUC_OFFSET + row, EUC_OFFSET + cell]).decode("euc_jp")
            except UnicodeDecodeError:
                continue


def main():
    font_path, folder = sys.argv[1], sys.argv[2]
    size, baseline, narrow, wide, height = (int(word) for word in sys.argv[3:8])
    font = ImageFont.truetype(font_path, size)
    os.makedirs(folder, exist_ok=True)
    for char in characters():
        width = narrow if ord(char) < 0x80 else wide
        image = Image.new("RGBA", (width, height), CLEAR)
        x = (width - font.getlength(char)) / 2
        ImageDraw.Draw(image).text((x, baseline), char, font=font, fill=WHITE, anchor="ls")
        image.save(os.path.join(folder, f"{ord(char):04x}.png"))


if __name__ == "__main__":
    main()
