// What the default set takes of the characters fonts draw, which fonts draw them and in what
// order, without opening a font.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "default_set.h"
#include "glyph_plan.h"
#include "more_fonts.h"

namespace {

struct RuleCase {
    const char* label;
    CodePoint character;
    bool belongs;

    friend void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.label; }
};

class DefaultSetRule : public testing::TestWithParam<RuleCase> {};

TEST_P(DefaultSetRule, TakesWhatNamesShowAndLeavesOutTheRest) {
    EXPECT_EQ(belongsInDefaultSet(GetParam().character), GetParam().belongs);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, DefaultSetRule,
    testing::Values(
        RuleCase{"letter_A", U'A', true}, RuleCase{"tilde", U'~', true},
        RuleCase{"space", U' ', true}, RuleCase{"e_acute", 0xE9, true},
        RuleCase{"first_unified_ideograph", 0x4E00, true}, RuleCase{"last_unified_ideograph", 0x9FFF, true},
        RuleCase{"compatibility_ideograph", 0xF900, true}, RuleCase{"hangul_syllable", 0xAC00, true},
        RuleCase{"yi_syllable", 0xA000, true}, RuleCase{"musical_g_clef", 0x1D11E, true},
        RuleCase{"math_script_A", 0x1D49C, true}, RuleCase{"emoji_face", 0x1F600, true},
        RuleCase{"combining_acute", 0x301, true}, RuleCase{"egyptian_hieroglyph_frame", 0x131A9, true},
        // Blank, yet taking room: default ignorable or not, they are drawn clear.
        RuleCase{"hangul_filler", 0x3164, true}, RuleCase{"hangul_choseong_filler", 0x115F, true},
        RuleCase{"halfwidth_hangul_filler", 0xFFA0, true}, RuleCase{"braille_blank", 0x2800, true},
        RuleCase{"em_space", 0x2003, true}, RuleCase{"hair_space", 0x200A, true},
        RuleCase{"ideographic_space", 0x3000, true},
        // Left out.
        RuleCase{"nul", 0x0, false}, RuleCase{"unit_separator", 0x1F, false},
        RuleCase{"delete", 0x7F, false}, RuleCase{"c1_next_line", 0x85, false},
        RuleCase{"last_c1", 0x9F, false}, RuleCase{"extension_a_first", 0x3400, false},
        RuleCase{"extension_a_last", 0x4DBF, false}, RuleCase{"extension_b", 0x20000, false},
        RuleCase{"extension_h", 0x31350, false}, RuleCase{"surrogate", 0xD800, false},
        RuleCase{"private_use_first", 0xE000, false}, RuleCase{"private_use_last", 0xF8FF, false},
        RuleCase{"plane_15_private_use", 0xF0000, false}, RuleCase{"plane_16_private_use", 0x10FFFD, false},
        RuleCase{"nonchar_fdd0", 0xFDD0, false}, RuleCase{"nonchar_fffe", 0xFFFE, false},
        RuleCase{"nonchar_1ffff", 0x1FFFF, false}, RuleCase{"zero_width_joiner", 0x200D, false},
        RuleCase{"zero_width_space", 0x200B, false}, RuleCase{"variation_selector_16", 0xFE0F, false},
        RuleCase{"byte_order_mark", 0xFEFF, false}, RuleCase{"right_to_left_override", 0x202E, false},
        RuleCase{"soft_hyphen", 0xAD, false}, RuleCase{"tag_letter_a", 0xE0061, false},
        RuleCase{"anatolian_hieroglyph", 0x14400, false}, RuleCase{"cuneiform", 0x12000, false},
        RuleCase{"tangut", 0x17000, false}, RuleCase{"linear_b", 0x10000, false}),
    [](const testing::TestParamInfo<RuleCase>& info) { return info.param.label; });

TEST(DefaultSetRule, BlankCharactersAreAscendingAndAllInTheSet) {
    const auto blanks = blankCharacters();
    ASSERT_FALSE(blanks.empty());
    EXPECT_TRUE(std::is_sorted(blanks.begin(), blanks.end()));
    for (auto cp : blanks) {
        EXPECT_TRUE(isBlankCharacter(cp)) << formatCodePoint(cp);
        EXPECT_TRUE(belongsInDefaultSet(cp)) << formatCodePoint(cp);
    }
    EXPECT_FALSE(isBlankCharacter(U'A'));
}

TEST(NotoFiles, RegularSansFamiliesFirstThenTheOthersEachByName) {
    const std::vector<std::string> folder = {
        "NotoSerifTibetan-Regular.ttf", "NotoSansThai-Bold.ttf",       "NotoSansThai-Regular.ttf",
        "NotoSansDisplay-Regular.ttf",  "NotoMusic-Regular.ttf",       "NotoSans-Regular.ttf",
        "NotoSansMongolian-Regular.ttf", "NotoSansMono-Regular.ttf",   "NotoSansArabicUI-Regular.ttf",
        "NotoSansAdlam-Regular.ttf",    "NotoSans-Italic.ttf",         "NotoSerifDisplay-Regular.ttf",
        "NotoColorEmoji.ttf",           "DejaVuSans-Regular.ttf",      "NotoKufiArabic-Regular.ttf",
        "NotoSansMonoCJK-Regular.ttf",  "NotoSansThai-Regular.otf",    "README"};
    EXPECT_EQ(orderNotoFiles(folder),
              (std::vector<std::string>{"NotoSans-Regular.ttf", "NotoSansAdlam-Regular.ttf",
                                        "NotoSansMongolian-Regular.ttf", "NotoSansThai-Regular.ttf",
                                        "NotoKufiArabic-Regular.ttf", "NotoMusic-Regular.ttf",
                                        "NotoSerifTibetan-Regular.ttf"}));
}

IndexedFace face(const char* path, long index, int weight, bool italic, std::vector<CodeRange> ranges) {
    IndexedFace f;
    f.path = path;
    f.faceIndex = index;
    f.weight = weight;
    f.italic = italic;
    f.ranges = std::move(ranges);
    return f;
}

TEST(WindowsFonts, RegularUprightFacesThatMapSomethingInTheIndexOrder) {
    const std::vector<IndexedFace> index = {
        face("arial.ttf", 0, 400, false, {{0x20, 0x7E}}),  face("symbol.ttf", 0, 400, false, {}),
        face("cambria.ttc", 1, 400, false, {{0x41, 0x5A}}), face("seguisb.ttf", 0, 600, false, {{0x41, 0x5A}}),
        face("segoeuil.ttf", 0, 300, false, {{0x41, 0x5A}}), face("ariali.ttf", 0, 400, true, {{0x41, 0x5A}}),
        face("bahnschrift.ttf", 0, 500, false, {{0x41, 0x5A}})};
    std::vector<std::string> kept;
    for (const auto& font : regularFaces(index))
        kept.push_back(font.path.string() + "#" + std::to_string(font.faceIndex));
    EXPECT_EQ(kept, (std::vector<std::string>{"arial.ttf#0", "cambria.ttc#1", "bahnschrift.ttf#0"}));
}

// A default set planned over many fonts draws with those that give something, the main font
// always first.
TEST(FontsInUse, AreKeptInTheStacksOrderAndTheJobsRenumbered) {
    std::vector<GlyphJob> jobs = {{U'a', "97", false, 3}, {U'b', "98", false, 1}, {U'c', "99", false, 3}};
    EXPECT_EQ(keepFontsInUse(jobs, 5), (std::vector<std::size_t>{0, 1, 3}));
    EXPECT_EQ(jobs[0].font, 2u);
    EXPECT_EQ(jobs[1].font, 1u);
    EXPECT_EQ(jobs[2].font, 2u);
}

}  // namespace
