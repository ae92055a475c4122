#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <span>

#include "strike_choice.h"

// Where a glyph from a bitmap font (a colour emoji font) goes in a glyph image. Such a font
// has its glyphs in a few fixed sizes, strikes; one is picked and its bitmaps are scaled so
// that the strike's line, ascender to descender, fills the main font's em square, the box
// an ideograph or a kana fills. An emoji then stands as tall as a kana beside it, on the
// same baseline.

// The main font's em square in the image: `top` is its top row, `size` its height.
struct EmSquare {
    double top;
    double size;
};

// A bitmap glyph as the strike gives it, in the strike's pixels: its bitmap's size and its
// offset from the glyph origin (left to the right, top up from the baseline), and the
// strike's line above and below the baseline.
struct StrikeGlyph {
    int width;
    int rows;
    int left;
    int top;
    double advance;
    double ascender;
    double descender;  // negative below the baseline
};

// Where the scaled bitmap lands in the image, in whole pixels.
struct PixelRect {
    int x;
    int y;
    int width;
    int height;

    bool operator==(const PixelRect&) const = default;
};

// Where the bitmap goes, and whether it was moved or shrunk to keep its ink off the cell's
// top and bottom rows (shrinking an emoji to the cell's width is how every emoji is sized,
// not a fitting).
struct BitmapPlacement {
    PixelRect rect;
    bool fitted;
};

// The bitmap in a cell `cellWidth` by `cellHeight` pixels: its line filling `em`, centred on
// its advance, and shrunk evenly about its middle when wider than the cell less a pixel each
// side, so that neighbours never touch and nothing is squeezed out of shape. A bitmap that
// would reach a pixel of the cell's top or bottom is moved down or up, and shrunk evenly only
// when it is taller than the cell less those pixels.
BitmapPlacement placeBitmap(const StrikeGlyph& glyph, EmSquare em, int cellWidth, int cellHeight);
