#include "cell_fit.h"

#include "freetype_units.h"

namespace {

constexpr FT_Pos kSideMargin = kSubpixels;
constexpr FT_Fixed kOne = 0x10000;

}  // namespace

CellFit fitIntoCell(const FT_BBox& box, FT_Pos advance, FT_Pos cell) {
    const FT_Pos room = cell - 2 * kSideMargin;
    if (box.xMax - box.xMin > room) {
        const FT_Fixed squeeze = FT_DivFix(room, box.xMax - box.xMin);
        // Scaling by a positive factor keeps the leftmost point leftmost.
        const FT_Pos left = FT_MulFix(box.xMin, squeeze);
        const FT_Pos right = FT_MulFix(box.xMax, squeeze);
        return {squeeze, (cell - (right - left)) / 2 - left};
    }
    FT_Pos shift = (cell - advance) / 2;
    if (box.xMin + shift < kSideMargin) shift = kSideMargin - box.xMin;
    if (box.xMax + shift > cell - kSideMargin) shift = cell - kSideMargin - box.xMax;
    return {kOne, shift};
}

void placeInImage(FT_Outline& outline, const CellFit& fit, int baseline, const pngfile::RgbaImage& image) {
    if (fit.squeeze != kOne) {
        FT_Matrix squeeze{fit.squeeze, 0, 0, kOne};
        FT_Outline_Transform(&outline, &squeeze);
    }
    // FreeType's bitmap origin is its bottom-left corner.
    FT_Outline_Translate(&outline, fit.shift, (image.height - baseline) * kSubpixels);
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
