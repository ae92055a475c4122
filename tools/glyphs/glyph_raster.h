#pragma once

#include <cstdint>
#include <vector>

#include "code_point.h"
#include "font_stack.h"
#include "rgba_image.h"

using GlyphImage = pngfile::RgbaImage;

// Where the font sits in every image: its size in pixels per em, and the baseline's
// distance from the image's top.
struct RasterMetrics {
    int pixelsPerEm;
    int baseline;
};

// The largest size at which a full-width glyph fits a wide image and the font's whole
// line, ascender to descender, fits the image height; the line centred vertically.
RasterMetrics rasterMetrics(FT_Face face);

// Renders white glyphs with anti-aliased alpha on a transparent background. One per
// thread: it owns its FreeType faces and reuses its buffers from glyph to glyph. Fallback
// fonts are drawn at the main font's size and on its baseline, so that a row mixing them
// still lines up.
class GlyphRasterizer {
public:
    explicit GlyphRasterizer(const std::vector<FontSource>& sources);

    // The image stays valid until the next call. The glyph is centred on its advance in a
    // narrow or wide image, and squeezed sideways when its ink is wider than the image.
    const GlyphImage& render(CodePoint cp, bool wide, std::size_t font = 0);

    const RasterMetrics& metrics() const { return layout; }

private:
    FontStack fonts;
    RasterMetrics layout;
    std::vector<std::uint8_t> coverage;
    GlyphImage image;
};
