#include "screenshot_scene.h"

#include <algorithm>
#include <cmath>

#include "glyph_file_width.h"
#include "glyph_geometry.h"
#include "layout.h"
#include "row_position.h"
#include "scaled_layout.h"

namespace hostrun {
namespace {

constexpr Colour kScreen = {14, 16, 22, 255};
// Team zero's block in blue, the other team's in orange, as the game colours its teams;
// rows alternate in shade so that each name can be seen to sit in its own row.
constexpr Colour kUpperBlock[] = {{30, 50, 92, 255}, {40, 64, 112, 255}};
constexpr Colour kLowerBlock[] = {{92, 52, 24, 255}, {112, 66, 32, 255}};
constexpr Colour kUpperEdge = {22, 36, 66, 255};
constexpr Colour kLowerEdge = {66, 38, 18, 255};
constexpr Colour kMissing = {255, 48, 48, 255};
constexpr int kMissingLine = 2;
// Drawn one pixel inside the glyph's cell, so that neighbouring boxes stay apart.
constexpr int kMissingInset = 1;

// A block's rows start this far left of the leftmost glyph (a name's first glyph when it
// is wide) and reach to the reference screen's right edge, where the names run out; its
// edge frames them by as much again. All in pixels of the reference screen.
constexpr int kBlockMargin = layout::kBlockMargin;
constexpr int kBlockLeft = layout::kNameStartX - layout::kNarrowToWidePull - 2 * kBlockMargin;

constexpr int kRowHeight = static_cast<int>(glyph_geometry::kImageHeight * layout::kDrawScale);
constexpr std::int64_t kLargestSide = std::int64_t{1} << 30;

std::int64_t scaled(int size, float scale) {
    const double value = static_cast<double>(size) * scale;
    if (!(value > 0)) return 0;  // also a scale that is not a number
    if (value >= static_cast<double>(kLargestSide)) return kLargestSide;
    return std::llround(value);
}

// Row i of a block of `rows` team-zero rows, and row j below the centre, exactly as the
// plugin places them for any team-zero row count.
std::int32_t upperRowY(int i, int rows, int height) { return layout::rowY(i, rows, height); }
std::int32_t lowerRowY(int j, int height) { return layout::rowY(j, 0, height); }

// How the plugin laid a frame out, to count its rows: the fixed layout on the real screen,
// or the scaled one, whose glyphs are drawn at another scale, on the reference screen.
struct DrawnLayout {
    bool scaled = false;
    layout::ScreenMapping map;
    int height = 0;  // of the screen the rows are laid out on

    // A drawn y back on the layout's screen. The mapping truncated it by up to a pixel of
    // the real screen: `highest` takes back the most it can have lost, so that the least and
    // the most it can have been each keep a row from growing its block by one too many.
    double layoutY(int drawnY, bool highest) const {
        if (!scaled || !(map.scale > 0)) return drawnY;
        constexpr double kTruncated = 0.999;
        const double real = drawnY + (highest ? kTruncated : 0.0);
        return layout::kReferenceHeight * layout::kCentreFactor + (real - map.halfHeight) / map.scale;
    }
};

DrawnLayout drawnLayout(const DrawnFrame& frame) {
    const bool scaled = std::any_of(frame.draws.begin(), frame.draws.end(),
                                    [](const GlyphDraw& draw) { return draw.scale != layout::kDrawScale; });
    return {scaled, layout::scaledMapping(frame.screen), scaled ? layout::kReferenceHeight : frame.screen.Y};
}

// The game's scoreboard: pixels of the reference screen mapped onto the real one.
struct GameLayout {
    layout::ScreenMapping map;

    std::int64_t x(int referenceX) const { return layout::scaledPosition(referenceX, 0, map).X; }
    std::int64_t y(int referenceY) const { return layout::scaledPosition(0, referenceY, map).Y; }
    std::int64_t size(int referenceSize) const { return std::llround(referenceSize * map.scale); }
};

void paintBlock(pngfile::RgbaImage& picture, const GameLayout& game, int rows, const Colour (&stripes)[2],
                Colour edge, const auto& rowY) {
    const std::int64_t left = game.x(kBlockLeft);
    const std::int64_t width = game.x(layout::kReferenceWidth) - left;
    const std::int64_t margin = game.size(kBlockMargin);
    const std::int64_t rowHeight = game.size(kRowHeight);
    const std::int64_t top = game.y(rowY(0));
    const std::int64_t bottom = game.y(rowY(rows - 1)) + rowHeight;
    fillRect(picture, {left, top - margin, width, bottom - top + 2 * margin}, edge);
    for (int row = 0; row < rows; ++row) {
        fillRect(picture, {left + margin, game.y(rowY(row)), width - 2 * margin, rowHeight},
                 stripes[row % 2]);
    }
}

}  // namespace

Rect drawnRect(Vector2 position, int width, int height, float scale) {
    return {position.X, position.Y, scaled(width, scale), scaled(height, scale)};
}

BlockRows blockRows(const DrawnFrame& frame) {
    BlockRows rows;
    const auto drawn = drawnLayout(frame);
    const int height = drawn.height;
    const double centre = height * layout::kCentreFactor;
    for (const auto& draw : frame.draws) {
        const double y = drawn.layoutY(draw.position.Y, false);
        if (y < centre) {
            const double highest = drawn.layoutY(draw.position.Y, true);
            // Grow upward until the top row reaches the glyph, or leaves the screen.
            while (upperRowY(0, rows.upper, height) > highest &&
                   upperRowY(0, rows.upper, height) + kRowHeight > 0) {
                ++rows.upper;
            }
        } else {
            while (lowerRowY(rows.lower - 1, height) < y && lowerRowY(rows.lower - 1, height) < height) {
                ++rows.lower;
            }
        }
    }
    return rows;
}

pngfile::RgbaImage scoreboardPicture(Vector2 screen, BlockRows rows) {
    auto picture = blankPicture(screen.X, screen.Y, kScreen);
    const GameLayout game{layout::scaledMapping(screen)};
    constexpr int height = layout::kReferenceHeight;
    paintBlock(picture, game, rows.upper, kUpperBlock, kUpperEdge,
               [&](int row) { return upperRowY(row, rows.upper, height); });
    paintBlock(picture, game, rows.lower, kLowerBlock, kLowerEdge,
               [&](int row) { return lowerRowY(row, height); });
    return picture;
}

void paintDraws(pngfile::RgbaImage& picture, const DrawnFrame& frame, GlyphImageCache& images) {
    for (const auto& draw : frame.draws) {
        if (const auto* image = images.find(draw.image)) {
            composite(picture, *image, drawnRect(draw.position, image->width, image->height, draw.scale),
                      draw.colour);
            continue;
        }
        const bool wide = !isNarrowGlyphFile(images.file(draw.image));
        auto cell = drawnRect(draw.position, glyph_geometry::imageWidth(wide), glyph_geometry::kImageHeight,
                              draw.scale);
        outlineRect(picture,
                    {cell.left + kMissingInset, cell.top + kMissingInset, cell.width - 2 * kMissingInset,
                     cell.height - 2 * kMissingInset},
                    kMissingLine, kMissing);
    }
}

}  // namespace hostrun
