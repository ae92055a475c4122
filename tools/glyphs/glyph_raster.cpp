#include "glyph_raster.h"

#include <algorithm>
#include <span>

#include "bitmap_placement.h"
#include "default_set.h"
#include "glyph_geometry.h"
#include "layered_glyph.h"
#include "outline_glyph.h"
#include "tool_error.h"

namespace {

constexpr std::uint8_t kWhite = 255;

bool sizeFont(const FontFace& font, int pixelsPerEm) {
    FT_Face face = font.face();
    if (font.scalable()) return FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelsPerEm)) == 0;
    if (face->num_fixed_sizes <= 0) return false;
    const std::span strikes(face->available_sizes, static_cast<std::size_t>(face->num_fixed_sizes));
    return FT_Select_Size(face, static_cast<FT_Int>(pickStrike(strikes, pixelsPerEm))) == 0;
}

}  // namespace

GlyphRasterizer::GlyphRasterizer(const std::vector<FontSource>& sources)
    : fonts(sources), layout(rasterMetrics(fonts.main().face())) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (!sizeFont(fonts.at(i), layout.pixelsPerEm)) {
            throw ToolError("font '" + sources[i].path.string() + "' cannot be drawn at " +
                            std::to_string(layout.pixelsPerEm) + " pixels");
        }
    }
}

const GlyphImage& GlyphRasterizer::render(CodePoint cp, bool wide, std::size_t fontIndex) {
    image.width = glyph_geometry::imageWidth(wide);
    image.height = glyph_geometry::kImageHeight;
    image.rgba.assign(static_cast<std::size_t>(image.width) * image.height * 4, 0);
    // Blank in every font, though a font may lack it: a clear cell, as an outline without
    // ink gives.
    if (isBlankCharacter(cp)) {
        for (std::size_t i = 0; i < image.rgba.size(); i += 4) std::fill_n(image.rgba.begin() + i, 3, kWhite);
        return image;
    }
    const FontFace& font = fonts.at(fontIndex);
    if (!font.scalable()) {
        lastFitted = drawBitmapGlyph(font, cp, layout, bitmaps, image);
        return image;
    }
    const auto layered = font.colour() ? drawLayeredGlyph(font, cp, layout, coverage, image) : std::nullopt;
    lastFitted = layered ? *layered : drawOutlineGlyph(font, cp, layout, coverage, image);
    return image;
}
