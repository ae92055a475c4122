#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

#include "rgba_image.h"

// RGBA with every colour already multiplied by its alpha, rows top to bottom, no padding.
// Scaling works on these: averaging straight colours would let the invisible colour of
// transparent pixels bleed into a glyph's edge.
struct PremultipliedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// A glyph bitmap as premultiplied RGBA: FreeType's colour bitmaps are premultiplied BGRA,
// and grey or monochrome ones become white ink whose alpha is their coverage. Throws
// TextError for any other pixel mode.
void toPremultiplied(FT_Library library, const FT_Bitmap& bitmap, PremultipliedImage& out);

// Premultiplied RGBA to straight, in place.
void toStraight(std::vector<std::uint8_t>& rgba);

// Copies `from` into `to` at (x, y) as straight RGBA, clipped to `to`.
void blitStraight(const PremultipliedImage& from, int x, int y, pngfile::RgbaImage& to);
