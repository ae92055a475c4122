// What a set name looks like: its size, white text, emoji in their colours.

#include "name_image.h"

#include <gtest/gtest.h>

#include "text_chain.h"

namespace {

constexpr int kHeight = 57;

struct Colours {
    int inked = 0;
    int white = 0;
    int red = 0;
};

Colours coloursOf(const pngfile::RgbaImage& image) {
    Colours colours;
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        if (image.rgba[i + 3] < 128) continue;
        ++colours.inked;
        const int r = image.rgba[i], g = image.rgba[i + 1], b = image.rgba[i + 2];
        if (r == 255 && g == 255 && b == 255) ++colours.white;
        if (r > 180 && g < 80 && b < 80) ++colours.red;
    }
    return colours;
}

TEST(NameImage, IsTheHeightAskedAndTheWidthLaidOut) {
    const auto set = setName(sharedChain(), "Rex", kHeight);
    EXPECT_EQ(set.image.height, kHeight);
    EXPECT_EQ(set.image.width, (set.layout.width + 63) / 64);
    EXPECT_EQ(set.image.rgba.size(), static_cast<std::size_t>(set.image.width) * kHeight * 4);
}

TEST(NameImage, TextIsWhiteInk) {
    const auto colours = coloursOf(setName(sharedChain(), "Rex \u05E9\u05DC\u05D5\u05DD", kHeight).image);
    EXPECT_GT(colours.inked, 100);
    EXPECT_EQ(colours.white, colours.inked);
}

TEST(NameImage, EmojiKeepTheirColours) {
    const auto colours = coloursOf(setName(sharedChain(), "\U0001F1EF\U0001F1F5", kHeight).image);
    EXPECT_GT(colours.red, 20);
    EXPECT_LT(colours.white, colours.inked);
}

TEST(NameImage, NothingToDrawIsAnEmptyImage) {
    const auto set = setName(sharedChain(), "\u200B\u200D", kHeight);
    EXPECT_EQ(set.image.width, 0);
    EXPECT_TRUE(set.image.rgba.empty());
}

// Letters sit on one baseline, the same for every font of the chain.
TEST(NameImage, OneBaselineForEveryFont) {
    const auto metrics = nameMetrics(sharedChain(), kHeight);
    EXPECT_GT(metrics.baseline, kHeight / 2);
    EXPECT_LT(metrics.baseline, kHeight);
    const auto set = setName(sharedChain(), "x\u0445", kHeight);  // Latin x from CJK, Cyrillic from CJK
    int lowest = 0;
    for (int y = 0; y < set.image.height; ++y) {
        for (int x = 0; x < set.image.width; ++x) {
            if (set.image.rgba[(static_cast<std::size_t>(y) * set.image.width + x) * 4 + 3] > 128) lowest = y;
        }
    }
    EXPECT_NEAR(lowest, metrics.baseline - 1, 1);
}

}  // namespace
