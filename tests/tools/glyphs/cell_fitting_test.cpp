// Glyphs of Debian's fonts whose ink reaches past the cell at the main font's size and
// baseline are moved or scaled until none is cut; those that fit are drawn where the font
// puts them.

#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cstdint>
#include <ostream>
#include <vector>

#include "font_face.h"
#include "glyph_raster.h"
#include "png_reading.h"
#include "test_fonts.h"

namespace {

constexpr char kTamilFont[] = "/usr/share/fonts/truetype/noto/NotoSansTamil-Regular.ttf";
constexpr char kKannadaFont[] = "/usr/share/fonts/truetype/noto/NotoSansKannada-Regular.ttf";
constexpr char kJavaneseFont[] = "/usr/share/fonts/truetype/noto/NotoSansJavanese-Regular.ttf";
constexpr char kMathFont[] = "/usr/share/fonts/truetype/noto/NotoSansMath-Regular.ttf";
constexpr FT_Pos kSubpixel = 64;

struct FittingCase {
    const char* label;
    const char* font;
    CodePoint character;
    bool fits;

    friend void PrintTo(const FittingCase& c, std::ostream* os) { *os << c.label; }
};

class CellFitting : public testing::TestWithParam<FittingCase> {};

// The glyph's coverage centred on its advance, on the baseline, at the size given: where the
// font puts it, cut or not.
std::vector<std::uint8_t> unfitted(const FittingCase& c, const RasterMetrics& metrics, int width,
                                   int height) {
    FontFace font({c.font, 0});
    FT_Face face = font.face();
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(width) * height);
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(metrics.pixelsPerEm)) != 0 ||
        FT_Load_Char(face, c.character, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
        return {};
    }
    FT_Outline_Translate(&face->glyph->outline, (width * kSubpixel - face->glyph->advance.x) / 2,
                         (height - metrics.baseline) * kSubpixel);
    FT_Bitmap target{};
    target.rows = static_cast<unsigned>(height);
    target.width = static_cast<unsigned>(width);
    target.pitch = width;
    target.buffer = coverage.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    if (FT_Outline_Get_Bitmap(font.library(), &face->glyph->outline, &target) != 0) return {};
    return coverage;
}

TEST_P(CellFitting, NoInkIsCutAndAGlyphThatFitsStaysWhereTheFontPutsIt) {
    const auto& c = GetParam();
    GlyphRasterizer rasterizer({{kNotoSansCjk, 0}, {c.font, 0}});
    const auto& image = rasterizer.render(c.character, true, 1);
    const DecodedPng png{image.width, image.height, image.rgba};
    const auto box = inkBox(png);

    ASSERT_FALSE(box.empty());
    EXPECT_GT(box.left, 0);
    EXPECT_LT(box.right, png.width - 1);
    EXPECT_GT(box.top, 0);
    EXPECT_LT(box.bottom, png.height - 1);
    EXPECT_EQ(rasterizer.fitted(), !c.fits);
    if (!c.fits) {
        // Moved only as far as it must: it reaches the first or last row it may.
        EXPECT_TRUE(box.top == 1 || box.bottom == png.height - 2) << box.top << " to " << box.bottom;
        return;
    }
    std::vector<std::uint8_t> alpha;
    for (std::size_t i = 3; i < png.rgba.size(); i += 4) alpha.push_back(png.rgba[i]);
    EXPECT_EQ(alpha, unfitted(c, rasterizer.metrics(), png.width, png.height));
}

INSTANTIATE_TEST_SUITE_P(
    Glyphs, CellFitting,
    testing::Values(FittingCase{"arabic_yeh_keeps_its_dots", kNotoSansArabic, 0x064A, false},
                    FittingCase{"arabic_jeem_keeps_its_tail", kNotoSansArabic, 0x062C, false},
                    FittingCase{"arabic_small_high_mark_moved_down", kNotoSansArabic, 0x06D6, false},
                    FittingCase{"tamil_ha_moved_up", kTamilFont, 0x0BB9, false},
                    FittingCase{"kannada_vowel_sign_below", kKannadaFont, 0x0CC3, false},
                    FittingCase{"script_small_f", kMathFont, 0x1D4BB, false},
                    FittingCase{"javanese_sign_taller_than_the_cell", kJavaneseFont, 0xA9C5, false},
                    FittingCase{"arabic_alef_fits", kNotoSansArabic, 0x0627, true},
                    FittingCase{"tamil_ka_fits", kTamilFont, 0x0B95, true},
                    FittingCase{"bold_capital_a_fits", kMathFont, 0x1D400, true}),
    [](const testing::TestParamInfo<FittingCase>& info) { return info.param.label; });

}  // namespace
