#include "outline_glyph.h"

#include "cell_fit.h"
#include "freetype_units.h"
#include "tool_error.h"

namespace {

constexpr std::uint8_t kWhite = 255;

}  // namespace

void drawOutlineGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                      std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image) {
    FT_Face face = font.face();
    // Unhinted: the overlay halves every image, which would undo any grid fitting.
    if (FT_Load_Char(face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    FT_Outline& outline = face->glyph->outline;
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    placeInImage(outline, fitIntoCell(box, face->glyph->advance.x, image.width * kSubpixels),
                 metrics.baseline, image);
    if (!renderCoverage(font.library(), outline, image, coverage)) {
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
