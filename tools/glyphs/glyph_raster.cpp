#include "glyph_raster.h"

#include <algorithm>
#include <cmath>

#include FT_OUTLINE_H

#include "glyph_geometry.h"
#include "tool_error.h"

namespace {

constexpr FT_Pos kSubpixels = 64;           // FreeType's 26.6 fixed point
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

RasterMetrics rasterMetrics(FT_Face face) {
    using namespace glyph_geometry;
    const double unitsPerEm = face->units_per_EM;
    const double lineUnits = face->ascender - face->descender;
    int pixelsPerEm = kWideImageWidth;
    if (lineUnits > 0) {
        pixelsPerEm =
            std::min(pixelsPerEm, static_cast<int>(std::floor(kImageHeight * unitsPerEm / lineUnits)));
    }
    const double scale = pixelsPerEm / unitsPerEm;
    const double topGap = (kImageHeight - lineUnits * scale) / 2;
    return {pixelsPerEm, static_cast<int>(std::lround(topGap + face->ascender * scale))};
}

GlyphRasterizer::GlyphRasterizer(const std::vector<FontSource>& sources)
    : fonts(sources), layout(rasterMetrics(fonts.main().face())) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (FT_Set_Pixel_Sizes(fonts.at(i).face(), 0, static_cast<FT_UInt>(layout.pixelsPerEm)) != 0) {
            throw ToolError("font '" + sources[i].path.string() + "' cannot be drawn at " +
                            std::to_string(layout.pixelsPerEm) + " pixels");
        }
    }
}

const GlyphImage& GlyphRasterizer::render(CodePoint cp, bool wide, std::size_t fontIndex) {
    const int width = glyph_geometry::imageWidth(wide);
    const int height = glyph_geometry::kImageHeight;
    coverage.assign(static_cast<std::size_t>(width) * height, 0);

    FontFace& font = fonts.at(fontIndex);
    FT_Face face = font.face();
    // Unhinted: the overlay halves every image, which would undo any grid fitting.
    if (FT_Load_Char(face, cp, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) +
                        " cannot be drawn (only outline fonts are supported)");
    }
    FT_Outline& outline = face->glyph->outline;
    fitIntoCell(outline, face->glyph->advance.x, width * kSubpixels);
    // FreeType's bitmap origin is its bottom-left corner.
    FT_Outline_Translate(&outline, 0, (height - layout.baseline) * kSubpixels);

    FT_Bitmap target{};
    target.rows = static_cast<unsigned>(height);
    target.width = static_cast<unsigned>(width);
    target.pitch = width;
    target.buffer = coverage.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    if (FT_Outline_Get_Bitmap(font.library(), &outline, &target) != 0) {
        throw ToolError("FreeType failed to draw " + formatCodePoint(cp));
    }

    image.width = width;
    image.height = height;
    image.rgba.resize(coverage.size() * 4);
    auto* pixel = image.rgba.data();
    for (std::uint8_t alpha : coverage) {
        pixel[0] = kWhite;
        pixel[1] = kWhite;
        pixel[2] = kWhite;
        pixel[3] = alpha;
        pixel += 4;
    }
    return image;
}
