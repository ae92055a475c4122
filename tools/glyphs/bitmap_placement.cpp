#include "bitmap_placement.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSideMargin = 1;  // as outline glyphs have

}  // namespace

PixelRect placeBitmap(const StrikeGlyph& glyph, EmSquare em, int cellWidth) {
    const double line = glyph.ascender - glyph.descender;
    double scale = line > 0 ? em.size / line : 1;
    double left = (cellWidth - glyph.advance * scale) / 2 + glyph.left * scale;
    double top = em.top + (glyph.ascender - glyph.top) * scale;
    double width = glyph.width * scale;
    double height = glyph.rows * scale;

    const double room = cellWidth - 2 * kSideMargin;
    if (width > room) {
        const double shrink = room / width;
        top += height * (1 - shrink) / 2;
        width = room;
        height *= shrink;
        left = kSideMargin;
    }
    left = std::clamp(left, kSideMargin, cellWidth - kSideMargin - width);
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
            std::max(1, static_cast<int>(std::lround(width))),
            std::max(1, static_cast<int>(std::lround(height)))};
}
