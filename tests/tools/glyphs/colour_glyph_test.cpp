#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "build_command.h"
#include "glyph_files.h"
#include "png_reading.h"
#include "scratch_folder.h"
#include "test_fonts.h"

namespace {

// Colour emoji drawn from Noto Color Emoji, a font of colour bitmaps in one strike.
class ColourGlyphs : public testing::Test {
protected:
    BuildResult build(std::vector<std::string> ranges, BuildOptions options = cjkOptions()) {
        options.dataFolder = data.path();
        options.characters.ranges = std::move(ranges);
        options.threads = 2;
        std::ostringstream progress;
        return buildGlyphSet(options, progress);
    }

    BuildOptions withEmojiFallback() const {
        BuildOptions options = cjkOptions();
        options.fallbacks = {{kNotoColorEmoji, 0}};
        return options;
    }

    DecodedPng image(const std::string& stem) const {
        return readPng(glyphFolder(data.path()) / (stem + ".png"));
    }

    ScratchFolder data;
};

struct InkColours {
    int opaque = 0;
    int yellow = 0;
    int white = 0;
    int red = 0;
    int blue = 0;
};

InkColours inkColours(const DecodedPng& png) {
    InkColours colours;
    for (std::size_t i = 0; i < png.rgba.size(); i += 4) {
        if (png.rgba[i + 3] < 255) continue;
        ++colours.opaque;
        const int r = png.rgba[i], g = png.rgba[i + 1], b = png.rgba[i + 2];
        if (r > 200 && g > 150 && b < 100) ++colours.yellow;
        if (r > 240 && g > 240 && b > 240) ++colours.white;
        if (r > 240 && g < 16 && b < 16) ++colours.red;
        if (r < 16 && g < 16 && b > 240) ++colours.blue;
    }
    return colours;
}

TEST_F(ColourGlyphs, EmojiKeepsItsColoursAndSitsInLineWithKana) {
    auto result = build({"U+1F600", "U+3042", "U+48"}, withEmojiFallback());
    ASSERT_EQ(result.writtenPerFont, (std::vector<std::size_t>{2, 1}));

    auto face = image("1f600");
    ASSERT_EQ(face.width, 84);
    ASSERT_EQ(face.height, 114);
    // The grinning face is a yellow disc, not white ink.
    auto colours = inkColours(face);
    EXPECT_GT(colours.yellow, colours.opaque / 2);
    EXPECT_LT(colours.white, colours.opaque / 4);

    // Inside the cell's margins, as tall as the kana beside it and centred on the same row,
    // to within the few pixels the two designs differ by (sums of top and bottom are twice
    // the middle row).
    auto emoji = inkBox(face);
    auto kana = inkBox(image("3042"));
    ASSERT_FALSE(emoji.empty());
    EXPECT_GE(emoji.left, 1);
    EXPECT_LE(emoji.right, 82);
    EXPECT_NEAR(emoji.bottom - emoji.top, kana.bottom - kana.top, 6);
    EXPECT_NEAR(emoji.top + emoji.bottom, kana.top + kana.bottom, 6);
    // On the Latin baseline or a little below it, as ideographs are.
    auto baseline = inkBox(image("72")).bottom;
    EXPECT_GE(emoji.bottom, baseline);
    EXPECT_LE(emoji.bottom, baseline + 12);
}

TEST_F(ColourGlyphs, EdgesAreAntiAliasedWithoutDarkFringes) {
    build({"U+1F600"}, withEmojiFallback());
    auto face = image("1f600");
    // Half-transparent edge pixels of the yellow disc keep a yellow colour: colours left
    // premultiplied would darken them towards black.
    int edge = 0, dark = 0;
    for (std::size_t i = 0; i < face.rgba.size(); i += 4) {
        const int alpha = face.rgba[i + 3];
        if (alpha < 32 || alpha > 160) continue;
        ++edge;
        if (face.rgba[i] < 120) ++dark;
    }
    EXPECT_GT(edge, 20);
    EXPECT_LT(dark, edge / 4);
}

// DejaVu Sans has a black-and-white star and heart. The star shows as an emoji by default;
// the heart is text by default, but players type it with U+FE0F, which the plugin drops, and
// see it red everywhere else: the colour font draws both. An arrow, which the colour font
// lacks, stays with the text font.
TEST_F(ColourGlyphs, EmojiComeFromTheColourFontBeforeEarlierFallbacks) {
    BuildOptions options = cjkOptions();
    options.fallbacks = {{kDejaVuSans, 0}, {kNotoColorEmoji, 0}};
    auto result = build({"U+2B50", "U+2764", "U+2192"}, options);
    EXPECT_EQ(result.writtenPerFont, (std::vector<std::size_t>{1, 0, 2}));
    auto star = inkColours(image("2b50"));
    EXPECT_GT(star.yellow, star.opaque / 2);
    auto heart = inkColours(image("2764"));
    EXPECT_GT(heart.opaque, 0);
    EXPECT_LT(heart.white, heart.opaque / 10);
    auto arrow = inkColours(image("2192"));
    EXPECT_EQ(arrow.white, arrow.opaque);
}

// A font of colour layers, as Segoe UI Emoji is: the test font's U+1F600 is a red square
// under a smaller blue one under a bar in the text's colour; its 'A' has no layers.
constexpr char kLayeredFont[] = VELTRONA_TEST_FONTS "/LayeredEmoji.ttf";

TEST_F(ColourGlyphs, LayeredGlyphsTakeTheirPalettesColoursOneOverTheOther) {
    BuildOptions options;
    options.font = {kLayeredFont, 0};
    auto result = build({"U+1F600", "U+41"}, options);
    ASSERT_EQ(result.written, 2u);

    const auto face = image("1f600");
    const auto colours = inkColours(face);
    EXPECT_GT(colours.red, 0);
    EXPECT_GT(colours.blue, 0);
    EXPECT_GT(colours.white, 0);
    // Red frames blue, which holds the white bar: the layers lie in their order.
    const auto box = inkBox(face);
    ASSERT_FALSE(box.empty());
    const auto at = [&](int x, int y) {
        return &face.rgba[(static_cast<std::size_t>(y) * face.width + x) * 4];
    };
    const int midX = (box.left + box.right) / 2;
    const int midY = (box.top + box.bottom) / 2;
    EXPECT_EQ(at(midX, midY)[0], 255);
    EXPECT_EQ(at(midX, midY)[2], 255);
    EXPECT_EQ(at(box.left + 2, midY)[0], 255);
    EXPECT_EQ(at(box.left + 2, midY)[2], 0);
    EXPECT_GE(box.left, 1);
    EXPECT_LE(box.right, face.width - 2);

    // A glyph without layers stays white ink.
    const auto letter = inkColours(image("65"));
    EXPECT_GT(letter.white, 0);
    EXPECT_EQ(letter.red + letter.blue, 0);
}

TEST_F(ColourGlyphs, LayeredFontDrawsEmojiAsAFallback) {
    BuildOptions options = cjkOptions();
    options.fallbacks = {{kLayeredFont, 0}};
    auto result = build({"U+1F600"}, options);
    EXPECT_EQ(result.writtenPerFont, (std::vector<std::size_t>{0, 1}));
    EXPECT_GT(inkColours(image("1f600")).red, 0);
}

TEST_F(ColourGlyphs, BitmapFontCanBeTheMainFont) {
    BuildOptions options;
    options.font = {kNotoColorEmoji, 0};
    auto result = build({"U+1F680", "U+41"}, options);
    EXPECT_EQ(result.written, 1u);
    EXPECT_EQ(result.missing, std::vector<CodePoint>{U'A'});
    auto rocket = image("1f680");
    ASSERT_EQ(rocket.width, 84);
    auto box = inkBox(rocket);
    ASSERT_FALSE(box.empty());
    EXPECT_GT(box.top, 0);
    EXPECT_LT(box.bottom, rocket.height - 1);
}

}  // namespace
