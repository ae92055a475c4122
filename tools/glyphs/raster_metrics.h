#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

// Where the main font sits in every image: its size in pixels per em, the baseline's
// distance from the image's top, and the top of its em square, the box a bitmap glyph
// (an emoji) is fitted into.
struct RasterMetrics {
    int pixelsPerEm;
    int baseline;
    int emTop;
};

// The largest size at which a full-width glyph fits a wide image and the font's whole
// line, ascender to descender, fits the image height; the line centred vertically. The em
// square sits on the baseline as the font's typographic ascender and descender divide it
// (for a CJK font, the ideographic em box). A bitmap-only font is measured by its tallest
// strike, which this selects. Throws ToolError for a face with neither outlines nor strikes.
RasterMetrics rasterMetrics(FT_Face face);
