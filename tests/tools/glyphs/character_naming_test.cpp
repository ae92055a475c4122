#include <gtest/gtest.h>

#if __has_include(<iconv.h>)
#include <iconv.h>
#endif

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "char_sets.h"
#include "code_point.h"
#include "emoji_presentation.h"
#include "glyph_files.h"
#include "glyph_plan.h"
#include "jis_kanji.h"
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

INSTANTIATE_TEST_SUITE_P(
    Sets, SetBoundaries,
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
                    SetBoundary{"emoji", 1205, 0x231A, "u\\231a", 0x1FAF8, "u\\1faf8"},
                    SetBoundary{"latin-more", 624, 0x500, "u\\500", 0xAB6F, "u\\ab6f"},
                    SetBoundary{"phonetic", 522, 0x250, "u\\250", 0x209C, "u\\209c"},
                    SetBoundary{"symbols", 4251, 0x2010, "u\\2010", 0x1F9FF, "u\\1f9ff"},
                    SetBoundary{"math-letters", 1024, 0x1D400, "u\\1d400", 0x1D7FF, "u\\1d7ff"},
                    SetBoundary{"scripts", 2341, 0x531, "u\\531", 0xA9DF, "u\\a9df"},
                    SetBoundary{"chinese", 20992, 0x4E00, "u\\4e00", 0x9FFF, "u\\9fff"}));

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

TEST(JisKanji, HoldBothLevels) {
    auto kanji = characterSet("jis-kanji");
    for (CodePoint cp : {0x4E9C /* first of level 1 */, 0x5F0C /* first of level 2 */, 0x7199 /* last */}) {
        EXPECT_TRUE(std::binary_search(kanji.begin(), kanji.end(), cp)) << formatCodePoint(cp);
    }
    // Kana are not kanji.
    EXPECT_FALSE(std::binary_search(kanji.begin(), kanji.end(), CodePoint{0x3042}));
}

// The tool carries its own table; where the system has iconv, its EUC-JP mapping must agree
// cell for cell.
TEST(JisKanji, AgreeWithTheSystemsEucJpConverter) {
#if __has_include(<iconv.h>)
    iconv_t converter = iconv_open("UTF-32LE", "EUC-JP");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::vector<CodePoint> fromIconv;
    for (int row = 16; row <= 84; ++row) {
        for (int cell = 1; cell <= 94; ++cell) {
            std::array<char, 2> in{static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
            std::array<unsigned char, 8> out{};
            char* inPtr = in.data();
            auto* outPtr = reinterpret_cast<char*>(out.data());
            std::size_t inLeft = in.size();
            std::size_t outLeft = out.size();
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
                continue;
            if (out.size() - outLeft != 4) continue;
            fromIconv.push_back(
                static_cast<CodePoint>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24)));
        }
    }
    iconv_close(converter);
    EXPECT_EQ(jisX0208Kanji(), fromIconv);
#else
    GTEST_SKIP() << "no iconv on this system";
#endif
}

TEST(GlyphFiles, StemDropsTheWidePrefixOnly) {
    EXPECT_EQ(glyphFileStem(glyphCodeOf(U'A')), "65");
    EXPECT_EQ(glyphFileStem(glyphCodeOf(U'\u3042')), "3042");
    EXPECT_EQ(glyphImagePath("D", "u\\3042"), std::filesystem::path("D") / "assets" / "png" / "3042.png");
}

// ---- Codes back to characters, as check names them.

struct DescriptionCase {
    const char* code;
    const char* description;

    friend void PrintTo(const DescriptionCase& c, std::ostream* os) { *os << c.code; }
};

class GlyphCodeDescriptions : public testing::TestWithParam<DescriptionCase> {};

TEST_P(GlyphCodeDescriptions, NameTheCharacterOrTheBytes) {
    EXPECT_EQ(describeGlyphCode(GetParam().code), GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GlyphCodeDescriptions,
    testing::Values(DescriptionCase{"65", "A U+0041"}, DescriptionCase{"32", "  U+0020"},
                    DescriptionCase{"9", "U+0009"}, DescriptionCase{"127", "U+007F"},
                    DescriptionCase{"u\\85", "U+0085"}, DescriptionCase{"u\\105", "\xC4\x85 U+0105"},
                    DescriptionCase{"u\\1f525", "\xF0\x9F\x94\xA5 U+1F525"},
                    // What the splitter makes of bytes that are not UTF-8: a lone byte, an
                    // overlong form, a surrogate, five bytes in a row.
                    DescriptionCase{"u\\ffffff80", "bytes that are not UTF-8 (u\\ffffff80)"},
                    DescriptionCase{"u\\64", "bytes that are not UTF-8 (u\\64)"},
                    DescriptionCase{"u\\d800", "bytes that are not UTF-8 (u\\d800)"},
                    DescriptionCase{"u\\", "bytes that are not UTF-8 (u\\)"}));

TEST(GlyphCodeDescriptions, AsciiCharactersThatStandInAreNamedByTheirLook) {
    EXPECT_EQ(describeAsciiCharacter("105"), "i");
    EXPECT_EQ(describeAsciiCharacter("126"), "~");
    EXPECT_EQ(describeAsciiCharacter("127"), "U+007F");
    EXPECT_EQ(describeAsciiCharacter("5"), "U+0005");
}

// ---- Characters whose hexadecimal code point reads as an ASCII character's decimal file
// name get files of their own.

struct StemCase {
    const char* label;
    CodePoint character;
    const char* stem;

    friend void PrintTo(const StemCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphStems : public testing::TestWithParam<StemCase> {};

TEST_P(GlyphStems, AreTheFileThePluginPrefers) {
    const auto& c = GetParam();
    auto plan = planGlyphs({c.character}, [](CodePoint) { return true; });
    ASSERT_EQ(plan.jobs.size(), 1u);
    EXPECT_EQ(plan.jobs[0].stem, c.stem);
    EXPECT_EQ(plan.jobs[0].wide, c.character >= 0x80);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, GlyphStems,
    testing::Values(StemCase{"i", U'i', "105"}, StemCase{"tilde", U'~', "126"},
                    StemCase{"u0080", 0x80, "u80"}, StemCase{"u0099", 0x99, "u99"},
                    StemCase{"u009a_hex_letter", 0x9A, "9a"}, StemCase{"u00a0_hex_letter", 0xA0, "a0"},
                    StemCase{"u0100", 0x100, "u100"}, StemCase{"u0105", 0x105, "u105"},
                    StemCase{"u0109", 0x109, "u109"}, StemCase{"u010a_hex_letter", 0x10A, "10a"},
                    StemCase{"u0110", 0x110, "u110"}, StemCase{"u0119", 0x119, "u119"},
                    StemCase{"u011a_hex_letter", 0x11A, "11a"}, StemCase{"u0120", 0x120, "u120"},
                    StemCase{"u0127_del", 0x127, "u127"}, StemCase{"u0128_beyond_ascii", 0x128, "128"}),
    [](const testing::TestParamInfo<StemCase>& info) { return info.param.label; });

TEST(GlyphStems, EveryCharacterOfTheNamedSetsHasAFileOfItsOwn) {
    std::vector<CodePoint> characters;
    for (const auto& set : characterSets()) {
        auto more = characterSet(set.name);
        characters.insert(characters.end(), more.begin(), more.end());
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    auto plan = planGlyphs(characters, [](CodePoint) { return true; });
    ASSERT_EQ(plan.jobs.size(), characters.size());

    std::vector<std::string> stems;
    std::vector<CodePoint> ownFiles;
    for (const auto& job : plan.jobs) {
        stems.push_back(job.stem);
        if (job.stem.starts_with("u")) ownFiles.push_back(job.character);
    }
    std::sort(stems.begin(), stems.end());
    EXPECT_EQ(std::adjacent_find(stems.begin(), stems.end()), stems.end()) << "two characters share a file";

    // The default Latin set holds exactly the three runs of Latin Extended-A.
    std::vector<CodePoint> expected;
    for (CodeRange run : {CodeRange{0x100, 0x109}, CodeRange{0x110, 0x119}, CodeRange{0x120, 0x127}}) {
        for (CodePoint cp = run.first; cp <= run.last; ++cp) expected.push_back(cp);
    }
    EXPECT_EQ(ownFiles, expected);
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
