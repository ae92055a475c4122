#include "raster_metrics.h"

#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <span>

#include "bitmap_placement.h"
#include "freetype_units.h"
#include "glyph_geometry.h"
#include "tool_error.h"

namespace {

// A face's vertical measures in one unit: font units for an outline font, the strike's
// pixels for a bitmap font.
struct VerticalUnits {
    double perEm;
    double ascender;
    double descender;  // negative below the baseline
};

VerticalUnits verticalUnits(FT_Face face) {
    if (FT_IS_SCALABLE(face)) {
        return {static_cast<double>(face->units_per_EM), static_cast<double>(face->ascender),
                static_cast<double>(face->descender)};
    }
    if (face->num_fixed_sizes > 0) {
        const std::span strikes(face->available_sizes, static_cast<std::size_t>(face->num_fixed_sizes));
        if (FT_Select_Size(face, static_cast<FT_Int>(pickStrike(strikes, INT_MAX))) == 0) {
            const auto& size = face->size->metrics;
            return {static_cast<double>(size.y_ppem), toPixels(size.ascender), toPixels(size.descender)};
        }
    }
    throw ToolError("the font has neither outlines nor bitmaps that can be sized");
}

// How much of the em square lies above the baseline.
double emAboveBaseline(FT_Face face, const VerticalUnits& units) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->sTypoAscender - os2->sTypoDescender > 0) {
        return static_cast<double>(os2->sTypoAscender) / (os2->sTypoAscender - os2->sTypoDescender);
    }
    const double line = units.ascender - units.descender;
    return line > 0 ? units.ascender / line : 1;
}

}  // namespace

RasterMetrics rasterMetrics(FT_Face face) {
    using namespace glyph_geometry;
    const auto units = verticalUnits(face);
    const double lineUnits = units.ascender - units.descender;
    int pixelsPerEm = kWideImageWidth;
    if (lineUnits > 0) {
        pixelsPerEm =
            std::min(pixelsPerEm, static_cast<int>(std::floor(kImageHeight * units.perEm / lineUnits)));
    }
    const double scale = pixelsPerEm / units.perEm;
    const double topGap = (kImageHeight - lineUnits * scale) / 2;
    const int baseline = static_cast<int>(std::lround(topGap + units.ascender * scale));
    const int emTop = baseline - static_cast<int>(std::lround(pixelsPerEm * emAboveBaseline(face, units)));
    return {pixelsPerEm, baseline, emTop};
}
