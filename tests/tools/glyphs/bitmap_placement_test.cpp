#include "bitmap_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

// ---- Which strike a bitmap font is drawn from.

struct StrikeCase {
    const char* label;
    std::vector<FT_Short> heights;
    int pixels;
    std::size_t picked;

    friend void PrintTo(const StrikeCase& c, std::ostream* os) { *os << c.label; }
};

class StrikeChoice : public testing::TestWithParam<StrikeCase> {};

TEST_P(StrikeChoice, IsTheSmallestTallEnoughElseTheTallest) {
    const auto& c = GetParam();
    std::vector<FT_Bitmap_Size> strikes;
    for (auto height : c.heights) strikes.push_back({height, height, height * 64, height * 64, height * 64});
    EXPECT_EQ(pickStrike(strikes, c.pixels), c.picked);
}

INSTANTIATE_TEST_SUITE_P(Strikes, StrikeChoice,
                         testing::Values(StrikeCase{"one_strike_smaller_than_wanted", {20}, 78, 0},
                                         StrikeCase{"one_strike_larger_than_wanted", {128}, 78, 0},
                                         StrikeCase{"smallest_above", {20, 160, 40, 128}, 78, 3},
                                         StrikeCase{"exact_size", {20, 78, 128}, 78, 1},
                                         StrikeCase{"all_too_small_takes_tallest", {20, 64, 40}, 78, 1}));

// ---- Where the scaled bitmap lands in an image: the em square 78 pixels high with its top
// at row 22, as Noto Sans CJK's sits in a 114-pixel image.

constexpr EmSquare kEm{22, 78};
constexpr int kWideCell = 84;
constexpr int kNarrowCell = 64;
constexpr int kCellHeight = 114;

// Noto Color Emoji's strike: every glyph a 136 × 128 bitmap that fills the line.
constexpr StrikeGlyph kFullEmoji{136, 128, 0, 101, 136, 101, -27};

struct PlacementCase {
    const char* label;
    StrikeGlyph glyph;
    int cell;
    PixelRect expected;
    bool fitted = false;

    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }
};

class BitmapPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(BitmapPlacement, FitsTheEmSquareAndTheCell) {
    const auto& c = GetParam();
    const auto placed = placeBitmap(c.glyph, kEm, c.cell, kCellHeight);
    EXPECT_EQ(placed.rect, c.expected);
    EXPECT_EQ(placed.fitted, c.fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Glyphs, BitmapPlacement,
    testing::Values(
        // Scaled to fill the em square it would be 83 wide: shrunk evenly to the 82 pixels
        // between the margins, and kept centred on the em square's middle row (61).
        PlacementCase{"emoji_shrunk_to_the_cell", kFullEmoji, kWideCell, {1, 22, 82, 77}},
        PlacementCase{"emoji_in_a_narrow_cell", kFullEmoji, kNarrowCell, {1, 32, 62, 58}},
        // A bitmap cropped to its ink keeps its place on the line: 41 strike pixels below
        // the line's top, 48 right of the origin.
        PlacementCase{
            "cropped_bitmap_stays_in_place", {40, 40, 48, 60, 136, 101, -27}, kWideCell, {30, 47, 24, 24}},
        // A glyph in a strike whose line is half as tall comes out the same size.
        PlacementCase{"smaller_strike_same_size", {68, 64, 0, 50, 68, 50, -14}, kWideCell, {1, 22, 82, 77}},
        // Ink left of the origin is moved right, inside the margin.
        PlacementCase{
            "ink_left_of_origin_kept_inside", {40, 40, -60, 60, 136, 101, -27}, kWideCell, {1, 47, 24, 24}},
        // Hanging far below the line, it would pass the cell's bottom at row 120: moved up
        // to end a pixel above it.
        PlacementCase{
            "hanging_below_moved_up", {40, 40, 48, -20, 136, 101, -27}, kWideCell, {30, 89, 24, 24}, true},
        // Taller than the cell less a pixel each side: shrunk evenly about its middle
        // column to 112 rows and moved down into the cell.
        PlacementCase{"taller_than_the_cell_shrunk",
                      {40, 240, 48, 200, 136, 101, -27},
                      kWideCell,
                      {33, 1, 19, 112},
                      true}));

}  // namespace
