// How the engine lays out names: which font and glyph, in which order, in which cluster.

#include "name_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "text_chain.h"
#include "utf8.h"

namespace {

constexpr int kPixelsPerEm = 48;
constexpr FT_Pos kNoBound = 1 << 30;

NameLayout layout(const std::string& name, FT_Pos maxWidth = kNoBound) {
    auto& fonts = sharedChain();
    fonts.setSize(kPixelsPerEm);
    return layoutName(fonts, name, maxWidth);
}

std::vector<std::uint32_t> clustersOf(const NameLayout& laid) {
    std::vector<std::uint32_t> clusters;
    for (const auto& glyph : laid.glyphs) clusters.push_back(glyph.cluster);
    return clusters;
}

std::vector<std::uint32_t> fontsOf(const NameLayout& laid) {
    std::vector<std::uint32_t> fonts;
    for (const auto& glyph : laid.glyphs) fonts.push_back(glyph.font);
    return fonts;
}

struct LayoutCase {
    const char* label;
    std::string name;
    std::vector<std::uint32_t> clusters;  // of the glyphs, left to right as seen
    std::vector<std::uint32_t> fonts;     // of the glyphs, left to right as seen
    std::size_t clusterCount;

    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.label; }
};

class NameLayoutFacts : public testing::TestWithParam<LayoutCase> {};

TEST_P(NameLayoutFacts, GlyphsInOrderFromTheirFonts) {
    const auto& c = GetParam();
    const auto laid = layout(c.name);
    EXPECT_EQ(clustersOf(laid), c.clusters);
    EXPECT_EQ(fontsOf(laid), c.fonts);
    EXPECT_EQ(laid.clusters, c.clusterCount);
    EXPECT_FALSE(laid.cut);
    // One line: the name is as wide as its glyphs' advances.
    FT_Pos pen = 0;
    for (const auto& glyph : laid.glyphs) pen += glyph.advance;
    EXPECT_EQ(laid.width, pen);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameLayoutFacts,
    testing::Values(
        // Right to left: the name's first letter is seen last.
        LayoutCase{"arabic", "\u0639\u0644\u064A", {2, 1, 0}, {kArabic, kArabic, kArabic}, 3},
        LayoutCase{
            "hebrew", "\u05E9\u05DC\u05D5\u05DD", {3, 2, 1, 0}, {kHebrew, kHebrew, kHebrew, kHebrew}, 4},
        // A Latin paragraph: Ali first; the digits after Arabic letters go with them, as the
        // bidi algorithm has it, yet read left to right (1 before 2).
        LayoutCase{"mixed",
                   "Ali \u0639\u0644\u064A 12",
                   {0, 1, 2, 3, 8, 9, 7, 6, 5, 4},
                   {kCjk, kCjk, kCjk, kCjk, kCjk, kCjk, kCjk, kArabic, kArabic, kArabic},
                   10},
        // A Thai tone mark sits on its consonant, in its cluster.
        LayoutCase{"thai",
                   "\u0E19\u0E49\u0E2D\u0E07\u0E41\u0E21\u0E27",
                   {0, 0, 2, 3, 4, 5, 6},
                   {kThai, kThai, kThai, kThai, kThai, kThai, kThai},
                   6},
        // Two clusters: pri (a conjunct with its vowel sign) and ya.
        LayoutCase{"devanagari",
                   "\u092A\u094D\u0930\u093F\u092F\u093E",
                   {0, 0, 4, 4},
                   {kDevanagari, kDevanagari, kDevanagari, kDevanagari},
                   2},
        // An accent typed as a mark joins its letter, here as the font's composed letter.
        LayoutCase{"combining_accent", "e\u0301", {0}, {kCjk}, 1},
        // Emoji sequences the colour font has are one glyph each.
        LayoutCase{"flag", "\U0001F1EF\U0001F1F5", {0}, {kEmoji}, 1},
        LayoutCase{"skin_tone", "\U0001F44D\U0001F3FD", {0}, {kEmoji}, 1},
        LayoutCase{"family", "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", {0}, {kEmoji}, 1},
        LayoutCase{"keycap", "1\uFE0F\u20E3", {0}, {kEmoji}, 1},
        // Fallback per cluster: Noto Sans CJK has A, DejaVu Sans the L with stroke.
        LayoutCase{"fallback", "A\u0141", {0, 1}, {kCjk, kDejaVu}, 2},
        // No font has U+0378: the main font's box, and the rest still draws.
        LayoutCase{"no_font_has_it", "a\u0378b", {0, 1, 2}, {kCjk, kCjk, kCjk}, 3},
        // A joined sequence the colour font does not have shows as its parts, in colour.
        LayoutCase{"unknown_sequence", "\U0001F984\u200D\U0001F355", {0, 0}, {kEmoji, kEmoji}, 1},
        LayoutCase{"zero_width_space", "x\u200By", {0, 2}, {kCjk, kCjk}, 2},
        // Symbols players see in colour come from the colour font; U+FE0E still asks for text.
        LayoutCase{"heart_in_colour", "\u2764Kai", {0, 1, 2, 3}, {kEmoji, kCjk, kCjk, kCjk}, 4},
        LayoutCase{"heart_as_text", "\u2764\uFE0EKai", {0, 2, 3, 4}, {kDejaVu, kCjk, kCjk, kCjk}, 4},
        LayoutCase{"swords_in_colour", "\u2694", {0}, {kEmoji}, 1},
        // A byte that is not UTF-8 reads as U+FFFD, which DejaVu Sans has.
        LayoutCase{"invalid_utf8", "\xFF", {0}, {kDejaVu}, 1}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.label); });

TEST(NameLayout, JoinedArabicTakesItsJoinedForms) {
    const auto laid = layout("\u0639\u0644\u064A");
    const auto& arabic = sharedChain().at(kArabic);
    const char32_t letters[] = {0x064A, 0x0644, 0x0639};  // as seen, right to left
    ASSERT_EQ(laid.glyphs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NE(laid.glyphs[i].glyph, FT_Get_Char_Index(arabic.face, letters[i])) << i;
    }
}

// A letter is set by a font that has it as the name spells it: Noto Sans CJK lacks these
// precomposed letters but has their bases and marks, and would stack its own marks on them.
// Each such cluster comes out as DejaVu Sans alone sets it, one composed glyph.
class PrecomposedLetters : public testing::TestWithParam<const char*> {};

TEST_P(PrecomposedLetters, ComeFromTheFontThatHasThemWhole) {
    static TextFonts dejaVu({testChain()[kDejaVu]});
    dejaVu.setSize(kPixelsPerEm);
    const std::string name = GetParam();
    const auto laid = layout(name);
    const auto alone = layoutName(dejaVu, name, kNoBound);
    ASSERT_EQ(laid.glyphs.size(), alone.glyphs.size());
    for (std::size_t i = 0; i < laid.glyphs.size(); ++i) {
        EXPECT_EQ(laid.glyphs[i].cluster, alone.glyphs[i].cluster) << i;
        if (laid.glyphs[i].font != kDejaVu) continue;
        EXPECT_EQ(laid.glyphs[i].glyph, alone.glyphs[i].glyph) << i;
        EXPECT_EQ(laid.glyphs[i].y, alone.glyphs[i].y) << i;
    }
    const auto fonts = fontsOf(laid);
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), kDejaVu), fonts.end());
}

INSTANTIATE_TEST_SUITE_P(Names, PrecomposedLetters,
                         testing::Values("\u0160", "\u0160koda Fan", "Dvo\u0159\u00E1k", "\u0130smail",
                                         "\u0395\u03BB\u03AD\u03BD\u03B7", "Kuba_\u017B\u00F3\u0142w"));

// Letters join across a change of font: the Arabic after a Latin letter the Arabic font
// lacks still takes its joined forms.
TEST(NameLayout, JoiningCrossesAFallback) {
    const auto laid = layout("\u0639\u0644\u064A\u0160");
    const auto& arabic = sharedChain().at(kArabic);
    for (const auto& glyph : laid.glyphs) {
        if (glyph.font != kArabic) continue;
        EXPECT_NE(glyph.glyph, FT_Get_Char_Index(arabic.face, 0x0644));
    }
}

TEST(NameLayout, ABoxStandsForWhatNoFontHas) {
    const auto laid = layout("a\u0378b");
    ASSERT_EQ(laid.glyphs.size(), 3u);
    EXPECT_EQ(laid.glyphs[1].glyph, 0u);
    EXPECT_NE(laid.glyphs[0].glyph, 0u);
    EXPECT_NE(laid.glyphs[2].glyph, 0u);
    EXPECT_GT(laid.glyphs[1].advance, 0);
}

TEST(NameLayout, LatinTakesItsFontsAdvancesNotCells) {
    EXPECT_LT(layout("il").width * 2, layout("WM").width);
}

TEST(NameLayout, AtMostTheClusterBound) {
    const auto laid = layout(std::string(300, 'a'));
    EXPECT_EQ(laid.clusters, kMaxNameClusters);
    EXPECT_EQ(laid.glyphs.size(), kMaxNameClusters);
    EXPECT_TRUE(laid.cut);
}

// Cut where a cluster starts: a family of seven code points stays whole or goes whole.
TEST(NameLayout, AtMostTheWidthCutBetweenClusters) {
    std::string families;
    for (int i = 0; i < 40; ++i) families += "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466";
    const FT_Pos bound = 10 * kPixelsPerEm * 64;
    const auto laid = layout(families, bound);
    EXPECT_TRUE(laid.cut);
    EXPECT_LE(laid.width, bound);
    EXPECT_GT(laid.width, bound / 2);
    for (const auto& glyph : laid.glyphs) {
        EXPECT_EQ(glyph.cluster % 7, 0u);
        EXPECT_EQ(glyph.font, kEmoji);
    }
}

// A cut name ends with an ellipsis in its reading direction: after the kept letters of a
// left-to-right name, before (left of) those of a right-to-left one; the whole still fits.
struct EllipsisCase {
    const char* label;
    std::string name;
    bool ellipsisLast;  // seen at the right end

    friend void PrintTo(const EllipsisCase& c, std::ostream* os) { *os << c.label; }
};

class CutWithEllipsis : public testing::TestWithParam<EllipsisCase> {};

TEST_P(CutWithEllipsis, EndsWithTheEllipsisWithinTheBound) {
    const auto& c = GetParam();
    auto& fonts = sharedChain();
    fonts.setSize(kPixelsPerEm);
    const FT_Pos bound = 4 * kPixelsPerEm * 64;
    const auto laid = layoutName(fonts, c.name, bound, CutMark::ellipsis);
    ASSERT_TRUE(laid.cut);
    ASSERT_GE(laid.clusters, 2u);
    EXPECT_LE(laid.width, bound);
    const auto clusters = clustersOf(laid);
    const auto ellipsisCluster = *std::max_element(clusters.begin(), clusters.end());
    const auto& edge = c.ellipsisLast ? laid.glyphs.back() : laid.glyphs.front();
    EXPECT_EQ(edge.cluster, ellipsisCluster);
}

INSTANTIATE_TEST_SUITE_P(Names, CutWithEllipsis,
                         testing::Values(EllipsisCase{"latin", "Bartholomew the Magnificent", true},
                                         EllipsisCase{"arabic",
                                                      "عبد الرحمن "
                                                      "المهيب الكبير",
                                                      false}));

// The ellipsis follows the last letter kept, never a space, and is the low one of a font made
// for Latin text, not Noto Sans CJK's centred one, whatever the name's script.
struct EllipsisFontCase {
    const char* label;
    std::string kept;  // the name's first words, just room for them, a space and an ellipsis
    std::string rest;

    friend void PrintTo(const EllipsisFontCase& c, std::ostream* os) { *os << c.label; }
};

class EllipsisFont : public testing::TestWithParam<EllipsisFontCase> {};

TEST_P(EllipsisFont, IsLowAndNotAfterASpace) {
    const auto& c = GetParam();
    auto& fonts = sharedChain();
    fonts.setSize(kPixelsPerEm);
    const auto& latin = fonts.at(kDejaVu);
    const auto ellipsisGlyph = FT_Get_Char_Index(latin.face, 0x2026);
    const FT_Pos bound =
        layoutName(fonts, c.kept + " ", kNoBound).width + hb_font_get_glyph_h_advance(latin.shaper, ellipsisGlyph);
    const auto laid = layoutName(fonts, c.kept + " " + c.rest, bound, CutMark::ellipsis);
    ASSERT_TRUE(laid.cut);
    const auto clusters = clustersOf(laid);
    const auto last = *std::max_element(clusters.begin(), clusters.end());
    for (const auto& glyph : laid.glyphs) {
        if (glyph.cluster != last) continue;
        EXPECT_EQ(glyph.font, kDejaVu);
        EXPECT_EQ(glyph.glyph, ellipsisGlyph);
    }
    std::size_t error = 0;
    EXPECT_EQ(last, utf8::decode(c.kept, error).value().size()) << "the ellipsis is not right after the words";
}

INSTANTIATE_TEST_SUITE_P(
    Names, EllipsisFont,
    testing::Values(EllipsisFontCase{"after_latin", "Jos\u00E9 Mart\u00EDnez", "Pawe\u0142 Nowak"},
                    EllipsisFontCase{"after_arabic", "\u0639\u0628\u062F \u0627\u0644\u0631\u062D\u0645\u0646",
                                     "\u0627\u0644\u0645\u0647\u064A\u0628"},
                    EllipsisFontCase{"after_devanagari", "\u092A\u094D\u0930\u093F\u092F\u093E",
                                     "\u0936\u0930\u094D\u092E\u093E"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(NameLayout, AnUncutNameGetsNoEllipsis) {
    auto& fonts = sharedChain();
    fonts.setSize(kPixelsPerEm);
    const auto plain = layoutName(fonts, "Zoë", kNoBound);
    const auto marked = layoutName(fonts, "Zoë", kNoBound, CutMark::ellipsis);
    EXPECT_FALSE(marked.cut);
    EXPECT_EQ(marked.width, plain.width);
    EXPECT_EQ(clustersOf(marked), clustersOf(plain));
}

TEST(NameLayout, NoRoomEvenForTheEllipsisSetsNothing) {
    auto& fonts = sharedChain();
    fonts.setSize(kPixelsPerEm);
    const auto laid = layoutName(fonts, "Bartholomew", 2 * 64, CutMark::ellipsis);
    EXPECT_TRUE(laid.cut);
    EXPECT_TRUE(laid.glyphs.empty());
}

// The 1.75 MiB name of the plugin's own tests: read only as far as the bounds reach.
TEST(NameLayout, AHostileNameIsSetWithinTheBounds) {
    std::string name;
    while (name.size() < 1835008) name += "\u00E9\u3042\xFF\U0001F600";
    const auto laid = layout(name);
    EXPECT_TRUE(laid.cut);
    EXPECT_LE(laid.clusters, kMaxNameClusters);
    EXPECT_GT(laid.clusters, 0u);
}

}  // namespace
