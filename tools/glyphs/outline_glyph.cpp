#include "outline_glyph.h"

#include FT_OUTLINE_H

#include "freetype_units.h"
#include "tool_error.h"

namespace {

constexpr FT_Pos kSideMargin = kSubpixels;  // one pixel, so neighbouring glyphs never touch
constexpr std::uint8_t kWhite = 255;

// Moves the outline sideways into a cell `cell` subpixels wide: centred on its advance
// when the ink fits there, else shifted or squeezed until it does.
void fitIntoCell(FT_Outline& outline, FT_Pos advance, FT_Pos cell) {
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    const FT_Pos room = cell - 2 * kSideMargin;
    if (box.xMax - box.xMin > room) {
        FT_Matrix squeeze{FT_DivFix(room, box.xMax - box.xMin), 0, 0, 0x10000};
        FT_Outline_Transform(&outline, &squeeze);
        FT_Outline_Get_CBox(&outline, &box);
        FT_Outline_Translate(&outline, (cell - (box.xMax - box.xMin)) / 2 - box.xMin, 0);
        return;
    }
    FT_Pos shift = (cell - advance) / 2;
    if (box.xMin + shift < kSideMargin) shift = kSideMargin - box.xMin;
    if (box.xMax + shift > cell - kSideMargin) shift = cell - kSideMargin - box.xMax;
    FT_Outline_Translate(&outline, shift, 0);
}

}  // namespace

void drawOutlineGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                      std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image) {
    coverage.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    FT_Face face = font.face();
    // Unhinted: the overlay halves every image, which would undo any grid fitting.
    if (FT_Load_Char(face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    FT_Outline& outline = face->glyph->outline;
    fitIntoCell(outline, face->glyph->advance.x, image.width * kSubpixels);
    // FreeType's bitmap origin is its bottom-left corner.
    FT_Outline_Translate(&outline, 0, (image.height - metrics.baseline) * kSubpixels);

    FT_Bitmap target{};
    target.rows = static_cast<unsigned>(image.height);
    target.width = static_cast<unsigned>(image.width);
    target.pitch = image.width;
    target.buffer = coverage.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    if (FT_Outline_Get_Bitmap(font.library(), &outline, &target) != 0) {
        throw ToolError("FreeType failed to draw " + formatCodePoint(cp));
    }

    auto* pixel = image.rgba.data();
    for (std::uint8_t alpha : coverage) {
        pixel[0] = kWhite;
        pixel[1] = kWhite;
        pixel[2] = kWhite;
        pixel[3] = alpha;
        pixel += 4;
    }
}
