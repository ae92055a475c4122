#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "char_sets.h"
#include "code_point.h"
#include "emoji_presentation.h"
#include "glyph_files.h"
#include "glyph_plan.h"
#include "tool_error.h"

namespace {

// ---- Sets: their first and last characters, the file names those get, and their size.

struct SetBoundary {
    const char* set;
    std::size_t size;
    CodePoint first;
    const char* firstCode;
    CodePoint last;
    const char* lastCode;

    friend void PrintTo(const SetBoundary& b, std::ostream* os) { *os << b.set; }
};

class SetBoundaries : public testing::TestWithParam<SetBoundary> {};

TEST_P(SetBoundaries, StartAndEndWhereTheyShouldWithThePluginsCodes) {
    const auto& b = GetParam();
    auto characters = characterSet(b.set);
    ASSERT_EQ(characters.size(), b.size);
    EXPECT_TRUE(std::is_sorted(characters.begin(), characters.end()));
    EXPECT_EQ(characters.front(), b.first);
    EXPECT_EQ(characters.back(), b.last);
    EXPECT_EQ(glyphCodeOf(b.first), b.firstCode);
    EXPECT_EQ(glyphCodeOf(b.last), b.lastCode);
}

INSTANTIATE_TEST_SUITE_P(Sets, SetBoundaries,
                         testing::Values(SetBoundary{"ascii", 95, 0x20, "32", 0x7E, "126"},
                                         SetBoundary{"latin", 224, 0xA0, "u\\a0", 0x17F, "u\\17f"},
                                         SetBoundary{"latin-ext", 464, 0x180, "u\\180", 0x1EFF, "u\\1eff"},
                                         SetBoundary{"greek-cyrillic", 391, 0x370, "u\\370", 0x4FF, "u\\4ff"},
                                         SetBoundary{"hiragana", 93, 0x3041, "u\\3041", 0x309F, "u\\309f"},
                                         SetBoundary{"katakana", 175, 0x30A0, "u\\30a0", 0xFF9F, "u\\ff9f"},
                                         SetBoundary{"cjk-symbols", 64, 0x3000, "u\\3000", 0x303F, "u\\303f"},
                                         SetBoundary{"fullwidth", 110, 0xFF01, "u\\ff01", 0xFFEE, "u\\ffee"},
                                         SetBoundary{"hangul", 11172, 0xAC00, "u\\ac00", 0xD7A3, "u\\d7a3"},
                                         SetBoundary{"jis-kanji", 6355, 0x4E00, "u\\4e00", 0x9FA0, "u\\9fa0"},
                                         SetBoundary{"cjk", 97046, 0x3400, "u\\3400", 0x323AF, "u\\323af"},
                                         SetBoundary{"emoji", 1205, 0x231A, "u\\231a", 0x1FAF8, "u\\1faf8"}));

// ---- Emoji: what shows as emoji by default, each code point of a sequence on its own.

struct EmojiCase {
    const char* label;
    CodePoint character;
    bool emoji;

    friend void PrintTo(const EmojiCase& c, std::ostream* os) { *os << c.label; }
};

class EmojiSet : public testing::TestWithParam<EmojiCase> {};

TEST_P(EmojiSet, HoldsTheEmojiPresentationCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(isEmojiPresentation(c.character), c.emoji);
    auto set = characterSet("emoji");
    EXPECT_EQ(std::binary_search(set.begin(), set.end(), c.character), c.emoji);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, EmojiSet,
    testing::Values(EmojiCase{"watch_first", 0x231A, true}, EmojiCase{"before_watch", 0x2319, false},
                    EmojiCase{"grinning_face", 0x1F600, true},
                    EmojiCase{"regional_indicator_A", 0x1F1E6, true},
                    EmojiCase{"regional_indicator_Z", 0x1F1FF, true},
                    EmojiCase{"before_regional_indicators", 0x1F1E5, false},
                    EmojiCase{"light_skin_tone", 0x1F3FB, true}, EmojiCase{"dark_skin_tone", 0x1F3FF, true},
                    EmojiCase{"family", 0x1F46A, true}, EmojiCase{"unicode_15_shaking_face", 0x1FAE8, true},
                    EmojiCase{"last_hand_pushing", 0x1FAF8, true}, EmojiCase{"after_last", 0x1FAF9, false},
                    // Text by default: shown as emoji only with U+FE0F after it.
                    EmojiCase{"heart_is_text", 0x2764, false}, EmojiCase{"digit_is_text", U'1', false},
                    // Parts of sequences that draw nothing themselves.
                    EmojiCase{"zero_width_joiner", 0x200D, false},
                    EmojiCase{"variation_selector", 0xFE0F, false}, EmojiCase{"tag_letter", 0xE0067, false}));

TEST(JisKanji, HoldBothLevelsFromIconv) {
    auto kanji = characterSet("jis-kanji");
    for (CodePoint cp : {0x4E9C /* first of level 1 */, 0x5F0C /* first of level 2 */, 0x7199 /* last */}) {
        EXPECT_TRUE(std::binary_search(kanji.begin(), kanji.end(), cp)) << formatCodePoint(cp);
    }
    // Kana are not kanji.
    EXPECT_FALSE(std::binary_search(kanji.begin(), kanji.end(), CodePoint{0x3042}));
}

TEST(CharacterSets, DefaultsAreAllNamedSets) {
    auto sets = characterSets();
    for (const auto& name : defaultCharacterSets()) {
        EXPECT_TRUE(std::any_of(sets.begin(), sets.end(), [&](const CharacterSetInfo& s) {
            return s.name == name;
        })) << name;
    }
}

TEST(GlyphFiles, StemDropsTheWidePrefixOnly) {
    EXPECT_EQ(glyphFileStem(glyphCodeOf(U'A')), "65");
    EXPECT_EQ(glyphFileStem(glyphCodeOf(U'\u3042')), "3042");
    EXPECT_EQ(glyphImagePath("D", "u\\3042"), std::filesystem::path("D") / "assets" / "png" / "3042.png");
}

// ---- Shared file names: decimal ASCII stems against hexadecimal wide stems.

struct ClashCase {
    const char* label;
    CodePoint character;
    CodePoint owner;  // 0: no clash, the character gets its own file

    friend void PrintTo(const ClashCase& c, std::ostream* os) { *os << c.label; }
};

class StemClashes : public testing::TestWithParam<ClashCase> {};

TEST_P(StemClashes, AsciiKeepsItsFileAndTheOtherIsListed) {
    const auto& c = GetParam();
    auto plan = planGlyphs({c.character}, [](CodePoint) { return true; });
    EXPECT_TRUE(plan.missing.empty());
    if (c.owner == 0) {
        ASSERT_EQ(plan.jobs.size(), 1u);
        EXPECT_TRUE(plan.clashes.empty());
        return;
    }
    EXPECT_TRUE(plan.jobs.empty());
    ASSERT_EQ(plan.clashes.size(), 1u);
    EXPECT_EQ(plan.clashes[0].character, c.character);
    EXPECT_EQ(plan.clashes[0].owner, c.owner);
    EXPECT_EQ(plan.clashes[0].stem, std::to_string(c.owner));
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, StemClashes,
    testing::Values(ClashCase{"u0080_P", 0x80, 'P'}, ClashCase{"u0099_c", 0x99, 'c'},
                    ClashCase{"u009a_hex_letter", 0x9A, 0}, ClashCase{"u00a0_hex_letter", 0xA0, 0},
                    ClashCase{"u0100_d", 0x100, 'd'}, ClashCase{"u0105_i", 0x105, 'i'},
                    ClashCase{"u0109_m", 0x109, 'm'}, ClashCase{"u010a_hex_letter", 0x10A, 0},
                    ClashCase{"u0110_n", 0x110, 'n'}, ClashCase{"u0119_w", 0x119, 'w'},
                    ClashCase{"u011a_hex_letter", 0x11A, 0}, ClashCase{"u0120_x", 0x120, 'x'},
                    ClashCase{"u0126_tilde", 0x126, '~'},
                    // 127 is DEL, which no name draws: U+0127 may have it.
                    ClashCase{"u0127_after_ascii", 0x127, 0}));

TEST(StemClashes, AsciiAndLatinClashExactlyInTheThreeDigitRuns) {
    auto characters = characterSet("ascii");
    auto latin = characterSet("latin");
    characters.insert(characters.end(), latin.begin(), latin.end());
    auto plan = planGlyphs(characters, [](CodePoint) { return true; });

    std::vector<CodePoint> clashing;
    for (const auto& clash : plan.clashes) clashing.push_back(clash.character);
    std::vector<CodePoint> expected;
    for (CodeRange run : {CodeRange{0x100, 0x109}, CodeRange{0x110, 0x119}, CodeRange{0x120, 0x126}}) {
        for (CodePoint cp = run.first; cp <= run.last; ++cp) expected.push_back(cp);
    }
    EXPECT_EQ(clashing, expected);
    EXPECT_EQ(plan.jobs.size(), characters.size() - expected.size());
    auto i =
        std::find_if(plan.jobs.begin(), plan.jobs.end(), [](const GlyphJob& j) { return j.stem == "105"; });
    ASSERT_NE(i, plan.jobs.end());
    EXPECT_EQ(i->character, U'i');
}

TEST(GlyphPlan, ReportsWhatTheFontLacksAndMarksWideGlyphs) {
    auto plan = planGlyphs({U'A', 0x378, 0x3042}, [](CodePoint cp) { return cp != 0x378; });
    EXPECT_EQ(plan.missing, std::vector<CodePoint>{0x378});
    ASSERT_EQ(plan.jobs.size(), 2u);
    EXPECT_EQ(plan.jobs[0].stem, "65");
    EXPECT_FALSE(plan.jobs[0].wide);
    EXPECT_EQ(plan.jobs[1].stem, "3042");
    EXPECT_TRUE(plan.jobs[1].wide);
}

// ---- Code points as users write them.

struct RangeCase {
    const char* text;
    CodePoint first;  // both 0: the text is refused
    CodePoint last;

    friend void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.text; }
};

class CodeRanges : public testing::TestWithParam<RangeCase> {};

TEST_P(CodeRanges, ParseOrAreRefusedNamingTheText) {
    const auto& c = GetParam();
    if (c.first == 0 && c.last == 0) {
        try {
            parseCodeRange(c.text);
            FAIL() << "accepted";
        } catch (const ToolError& e) {
            EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << e.what();
        }
        return;
    }
    auto range = parseCodeRange(c.text);
    EXPECT_EQ(range.first, c.first);
    EXPECT_EQ(range.last, c.last);
}

INSTANTIATE_TEST_SUITE_P(Texts, CodeRanges,
                         testing::Values(RangeCase{"U+3042", 0x3042, 0x3042}, RangeCase{"u+41", 0x41, 0x41},
                                         RangeCase{"U+3040-U+309F", 0x3040, 0x309F},
                                         RangeCase{"U+10FFFF", 0x10FFFF, 0x10FFFF}, RangeCase{"3042", 0, 0},
                                         RangeCase{"U+", 0, 0}, RangeCase{"U+12G", 0, 0},
                                         RangeCase{"U+110000", 0, 0}, RangeCase{"U+D800", 0, 0},
                                         RangeCase{"U+3040-", 0, 0}, RangeCase{"U+309F-U+3040", 0, 0}));

TEST(CodePointRuns, CollapseConsecutiveCodePoints) {
    EXPECT_EQ(formatCodePointRuns({0x41, 0x378, 0x379, 0x37A, 0x1F600}), "U+0041, U+0378-U+037A, U+1F600");
    EXPECT_EQ(formatCodePointRuns({}), "");
}

}  // namespace
