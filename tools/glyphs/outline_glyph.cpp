#include "outline_glyph.h"

#include "cell_fit.h"
#include "tool_error.h"

namespace {

constexpr std::uint8_t kWhite = 255;

}  // namespace

bool drawOutlineGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                      std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image) {
    FT_Face face = font.face();
    // Unhinted: the overlay halves every image, which would undo any grid fitting.
    if (FT_Load_Char(face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    FT_Outline& outline = face->glyph->outline;
    const Cell cell = cellOf(image, metrics.baseline);
    const CellFit fit = fitIntoCell(inkBox(outline), face->glyph->advance.x, cell);
    placeInImage(outline, fit, cell);
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
    return fit.fitted;
}
