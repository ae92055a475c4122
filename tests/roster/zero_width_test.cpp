// Which glyph codes take no cell: the edges of every zero-width range, and codes that only
// look like them.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "zero_width.h"

namespace {

struct ZeroWidthCase {
    std::string code;
    bool zeroWidth;
};

class ZeroWidth : public testing::TestWithParam<ZeroWidthCase> {};

TEST_P(ZeroWidth, IsToldByItsCodePoint) {
    EXPECT_EQ(isZeroWidthGlyphCode(GetParam().code), GetParam().zeroWidth) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ZeroWidth,
    testing::Values(ZeroWidthCase{"u\\200a", false}, ZeroWidthCase{"u\\200b", true}, ZeroWidthCase{"u\\200d", true},
                    ZeroWidthCase{"u\\200e", false}, ZeroWidthCase{"u\\2060", true}, ZeroWidthCase{"u\\2061", false},
                    ZeroWidthCase{"u\\fdff", false}, ZeroWidthCase{"u\\fe00", true}, ZeroWidthCase{"u\\fe0f", true},
                    ZeroWidthCase{"u\\fe10", false}, ZeroWidthCase{"u\\feff", true}, ZeroWidthCase{"u\\e00ff", false},
                    ZeroWidthCase{"u\\e0100", true}, ZeroWidthCase{"u\\e01ef", true}, ZeroWidthCase{"u\\e01f0", false},
                    // A narrow code is never zero-width, whatever its digits; nor a malformed run.
                    ZeroWidthCase{"8203", false}, ZeroWidthCase{"u\\", false}, ZeroWidthCase{"u\\ffffffef", false}),
    // The default name would print the string's bytes, pointer included, which differ between the
    // listing run and the test run.
    [](const testing::TestParamInfo<ZeroWidthCase>& info) {
        std::string name;
        for (char c : info.param.code) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

}  // namespace
