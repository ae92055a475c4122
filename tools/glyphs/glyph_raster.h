#pragma once

#include <cstdint>
#include <vector>

#include "bitmap_glyph.h"
#include "code_point.h"
#include "font_stack.h"
#include "raster_metrics.h"
#include "rgba_image.h"

using GlyphImage = pngfile::RgbaImage;

// Renders glyph images: outline fonts as white anti-aliased ink, fonts of colour layers in
// their palette's colours, bitmap fonts (colour emoji) in their own colours, on a
// transparent background. One per thread: it owns its FreeType
// faces and reuses its buffers from glyph to glyph. Fallback fonts are drawn at the main
// font's size and on its baseline, so that a row mixing them still lines up.
class GlyphRasterizer {
public:
    // Sizes every font: outline fonts to the main font's size, bitmap fonts to the strike
    // nearest above it. Throws ToolError naming a font that cannot be sized.
    explicit GlyphRasterizer(const std::vector<FontSource>& sources);

    // The image stays valid until the next call. The glyph is centred on its advance in a
    // narrow or wide image, on the baseline, unless its ink would cross an edge there.
    const GlyphImage& render(CodePoint cp, bool wide, std::size_t font = 0);
    // Whether the last glyph rendered was moved or scaled to keep its ink inside the image.
    bool fitted() const { return lastFitted; }

    const RasterMetrics& metrics() const { return layout; }

private:
    FontStack fonts;
    RasterMetrics layout;
    std::vector<std::uint8_t> coverage;
    BitmapBuffers bitmaps;
    GlyphImage image;
    bool lastFitted = false;
};
