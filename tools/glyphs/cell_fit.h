#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdint>
#include <vector>

#include "rgba_image.h"

// Where a glyph goes in its cell, sideways: squeezed by `squeeze` (16.16) when its ink is
// wider than the cell, then moved by `shift` subpixels.
struct CellFit {
    FT_Fixed squeeze = 0x10000;
    FT_Pos shift = 0;
};

// Centred on its advance when the ink (`box`, of every layer of the glyph) fits in a cell
// `cell` subpixels wide, else shifted or squeezed until it does, a pixel clear of each edge
// so that neighbouring glyphs never touch.
CellFit fitIntoCell(const FT_BBox& box, FT_Pos advance, FT_Pos cell);

// Moves the outline into the image: fitted sideways, on the baseline `baseline` pixels from
// the image's top.
void placeInImage(FT_Outline& outline, const CellFit& fit, int baseline, const pngfile::RgbaImage& image);

// The outline's anti-aliased coverage over the image, one byte a pixel, row by row from the
// top. Returns false when FreeType fails.
bool renderCoverage(FT_Library library, FT_Outline& outline, const pngfile::RgbaImage& image,
                    std::vector<std::uint8_t>& coverage);
