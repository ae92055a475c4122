#include "layered_glyph.h"

#include FT_COLOR_H

#include <algorithm>

#include "cell_fit.h"
#include "tool_error.h"

namespace {

// The layer colour index that means "the text's colour", which for these images is white.
constexpr FT_UInt kTextColour = 0xFFFF;
constexpr FT_Color kWhite{255, 255, 255, 255};  // blue, green, red, alpha

struct Layer {
    FT_UInt glyph;
    FT_Color colour;
};

std::vector<Layer> layersOf(FT_Face face, FT_UInt baseGlyph) {
    FT_Color* palette = nullptr;
    FT_Palette_Data paletteData{};
    const bool hasPalette = FT_Palette_Data_Get(face, &paletteData) == 0 && paletteData.num_palettes > 0 &&
                            FT_Palette_Select(face, 0, &palette) == 0;
    std::vector<Layer> layers;
    FT_LayerIterator iterator{};
    FT_UInt glyph = 0;
    FT_UInt colourIndex = 0;
    while (FT_Get_Color_Glyph_Layer(face, baseGlyph, &glyph, &colourIndex, &iterator)) {
        const bool fromPalette =
            colourIndex != kTextColour && hasPalette && colourIndex < paletteData.num_palette_entries;
        layers.push_back({glyph, fromPalette ? palette[colourIndex] : kWhite});
    }
    return layers;
}

FT_Outline& loadLayer(FT_Face face, FT_UInt glyph, CodePoint cp) {
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
        throw ToolError("a colour layer of the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    return face->glyph->outline;
}

// Paints `colour` with the layer's coverage over what the image holds (straight alpha).
void paintOver(const std::vector<std::uint8_t>& coverage, const FT_Color& colour, pngfile::RgbaImage& image) {
    auto* pixel = image.rgba.data();
    const double source[3] = {colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0};
    for (std::uint8_t cover : coverage) {
        const double alpha = cover / 255.0 * (colour.alpha / 255.0);
        if (alpha > 0) {
            const double below = pixel[3] / 255.0 * (1 - alpha);
            const double out = alpha + below;
            for (int c = 0; c < 3; ++c) {
                const double mixed = (source[c] * alpha + pixel[c] / 255.0 * below) / out;
                pixel[c] = static_cast<std::uint8_t>(std::clamp(mixed * 255.0 + 0.5, 0.0, 255.0));
            }
            pixel[3] = static_cast<std::uint8_t>(std::clamp(out * 255.0 + 0.5, 0.0, 255.0));
        }
        pixel += 4;
    }
}

}  // namespace

std::optional<bool> drawLayeredGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                                     std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image) {
    FT_Face face = font.face();
    const FT_UInt baseGlyph = FT_Get_Char_Index(face, cp);
    const auto layers = layersOf(face, baseGlyph);
    if (layers.empty()) return std::nullopt;

    // The layers move as one: fitted by the ink of them all and the base glyph's advance.
    if (FT_Load_Glyph(face, baseGlyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
        throw ToolError("the font's glyph for " + formatCodePoint(cp) + " cannot be drawn");
    }
    const FT_Pos advance = face->glyph->advance.x;
    FT_BBox ink{};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const FT_BBox box = inkBox(loadLayer(face, layers[i].glyph, cp));
        if (i == 0) {
            ink = box;
            continue;
        }
        ink.xMin = std::min(ink.xMin, box.xMin);
        ink.yMin = std::min(ink.yMin, box.yMin);
        ink.xMax = std::max(ink.xMax, box.xMax);
        ink.yMax = std::max(ink.yMax, box.yMax);
    }
    const Cell cell = cellOf(image, metrics.baseline);
    const CellFit fit = fitIntoCell(ink, advance, cell);

    for (const auto& layer : layers) {
        FT_Outline& outline = loadLayer(face, layer.glyph, cp);
        placeInImage(outline, fit, cell);
        if (!renderCoverage(font.library(), outline, image, coverage)) {
            throw ToolError("FreeType failed to draw " + formatCodePoint(cp));
        }
        paintOver(coverage, layer.colour, image);
    }
    return fit.fitted;
}
