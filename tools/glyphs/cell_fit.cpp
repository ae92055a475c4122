#include "cell_fit.h"

#include FT_BBOX_H

#include "freetype_units.h"

namespace {

constexpr FT_Pos kMargin = kSubpixels;
constexpr FT_Fixed kOne = 0x10000;
// Scaled points round to the nearest subpixel: a scaled glyph is given this much less room
// on each side, so that rounding never carries its ink into a margin.
constexpr FT_Pos kRoundingRoom = 1;

struct Vertical {
    FT_Fixed scale = kOne;
    FT_Pos lift = 0;
};

// y grows upwards from the baseline, as in the font; the cell's rows go down from its top.
Vertical fitVertically(FT_Pos yMin, FT_Pos yMax, const Cell& cell) {
    const FT_Pos room = cell.height - 2 * kMargin;
    Vertical fit;
    FT_Pos floor = cell.baseline - (cell.height - kMargin);  // the lowest the ink may reach
    FT_Pos ceiling = cell.baseline - kMargin;                // the highest
    if (yMax - yMin > room) {
        fit.scale = FT_DivFix(room - 2 * kRoundingRoom, yMax - yMin);
        yMin = FT_MulFix(yMin, fit.scale);
        yMax = FT_MulFix(yMax, fit.scale);
        floor += kRoundingRoom;
        ceiling -= kRoundingRoom;
    }
    if (yMin < floor) fit.lift = floor - yMin;
    if (yMax > ceiling) fit.lift = ceiling - yMax;
    return fit;
}

}  // namespace

Cell cellOf(const pngfile::RgbaImage& image, int baseline) {
    return {image.width * kSubpixels, image.height * kSubpixels, baseline * kSubpixels};
}

CellFit fitIntoCell(const FT_BBox& ink, FT_Pos advance, const Cell& cell) {
    const auto vertical = fitVertically(ink.yMin, ink.yMax, cell);
    CellFit fit;
    fit.scale = vertical.scale;
    fit.lift = vertical.lift;
    const FT_Pos centred = (cell.width - advance) / 2;
    FT_Pos xMin = ink.xMin;
    FT_Pos xMax = ink.xMax;
    if (fit.scale != kOne) {
        xMin = FT_MulFix(xMin, fit.scale);
        xMax = FT_MulFix(xMax, fit.scale);
        advance = FT_MulFix(advance, fit.scale);
    }

    const FT_Pos room = cell.width - 2 * kMargin;
    if (xMax - xMin > room) {
        fit.squeeze = FT_DivFix(room - 2 * kRoundingRoom, xMax - xMin);
        // Scaling by a positive factor keeps the leftmost point leftmost.
        const FT_Pos left = FT_MulFix(xMin, fit.squeeze);
        const FT_Pos right = FT_MulFix(xMax, fit.squeeze);
        fit.shift = (cell.width - (right - left)) / 2 - left;
    } else {
        fit.shift = (cell.width - advance) / 2;
        if (xMin + fit.shift < kMargin) fit.shift = kMargin - xMin;
        if (xMax + fit.shift > cell.width - kMargin) fit.shift = cell.width - kMargin - xMax;
    }
    fit.fitted = fit.scale != kOne || fit.squeeze != kOne || fit.lift != 0 || fit.shift != centred;
    return fit;
}

FT_BBox inkBox(FT_Outline& outline) {
    FT_BBox box{};
    FT_Outline_Get_BBox(&outline, &box);
    return box;
}

void placeInImage(FT_Outline& outline, const CellFit& fit, const Cell& cell) {
    if (fit.scale != kOne || fit.squeeze != kOne) {
        FT_Matrix resize{FT_MulFix(fit.scale, fit.squeeze), 0, 0, fit.scale};
        FT_Outline_Transform(&outline, &resize);
    }
    // FreeType's bitmap origin is its bottom-left corner.
    FT_Outline_Translate(&outline, fit.shift, cell.height - cell.baseline + fit.lift);
}

bool renderCoverage(FT_Library library, FT_Outline& outline, const pngfile::RgbaImage& image,
                    std::vector<std::uint8_t>& coverage) {
    coverage.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    FT_Bitmap target{};
    target.rows = static_cast<unsigned>(image.height);
    target.width = static_cast<unsigned>(image.width);
    target.pitch = image.width;
    target.buffer = coverage.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    return FT_Outline_Get_Bitmap(library, &outline, &target) == 0;
}
