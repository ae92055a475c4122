// What a set name looks like: its size, white text, emoji in their colours.

#include "name_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

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

TEST(NameImage, IsTheRowAndTheWidthLaidOutWhenInkStaysWithin) {
    const auto set = setName(sharedChain(), "Rex", kHeight);
    EXPECT_EQ(set.image.height, kHeight);
    EXPECT_EQ(set.image.width, (set.layout.width + 63) / 64);
    EXPECT_EQ(set.image.rgba.size(), static_cast<std::size_t>(set.image.width) * kHeight * 4);
    EXPECT_EQ(set.offsetX(), 0);
    EXPECT_EQ(set.offsetY(), 0);
}

// Where ink is, in the row's pixels: x from the name's start, y from the row's top.
struct InkBox {
    int left = 1 << 20, top = 1 << 20, right = -(1 << 20), bottom = -(1 << 20);
};

InkBox inkInRow(const NameImage& set) {
    InkBox box;
    for (int y = 0; y < set.image.height; ++y) {
        for (int x = 0; x < set.image.width; ++x) {
            if (set.image.rgba[(static_cast<std::size_t>(y) * set.image.width + x) * 4 + 3] == 0) continue;
            box.left = std::min(box.left, x + set.offsetX());
            box.right = std::max(box.right, x + 1 + set.offsetX());
            box.top = std::min(box.top, y + set.offsetY());
            box.bottom = std::max(box.bottom, y + 1 + set.offsetY());
        }
    }
    return box;
}

constexpr char kCjk[] = "opentype/noto/NotoSansCJK-Regular.ttc";

// Ink that reaches past the row or the name's start is kept, the picture grown to hold it
// and placed so that the name still stands on the row's baseline.
enum class Reach { within, below, left };

struct InkCase {
    const char* label;
    std::string name;
    std::vector<std::string> fonts;  // under /usr/share/fonts
    Reach reach;

    friend void PrintTo(const InkCase& c, std::ostream* os) { *os << c.label; }
};

class InkPastTheRow : public testing::TestWithParam<InkCase> {};

TEST_P(InkPastTheRow, IsKeptAndPlaced) {
    const auto& c = GetParam();
    std::vector<FontSource> chain;
    for (const auto& font : c.fonts) chain.push_back({"/usr/share/fonts/" + font, 0});
    TextFonts fonts(chain);
    const auto set = setName(fonts, c.name, kHeight);
    const auto ink = inkInRow(set);
    const auto metrics = nameMetrics(fonts, kHeight);
    EXPECT_EQ(set.rowBaseline, metrics.baseline);
    EXPECT_EQ(set.offsetY(), metrics.baseline - set.baseline);
    // Short of the reach: ink stopped there would have been cut.
    const int reach = static_cast<int>(std::ceil(kInkReachEms * metrics.pixelsPerEm));
    EXPECT_GT(ink.top, -reach);
    EXPECT_LT(ink.bottom, kHeight + reach);
    EXPECT_GT(ink.left, -reach);
    switch (c.reach) {
        case Reach::within:
            EXPECT_GE(ink.top, 0);
            EXPECT_LE(ink.bottom, kHeight);
            break;
        case Reach::below: EXPECT_GT(ink.bottom, kHeight); break;
        case Reach::left: EXPECT_LT(ink.left, 0); break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, InkPastTheRow,
    testing::Values(
        // The two dots under a final yeh: without them it reads as another name.
        // After the default chain's main font, whose line box these reach past.
        InkCase{"final_yeh", "\u0639\u0644\u064A", {kCjk, "truetype/noto/NotoSansArabic-Regular.ttf"}, Reach::below},
        InkCase{"kannada_signs_below", "\u0C95\u0CC3\u0CB7\u0CCD\u0CA3",
                {kCjk, "truetype/noto/NotoSansKannada-Regular.ttf"}, Reach::below},
        InkCase{"script_capital", "\U0001D4D0", {kCjk, "truetype/noto/NotoSansMath-Regular.ttf"}, Reach::left},
        InkCase{"javanese_ornaments", "\uA9C1Legend\uA9C2", {kCjk, "truetype/noto/NotoSansJavanese-Regular.ttf"},
                Reach::below},
        // The colour font as the main font, whose sizes live in its tables, not FreeType's
        // fields: the thumb stands whole on the row.
        InkCase{"emoji_main_font", "\U0001F44D\U0001F3FD", {"truetype/noto/NotoColorEmoji.ttf"}, Reach::within}),
    [](const auto& info) { return std::string(info.param.label); });

// Capitals and kanji sit on the row's centre, as the glyph files' rows are read.
TEST(NameImage, CapitalsAndKanjiAreCentredOnTheRow) {
    for (const char* name : {"H", "\u6F22"}) {
        const auto ink = inkInRow(setName(sharedChain(), name, kHeight));
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, kHeight / 2.0, 1.0) << name;
    }
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
    EXPECT_NEAR(lowest, set.baseline - 1, 1);
}

}  // namespace
