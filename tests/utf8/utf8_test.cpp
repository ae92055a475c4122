#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "utf8.h"

namespace {

struct SequenceCase {
    const char* label;
    std::string bytes;
    std::size_t length;  // 0: not well formed

    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.label; }
};

class WellFormed : public testing::TestWithParam<SequenceCase> {};

TEST_P(WellFormed, SequenceLengthAtTheStart) {
    EXPECT_EQ(utf8::sequenceLength(GetParam().bytes), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, WellFormed,
    testing::Values(SequenceCase{"empty", "", 0}, SequenceCase{"ascii", "A\xc3", 1},
                    SequenceCase{"two_bytes", "\xc3\xa9", 2}, SequenceCase{"three_bytes", "\xe3\x81\x82x", 3},
                    SequenceCase{"four_bytes", "\xf0\x9f\x98\x80", 4},
                    SequenceCase{"overlong_two", "\xc1\xbf", 0}, SequenceCase{"overlong_three", "\xe0\x9f\xbf", 0},
                    SequenceCase{"overlong_four", "\xf0\x8f\xbf\xbf", 0},
                    SequenceCase{"surrogate", "\xed\xa0\x80", 0}, SequenceCase{"last_before_surrogates", "\xed\x9f\xbf", 3},
                    SequenceCase{"past_u10ffff", "\xf4\x90\x80\x80", 0}, SequenceCase{"u10ffff", "\xf4\x8f\xbf\xbf", 4},
                    SequenceCase{"stray_continuation", "\x80", 0}, SequenceCase{"cut_short", "\xe3\x81", 0},
                    SequenceCase{"continuation_missing", "\xe3\x41\x82", 0}, SequenceCase{"lead_f5", "\xf5\x80\x80\x80", 0}),
    [](const auto& info) { return info.param.label; });

TEST(Utf8, EveryScalarValueRoundTrips) {
    for (char32_t cp = 0; cp <= utf8::kLastCodePoint; ++cp) {
        if (utf8::isSurrogate(cp)) continue;
        auto bytes = utf8::encode(cp);
        ASSERT_EQ(utf8::sequenceLength(bytes), bytes.size()) << std::hex << static_cast<std::uint32_t>(cp);
        std::size_t offset = 0;
        auto decoded = utf8::decode(bytes, offset);
        ASSERT_TRUE(decoded) << std::hex << static_cast<std::uint32_t>(cp);
        ASSERT_EQ(*decoded, std::vector<char32_t>{cp});
    }
}

TEST(Utf8, DecodeNamesTheFirstBadByte) {
    std::size_t offset = 99;
    EXPECT_FALSE(utf8::decode("ab\xc3\xa9\xe3\x81", offset));
    EXPECT_EQ(offset, 4u);
    EXPECT_EQ(utf8::decode("", offset), std::vector<char32_t>{});
}

// The glyph codes of malformed names come from these bits: the lead byte masked by the
// run's length, whatever it announces.
TEST(Utf8, RunValueReadsTheBitsOfAnyRun) {
    EXPECT_EQ(utf8::runValue("\xe3\x81\x82"), U'\u3042');
    EXPECT_EQ(utf8::runValue("\xf0\x9f\x98\x80"), U'\U0001F600');
    EXPECT_EQ(utf8::runValue("\xe3\x81"), char32_t{0xC1});  // a three-byte lead cut short
    EXPECT_EQ(utf8::runValue("\xc0\x80"), char32_t{0});     // overlong, still read
}

TEST(Utf8, ReplaceInvalidGivesOneReplacementPerBadByte) {
    EXPECT_EQ(utf8::replaceInvalid("a\xe3\x81" "b\xc3\xa9"), "a\xef\xbf\xbd\xef\xbf\xbd" "b\xc3\xa9");
    EXPECT_EQ(utf8::replaceInvalid("\xed\xa0\x80"), "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd");
    EXPECT_EQ(utf8::replaceInvalid("ok"), "ok");
}

}  // namespace
