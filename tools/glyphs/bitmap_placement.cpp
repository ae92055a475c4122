#include "bitmap_placement.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 1;  // as outline glyphs have

}  // namespace

BitmapPlacement placeBitmap(const StrikeGlyph& glyph, EmSquare em, int cellWidth, int cellHeight) {
    const double line = glyph.ascender - glyph.descender;
    double scale = line > 0 ? em.size / line : 1;
    double left = (cellWidth - glyph.advance * scale) / 2 + glyph.left * scale;
    double top = em.top + (glyph.ascender - glyph.top) * scale;
    double width = glyph.width * scale;
    double height = glyph.rows * scale;

    const double room = cellWidth - 2 * kMargin;
    if (width > room) {
        const double shrink = room / width;
        top += height * (1 - shrink) / 2;
        width = room;
        height *= shrink;
        left = kMargin;
    }
    const double headroom = cellHeight - 2 * kMargin;
    const bool tooTall = height > headroom;
    if (tooTall) {
        const double shrink = headroom / height;
        left += width * (1 - shrink) / 2;
        width *= shrink;
        height = headroom;
    }
    const int w = std::max(1, static_cast<int>(std::lround(width)));
    const int h = std::max(1, static_cast<int>(std::lround(height)));
    const int x = std::clamp(static_cast<int>(std::lround(left)), kMargin, cellWidth - kMargin - w);
    const int wanted = static_cast<int>(std::lround(top));
    const int y = std::clamp(wanted, kMargin, cellHeight - kMargin - h);
    return {{x, y, w, h}, tooTall || y != wanted};
}
