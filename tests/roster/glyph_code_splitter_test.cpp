#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "glyph_code_splitter.h"
#include "glyph_code_shape.h"

namespace {

using Codes = std::vector<std::string>;

struct SplitCase {
    const char* label;
    std::string name;
    Codes codes;

    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.label; }
};

class SplitName : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitName, GivesTheCodesOfItsGlyphs) {
    EXPECT_EQ(GlyphCodeSplitter{}.split(GetParam().name), GetParam().codes);
}

// Well-formed names, then malformed runs: a run ends at a narrow byte or a lead byte and is
// decoded by the number of bytes it gathered, whatever its lead byte announced.
INSTANTIATE_TEST_SUITE_P(
    Names, SplitName,
    testing::Values(
        SplitCase{"empty", "", {}},
        SplitCase{"ascii", "Ab", {"65", "98"}},
        SplitCase{"nul_byte", std::string("A\0B", 3), {"65", "0", "66"}},
        SplitCase{"ascii_then_hiragana", "A \xE3\x81\x82", {"65", "32", "u\\3042"}},
        SplitCase{"katakana_back_to_back",
                  "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88",
                  {"u\\30c6", "u\\30b9", "u\\30c8"}},
        SplitCase{"two_byte_then_digit", "\xC3\xA9" "1", {"u\\e9", "49"}},
        SplitCase{"four_byte_keeps_plane", "\xF0\x9F\x98\x80", {"u\\1f600"}},
        SplitCase{"highest_code_point", "\xF4\x8F\xBF\xBF", {"u\\10ffff"}},
        SplitCase{"stray_continuation", "\x80" "A", {"u\\ffffff80", "65"}},
        SplitCase{"lone_ff", "\xFF", {"u\\ffffffff"}},
        SplitCase{"continuations_without_lead", "\x80\x80", {"u\\0"}},
        SplitCase{"lead_after_lead", "\xC3\xC3\xA9", {"u\\ffffffc3", "u\\e9"}},
        SplitCase{"three_byte_cut_short", "\xE3\x81", {"u\\c1"}},
        SplitCase{"three_byte_cut_by_narrow", "\xE3\x81" "A", {"u\\c1", "65"}},
        SplitCase{"narrow_inside_sequence",
                  "\xE3" "A" "\x81\x82",
                  {"u\\ffffffe3", "65", "u\\42"}},
        SplitCase{"surplus_continuation", "\xC3\xA9\xA9", {"u\\3a69"}},
        SplitCase{"four_byte_lead_cut_to_three", "\xF0\x9F\x98", {"u\\7d8"}},
        SplitCase{"three_byte_lead_stretched_to_four", "\xE3\x81\x82\x83", {"u\\c1083"}},
        SplitCase{"overlong_nul", "\xC0\x80", {"u\\0"}},
        SplitCase{"overlong_7f", "\xC1\xBF", {"u\\7f"}},
        SplitCase{"five_byte_run", "\xF0\x9F\x98\x80\x80", {"u\\"}},
        SplitCase{"long_run_then_ascii", "\xC3\x80\x80\x80\x80" "A", {"u\\", "65"}}),
    [](const auto& info) { return info.param.label; });

TEST(GlyphCodeSplitter, KeepsEarlierCodesButNoPendingRunAcrossSplits) {
    GlyphCodeSplitter splitter;
    splitter.split("\xE3\x81");
    // The cut-short run was flushed at the end of the first name, so the continuation byte
    // opens a run of its own instead of completing U+3042.
    EXPECT_EQ(splitter.split("\x82"), (Codes{"u\\c1", "u\\ffffff82"}));
}

std::string utf8(char32_t cp) {
    std::string bytes;
    if (cp < 0x80) {
        bytes += static_cast<char>(cp);
    } else if (cp < 0x800) {
        bytes += static_cast<char>(0xC0 | (cp >> 6));
        bytes += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        bytes += static_cast<char>(0xE0 | (cp >> 12));
        bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (cp >> 18));
        bytes += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return bytes;
}

std::string expectedCode(char32_t cp) {
    std::array<char, 8> digits{};
    bool narrow = cp < 0x80;
    auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                             static_cast<std::uint32_t>(cp), narrow ? 10 : 16).ptr;
    return (narrow ? "" : "u\\") + std::string(digits.data(), end);
}

TEST(GlyphCodeSplitter, EveryScalarValueGivesItsOwnCode) {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp == 0xD800) cp = 0xE000;
        auto codes = GlyphCodeSplitter{}.split(utf8(cp));
        auto where = static_cast<std::uint32_t>(cp);
        ASSERT_EQ(codes.size(), 1u) << "U+" << std::hex << where;
        ASSERT_EQ(codes.front(), expectedCode(cp)) << "U+" << std::hex << where;
        ASSERT_TRUE(hasGlyphCodeShape(codes.front())) << codes.front();
    }
}

// --- The first codes only --------------------------------------------------------------

struct FirstCodesCase {
    const char* label;
    std::string name;
    std::size_t limit;

    friend void PrintTo(const FirstCodesCase& c, std::ostream* os) { *os << c.label; }
};

class FirstCodes : public testing::TestWithParam<FirstCodesCase> {};

// A limited split is a prefix of the whole one: the cut never changes a code before it.
TEST_P(FirstCodes, AreThePrefixOfTheWholeSplit) {
    auto whole = GlyphCodeSplitter{}.split(GetParam().name);
    auto first = GlyphCodeSplitter{}.splitFirst(GetParam().name, GetParam().limit);
    Codes expected(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(std::min(whole.size(), GetParam().limit)));
    EXPECT_EQ(first, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FirstCodes,
    testing::Values(FirstCodesCase{"shorter_than_the_limit", "Ab", 5},
                    FirstCodesCase{"cut_after_a_run", "\xe3\x81\x82\xe3\x81\x84x", 1},
                    FirstCodesCase{"cut_before_a_run", "x\xe3\x81\x82", 1},
                    FirstCodesCase{"run_ended_by_a_lead_byte", "\xc3\xa9\xc3\xa9\xc3\xa9", 2},
                    FirstCodesCase{"malformed_runs", "\x80\x41\xe3\x41\x81\x82\xc3\xa9\xa9", 4},
                    FirstCodesCase{"limit_zero", "Ab", 0}),
    [](const auto& info) { return info.param.label; });

bool dropDigits(std::string_view code) {
    return code.size() == 2 && ((code[0] == '4' && code[1] >= '8') || (code[0] == '5' && code[1] <= '7'));
}

TEST(GlyphCodeSplitter, DroppedCodesDoNotCountAgainstTheLimit) {
    EXPECT_EQ(GlyphCodeSplitter{}.splitFirst("0a1b2c", 2, dropDigits), (Codes{"97", "98"}));
}

// A run of any length is one code; only its first bytes are kept while it is gathered.
TEST(GlyphCodeSplitter, AnEndlessRunIsOneBareCode) {
    std::string name(1 << 22, '\x80');
    name += 'A';
    EXPECT_EQ(GlyphCodeSplitter{}.splitFirst(name, 128), (Codes{"u\\", "65"}));
}

}  // namespace
