#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdint>
#include <vector>

#include "rgba_image.h"

// A glyph image's cell in subpixels: its size, and its baseline's distance from the top.
struct Cell {
    FT_Pos width;
    FT_Pos height;
    FT_Pos baseline;
};

Cell cellOf(const pngfile::RgbaImage& image, int baseline);

// Where a glyph goes in its cell: scaled evenly by `scale` (16.16) when its ink is taller
// than the cell, squeezed sideways by `squeeze` when it is then still wider, moved right by
// `shift` and up by `lift` subpixels.
struct CellFit {
    FT_Fixed scale = 0x10000;
    FT_Fixed squeeze = 0x10000;
    FT_Pos shift = 0;
    FT_Pos lift = 0;
    // Moved or scaled from where the font puts it (centred on its advance, on the
    // baseline, at the font's size) because its ink would cross an edge of the cell there.
    bool fitted = false;
};

// Centred on its advance and on the baseline when the ink (`ink`, the exact box of every
// layer of the glyph) fits in the cell, a pixel clear of each edge so that neighbouring
// glyphs never touch and no ink is cut. Else moved up or down and sideways until it does,
// keeping as near its place as it can; scaled down evenly about the baseline only when it is
// taller than the cell, squeezed sideways only when it is wider.
CellFit fitIntoCell(const FT_BBox& ink, FT_Pos advance, const Cell& cell);

// The outline's exact ink box, curves included.
FT_BBox inkBox(FT_Outline& outline);

// Moves the outline into the image's cell as `fit` says.
void placeInImage(FT_Outline& outline, const CellFit& fit, const Cell& cell);

// The outline's anti-aliased coverage over the image, one byte a pixel, row by row from the
// top. Returns false when FreeType fails.
bool renderCoverage(FT_Library library, FT_Outline& outline, const pngfile::RgbaImage& image,
                    std::vector<std::uint8_t>& coverage);
