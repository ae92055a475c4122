// A chain is refused whole, naming the font, when one of its fonts cannot be used.

#include "text_fonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "text_error.h"

namespace {

struct RefusedChainCase {
    const char* label;
    std::string content;  // of the file given as a font; empty: no file at all
    const char* says;

    friend void PrintTo(const RefusedChainCase& c, std::ostream* os) { *os << c.label; }
};

class RefusedChain : public testing::TestWithParam<RefusedChainCase> {};

TEST_P(RefusedChain, NamesTheFont) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("veltrona-text-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const auto font = folder / "font.ttf";
    if (!GetParam().content.empty()) std::ofstream(font, std::ios::binary) << GetParam().content;
    try {
        TextFonts fonts({{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0}, {font, 0}});
        ADD_FAILURE() << "opened " << font;
    } catch (const TextError& e) {
        EXPECT_NE(std::string(e.what()).find("font.ttf"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().says), std::string::npos) << e.what();
    }
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Fonts, RefusedChain,
                         testing::Values(RefusedChainCase{"missing", "", "cannot be read"},
                                         RefusedChainCase{"not_a_font", "plain text", "not a font"}),
                         [](const testing::TestParamInfo<RefusedChainCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(TextFonts, AnEmptyChainIsRefused) { EXPECT_THROW(TextFonts({}), TextError); }

}  // namespace
