#include "name_image.h"

#include <algorithm>
#include <cmath>

#include "colour_bitmap.h"
#include "glyph_geometry.h"
#include "image_scaling.h"
#include "text_error.h"

namespace {

constexpr FT_Pos kSubpixels = 64;

FT_Pos roundToPixel(FT_Pos subpixels) { return (subpixels + kSubpixels / 2) / kSubpixels; }

// Premultiplied `from` over premultiplied `to`, with `from`'s top-left at (x, y).
void paintOver(const PremultipliedImage& from, int x, int y, PremultipliedImage& to) {
    for (int row = 0; row < from.height; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= to.height) continue;
        for (int column = 0; column < from.width; ++column) {
            const int tx = x + column;
            if (tx < 0 || tx >= to.width) continue;
            const auto* source = &from.rgba[(static_cast<std::size_t>(row) * from.width + column) * 4];
            auto* target = &to.rgba[(static_cast<std::size_t>(ty) * to.width + tx) * 4];
            const unsigned keep = 255u - source[3];
            for (int c = 0; c < 4; ++c) {
                target[c] = static_cast<std::uint8_t>(source[c] + (target[c] * keep + 127) / 255);
            }
        }
    }
}

// Draws one glyph into the canvas, its origin at (x, y) in 26.6 pixels from the canvas's
// top-left, y down.
void drawGlyph(const TextFonts& fonts, const PlacedGlyph& glyph, FT_Pos x, FT_Pos y,
               PremultipliedImage& bitmap, PremultipliedImage& scaled, PremultipliedImage& canvas) {
    const TextFont& font = fonts.at(glyph.font);
    FT_Int32 flags = FT_LOAD_NO_HINTING;
    if (font.colour) flags |= FT_LOAD_COLOR;
    if (FT_Load_Glyph(font.face, glyph.glyph, flags) != 0) {
        throw TextError("FreeType cannot load glyph " + std::to_string(glyph.glyph));
    }
    FT_GlyphSlot slot = font.face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        throw TextError("FreeType cannot draw glyph " + std::to_string(glyph.glyph));
    }
    if (slot->bitmap.width == 0 || slot->bitmap.rows == 0) return;
    toPremultiplied(fonts.library(), slot->bitmap, bitmap);
    const int left = static_cast<int>(roundToPixel(x));
    const int top = static_cast<int>(roundToPixel(y));
    if (font.scalable) {
        paintOver(bitmap, left + slot->bitmap_left, top - slot->bitmap_top, canvas);
        return;
    }
    const double scale = font.bitmapScale;
    const int width = std::max(1, static_cast<int>(std::lround(bitmap.width * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(bitmap.height * scale)));
    scaleImage(bitmap, width, height, scaled);
    paintOver(scaled, left + static_cast<int>(std::lround(slot->bitmap_left * scale)),
              top - static_cast<int>(std::lround(slot->bitmap_top * scale)), canvas);
}

}  // namespace

NameMetrics nameMetrics(const TextFonts& fonts, int height) {
    using namespace glyph_geometry;
    FT_Face face = fonts.at(0).face;
    const double perEm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    const double line = static_cast<double>(face->ascender) - face->descender;
    // A glyph file's em is at most a wide image's width; scaled to this height.
    int pixelsPerEm = std::max(
        1, static_cast<int>(std::lround(static_cast<double>(height) * kWideImageWidth / kImageHeight)));
    if (line > 0)
        pixelsPerEm = std::clamp(static_cast<int>(std::floor(height * perEm / line)), 1, pixelsPerEm);
    const double scale = pixelsPerEm / perEm;
    const double topGap = (height - line * scale) / 2;
    return {pixelsPerEm, static_cast<int>(std::lround(topGap + face->ascender * scale))};
}

NameImage setName(TextFonts& fonts, std::string_view name, int height) {
    return setName(fonts, name, height, kMaxNameWidthInHeights * height, CutMark::none);
}

NameImage setName(TextFonts& fonts, std::string_view name, int height, int maxWidth, CutMark mark) {
    const auto metrics = nameMetrics(fonts, height);
    fonts.setSize(metrics.pixelsPerEm);
    NameImage out;
    const int width = std::clamp(maxWidth, 0, kMaxNameWidthInHeights * height);
    out.layout = layoutName(fonts, name, static_cast<FT_Pos>(width) * kSubpixels, mark);
    PremultipliedImage canvas;
    canvas.width = static_cast<int>((out.layout.width + kSubpixels - 1) / kSubpixels);
    canvas.height = height;
    canvas.rgba.assign(static_cast<std::size_t>(canvas.width) * canvas.height * 4, 0);
    PremultipliedImage bitmap;
    PremultipliedImage scaled;
    for (const auto& glyph : out.layout.glyphs) {
        drawGlyph(fonts, glyph, glyph.x, static_cast<FT_Pos>(metrics.baseline) * kSubpixels - glyph.y, bitmap,
                  scaled, canvas);
    }
    out.image.width = canvas.width;
    out.image.height = canvas.height;
    out.image.rgba.assign(canvas.rgba.size(), 0);
    blitStraight(canvas, 0, 0, out.image);
    return out;
}
