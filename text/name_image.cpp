#include "name_image.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include FT_TRUETYPE_TABLES_H

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

// A glyph drawn on its own, and where its top-left sits from the pen's start on the
// baseline, y down.
struct InkedGlyph {
    PremultipliedImage bitmap;
    int left = 0;
    int top = 0;
};

// Draws one glyph whose origin is (x, y) in 26.6 pixels from the pen's start on the baseline,
// y down; false when it has no ink.
bool drawGlyph(const TextFonts& fonts, const PlacedGlyph& glyph, FT_Pos x, FT_Pos y,
               PremultipliedImage& bitmap, InkedGlyph& out) {
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
    if (slot->bitmap.width == 0 || slot->bitmap.rows == 0) return false;
    const int left = static_cast<int>(roundToPixel(x));
    const int top = static_cast<int>(roundToPixel(y));
    if (font.scalable) {
        toPremultiplied(fonts.library(), slot->bitmap, out.bitmap);
        out.left = left + slot->bitmap_left;
        out.top = top - slot->bitmap_top;
        return true;
    }
    toPremultiplied(fonts.library(), slot->bitmap, bitmap);
    const double scale = font.bitmapScale;
    const int width = std::max(1, static_cast<int>(std::lround(bitmap.width * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(bitmap.height * scale)));
    scaleImage(bitmap, width, height, out.bitmap);
    out.left = left + static_cast<int>(std::lround(slot->bitmap_left * scale));
    out.top = top - static_cast<int>(std::lround(slot->bitmap_top * scale));
    return true;
}

// A face's em and line in font units. A font of bitmaps only (colour emoji) leaves FreeType's
// own fields empty; its head and hhea tables still hold them.
struct VerticalUnits {
    double perEm = kFallbackUnitsPerEm;
    double ascender = 0;
    double descender = 0;  // negative below the baseline

    static constexpr double kFallbackUnitsPerEm = 1000;
};

VerticalUnits verticalUnits(FT_Face face) {
    if (face->units_per_EM > 0)
        return {static_cast<double>(face->units_per_EM), static_cast<double>(face->ascender),
                static_cast<double>(face->descender)};
    VerticalUnits units;
    if (const auto* head = static_cast<const TT_Header*>(FT_Get_Sfnt_Table(face, FT_SFNT_HEAD));
        head != nullptr && head->Units_Per_EM > 0) {
        units.perEm = head->Units_Per_EM;
    }
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        units.ascender = hhea->Ascender;
        units.descender = hhea->Descender;
    }
    return units;
}

// The main font's capital height in font units: from its OS/2 table, else its H, else a
// usual share of the em.
double capHeight(FT_Face face, const VerticalUnits& units) {
    constexpr double kUsualCapShare = 0.7;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version >= 2 && os2->sCapHeight > 0 && os2->sCapHeight <= units.perEm) {
        return os2->sCapHeight;
    }
    const FT_UInt h = FT_IS_SCALABLE(face) ? FT_Get_Char_Index(face, 'H') : 0;
    if (h != 0 && FT_Load_Glyph(face, h, FT_LOAD_NO_SCALE) == 0 && face->glyph->metrics.height > 0) {
        return static_cast<double>(face->glyph->metrics.height);
    }
    return kUsualCapShare * units.perEm;
}

}  // namespace

NameMetrics nameMetrics(const TextFonts& fonts, int height) {
    using namespace glyph_geometry;
    FT_Face face = fonts.at(0).face;
    const auto units = verticalUnits(face);
    const double perEm = units.perEm;
    const double line = units.ascender - units.descender;
    // A glyph file's em is at most a wide image's width; scaled to this height.
    int pixelsPerEm = std::max(
        1, static_cast<int>(std::lround(static_cast<double>(height) * kWideImageWidth / kImageHeight)));
    if (line > 0)
        pixelsPerEm = std::clamp(static_cast<int>(std::floor(height * perEm / line)), 1, pixelsPerEm);
    const double scale = pixelsPerEm / perEm;
    return {pixelsPerEm, static_cast<int>(std::lround((height + capHeight(face, units) * scale) / 2))};
}

NameImage setName(TextFonts& fonts, std::string_view name, int height) {
    return setName(fonts, name, height, kMaxNameWidthInHeights * height, CutMark::none);
}

NameImage setName(TextFonts& fonts, std::string_view name, int height, int maxWidth, CutMark mark) {
    const auto metrics = nameMetrics(fonts, height);
    fonts.setSize(metrics.pixelsPerEm);
    NameImage out;
    out.rowBaseline = metrics.baseline;
    const int width = std::clamp(maxWidth, 0, kMaxNameWidthInHeights * height);
    out.layout = layoutName(fonts, name, static_cast<FT_Pos>(width) * kSubpixels, mark);

    std::vector<InkedGlyph> inked(out.layout.glyphs.size());
    PremultipliedImage bitmap;
    std::size_t drawn = 0;
    for (const auto& glyph : out.layout.glyphs) {
        if (drawGlyph(fonts, glyph, glyph.x, -glyph.y, bitmap, inked[drawn])) ++drawn;
    }
    inked.resize(drawn);

    // A damaged font's advances can sum below zero: no room is taken then, not a negative one.
    const int advance =
        static_cast<int>((std::max<FT_Pos>(out.layout.width, 0) + kSubpixels - 1) / kSubpixels);
    const int reach = static_cast<int>(std::ceil(kInkReachEms * metrics.pixelsPerEm));
    // The row and the advance, grown to the ink within reach; relative to the pen's start on
    // the baseline, y down.
    int left = 0;
    int right = advance;
    int top = -metrics.baseline;
    int bottom = height - metrics.baseline;
    for (const auto& glyph : inked) {
        left = std::min(left, glyph.left);
        right = std::max(right, glyph.left + glyph.bitmap.width);
        top = std::min(top, glyph.top);
        bottom = std::max(bottom, glyph.top + glyph.bitmap.height);
    }
    left = std::max(left, -reach);
    right = std::min(right, advance + reach);
    top = std::max(top, -metrics.baseline - reach);
    bottom = std::min(bottom, height - metrics.baseline + reach);
    // Nothing to show: no ink and no room taken.
    if (inked.empty() && advance == 0) return out;

    PremultipliedImage canvas;
    canvas.width = right - left;
    canvas.height = bottom - top;
    canvas.rgba.assign(static_cast<std::size_t>(canvas.width) * canvas.height * 4, 0);
    for (const auto& glyph : inked) paintOver(glyph.bitmap, glyph.left - left, glyph.top - top, canvas);
    out.penX = -left;
    out.baseline = -top;
    toStraight(canvas.rgba);
    out.image.width = canvas.width;
    out.image.height = canvas.height;
    out.image.rgba = std::move(canvas.rgba);
    return out;
}
