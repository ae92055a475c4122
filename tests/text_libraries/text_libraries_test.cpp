#include <fribidi.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>
#include <hb-ft.h>
#include <hb.h>

#include <string>
#include <vector>

namespace {

// Debian's DejaVu Sans (.ci/install-deps installs it) has Arabic letters in their joined forms.
constexpr char kFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// HarfBuzz, through FreeType, joins Arabic: the same letter twice takes two different
// glyphs, its initial and its final form.
TEST(TextLibraries, HarfBuzzJoinsArabicThroughFreeType) {
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    FT_Face face = nullptr;
    ASSERT_EQ(FT_New_Face(library, kFont, 0, &face), 0) << kFont;
    ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, 32), 0);
    hb_font_t* font = hb_ft_font_create_referenced(face);
    hb_buffer_t* buffer = hb_buffer_create();
    const std::string twoBehs = "\xD8\xA8\xD8\xA8";  // U+0628 U+0628
    hb_buffer_add_utf8(buffer, twoBehs.c_str(), static_cast<int>(twoBehs.size()), 0, -1);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);

    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer, &count);
    EXPECT_EQ(hb_buffer_get_direction(buffer), HB_DIRECTION_RTL);
    ASSERT_EQ(count, 2u);
    EXPECT_NE(glyphs[0].codepoint, 0u);
    EXPECT_NE(glyphs[0].codepoint, glyphs[1].codepoint);
    EXPECT_NE(glyphs[0].codepoint, FT_Get_Char_Index(face, 0x0628));

    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

// FriBidi puts a Hebrew word after a Latin one in visual order, its letters reversed.
TEST(TextLibraries, FriBidiReordersAMixedLine) {
    const std::vector<FriBidiChar> logical = {'a', 'b', ' ', 0x05D0, 0x05D1, 0x05D2};
    std::vector<FriBidiChar> visual(logical.size());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    ASSERT_TRUE(fribidi_log2vis(logical.data(), static_cast<FriBidiStrIndex>(logical.size()), &direction,
                                visual.data(), nullptr, nullptr, nullptr));
    EXPECT_EQ(direction, FRIBIDI_PAR_LTR);
    EXPECT_EQ(visual, (std::vector<FriBidiChar>{'a', 'b', ' ', 0x05D2, 0x05D1, 0x05D0}));
}

}  // namespace
