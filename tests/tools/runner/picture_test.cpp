// Painting a screenshot: where an image lands at a position and scale, how it is tinted
// and blended, and that nothing is painted off the picture.

#include "picture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using hostrun::Colour;
using hostrun::Rect;
using pngfile::RgbaImage;

constexpr Colour kBlack = {0, 0, 0, 255};
constexpr Colour kWhite = {255, 255, 255, 255};

RgbaImage solid(int width, int height, Colour colour) { return hostrun::blankPicture(width, height, colour); }

Colour at(const RgbaImage& picture, int x, int y) {
    const auto* p = picture.rgba.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

// The smallest rectangle holding every pixel that is no longer black.
Rect paintedBox(const RgbaImage& picture) {
    int left = picture.width, top = picture.height, right = -1, bottom = -1;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (at(picture, x, y) == kBlack) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

std::string text(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

struct PlacementCase {
    std::string label;
    Rect target;
    Rect painted;  // on a 12 x 10 picture

    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }
};

class ImagePlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(ImagePlacement, CoversItsTargetClippedToThePicture) {
    const auto& c = GetParam();
    auto picture = solid(12, 10, kBlack);
    hostrun::composite(picture, solid(8, 6, kWhite), c.target, kWhite);
    EXPECT_EQ(text(paintedBox(picture)), text(c.painted));
    if (c.painted.width > 0) {
        EXPECT_EQ(at(picture, static_cast<int>(c.painted.left), static_cast<int>(c.painted.top)), kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ImagePlacement,
                         testing::Values(PlacementCase{"half_size", {3, 2, 4, 3}, {3, 2, 4, 3}},
                                         PlacementCase{"full_size", {1, 1, 8, 6}, {1, 1, 8, 6}},
                                         PlacementCase{"double_size", {0, 0, 16, 12}, {0, 0, 12, 10}},
                                         PlacementCase{"x_and_y_apart", {7, 1, 4, 3}, {7, 1, 4, 3}},
                                         PlacementCase{"off_the_top_left", {-2, -1, 4, 3}, {0, 0, 2, 2}},
                                         PlacementCase{"off_the_bottom_right", {10, 9, 4, 3}, {10, 9, 2, 1}},
                                         PlacementCase{"wholly_off", {12, 0, 4, 3}, {}},
                                         PlacementCase{"far_off", {-4000000000, 5, 4, 3}, {}},
                                         PlacementCase{"no_size", {3, 3, 0, 3}, {}}),
                         [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.label; });

TEST(ImageColour, IsTheImageTimesTheTint) {
    auto picture = solid(4, 4, kBlack);
    hostrun::composite(picture, solid(2, 2, {200, 100, 50, 255}), {0, 0, 2, 2}, {255, 128, 0, 255});
    EXPECT_EQ(at(picture, 1, 1), (Colour{200, 50, 0, 255}));
}

TEST(ImageColour, TintAlphaBlendsOverWhatIsBeneath) {
    auto picture = solid(4, 4, {0, 0, 200, 255});
    hostrun::composite(picture, solid(2, 2, kWhite), {0, 0, 2, 2}, {255, 255, 255, 51});
    EXPECT_EQ(at(picture, 0, 0), (Colour{51, 51, 211, 255}));
}

// A glyph's anti-aliased edge: half of the averaged pixels are ink, half transparent
// black. Averaging the colours without their alpha would give a grey edge.
TEST(ImageColour, TransparentPixelsDoNotDarkenWhenShrunk) {
    RgbaImage edge;
    edge.width = 2;
    edge.height = 1;
    edge.rgba = {255, 255, 255, 255, 0, 0, 0, 0};
    auto picture = solid(2, 2, {0, 0, 200, 255});
    hostrun::composite(picture, edge, {0, 0, 1, 1}, kWhite);
    EXPECT_EQ(at(picture, 0, 0), (Colour{128, 128, 228, 255}));
}

TEST(Outline, IsAFrameInsideTheRectangle) {
    auto picture = solid(12, 10, kBlack);
    hostrun::outlineRect(picture, {2, 1, 8, 7}, 2, kWhite);
    EXPECT_EQ(text(paintedBox(picture)), "2,1 8x7");
    EXPECT_EQ(at(picture, 3, 2), kWhite);
    EXPECT_EQ(at(picture, 8, 6), kWhite);
    EXPECT_EQ(at(picture, 4, 3), kBlack);
    EXPECT_EQ(at(picture, 7, 5), kBlack);
}

}  // namespace
