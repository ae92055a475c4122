// A chain is refused whole, naming the font, when one of its fonts cannot be used.

#include "text_fonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>

#include "debian_fonts.h"
#include "name_layout.h"
#include "scratch_folder.h"
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
    const ScratchFolder folder;
    const auto font = folder.path() / "font.ttf";
    if (!GetParam().content.empty()) std::ofstream(font, std::ios::binary) << GetParam().content;
    try {
        TextFonts fonts({{kDejaVuSans, 0}, {font, 0}});
        ADD_FAILURE() << "opened " << font;
    } catch (const TextError& e) {
        EXPECT_NE(std::string(e.what()).find("font.ttf"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(GetParam().says), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, RefusedChain,
                         testing::Values(RefusedChainCase{"missing", "", "cannot be read"},
                                         RefusedChainCase{"not_a_font", "plain text", "not a font"}),
                         [](const testing::TestParamInfo<RefusedChainCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(TextFonts, AnEmptyChainIsRefused) { EXPECT_THROW(TextFonts({}), TextError); }

// After the chain, the machine's fonts: each set of characters is asked for once, a font file
// is opened once however many characters it serves, and what it sets is drawn with it.
class SystemFallback : public testing::Test {
protected:
    static constexpr char kSinhala[] = "/usr/share/fonts/truetype/noto/NotoSansSinhala-Regular.ttf";

    SystemFallback() {
        fonts.setSystemFonts([this](std::span<const char32_t> chars) -> std::optional<FontSource> {
            ++asked;
            if (chars.empty() || chars.front() < 0x0D80 || chars.front() > 0x0DFF) return std::nullopt;
            return FontSource{kSinhala, 0};
        });
    }

    TextFonts fonts{{{kNotoSansCjk, 0}}};
    int asked = 0;
};

TEST_F(SystemFallback, AddsTheFontOnceForWhatTheChainLacks) {
    fonts.setSize(48);
    const char32_t ka[] = {0x0D9A};
    const char32_t a[] = {0x0D85};
    const auto first = fonts.systemFontFor(ka);
    ASSERT_EQ(first, std::optional<std::size_t>{1});
    EXPECT_EQ(fonts.systemFontFor(ka), first);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(fonts.systemFontFor(a), first);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(fonts.size(), 2u);
    // Sized as the chain is, for shaping and drawing.
    EXPECT_EQ(fonts.at(1).face->size->metrics.y_ppem, 48);
}

TEST_F(SystemFallback, NothingWhereTheSystemHasNothing) {
    const char32_t unassigned[] = {0x0378};
    EXPECT_FALSE(fonts.systemFontFor(unassigned));
    EXPECT_FALSE(fonts.systemFontFor(unassigned));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(fonts.size(), 1u);
}

TEST_F(SystemFallback, ANameSetsWithTheFoundFont) {
    fonts.setSize(48);
    const auto laid = layoutName(fonts, "Ann \u0DC3\u0DD2\u0D82\u0DC4\u0DBD", 1 << 30);
    bool sinhala = false;
    for (const auto& glyph : laid.glyphs) {
        EXPECT_NE(glyph.glyph, 0u);
        sinhala = sinhala || glyph.font == 1;
    }
    EXPECT_TRUE(sinhala);
}

}  // namespace
