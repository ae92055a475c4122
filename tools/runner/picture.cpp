#include "picture.h"

#include <algorithm>

namespace hostrun {
namespace {

// The part of rect that lies on the picture, as pixel bounds [left, right) x [top, bottom).
struct Span {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return left >= right || top >= bottom; }
};

Span clip(const pngfile::RgbaImage& picture, const Rect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return {};
    auto bound = [](std::int64_t value, int limit) {
        return static_cast<int>(std::clamp<std::int64_t>(value, 0, limit));
    };
    return {bound(rect.left, picture.width), bound(rect.top, picture.height),
            bound(rect.left + rect.width, picture.width), bound(rect.top + rect.height, picture.height)};
}

std::uint8_t* pixel(pngfile::RgbaImage& picture, int x, int y) {
    return picture.rgba.data() + (static_cast<std::size_t>(y) * picture.width + x) * 4;
}

const std::uint8_t* pixel(const pngfile::RgbaImage& image, int x, int y) {
    return image.rgba.data() + (static_cast<std::size_t>(y) * image.width + x) * 4;
}

// The source pixels [first, last) that target pixel i of count covers.
void sourceRange(int i, std::int64_t count, int sourceSize, int& first, int& last) {
    first = static_cast<int>(i * static_cast<std::int64_t>(sourceSize) / count);
    last = static_cast<int>((i + 1) * static_cast<std::int64_t>(sourceSize) / count);
    if (last <= first) last = first + 1;
}

}  // namespace

pngfile::RgbaImage blankPicture(int width, int height, Colour colour) {
    pngfile::RgbaImage picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    fillRect(picture, {0, 0, width, height}, colour);
    return picture;
}

void fillRect(pngfile::RgbaImage& picture, const Rect& rect, Colour colour) {
    auto span = clip(picture, rect);
    if (span.empty()) return;
    for (int y = span.top; y < span.bottom; ++y) {
        for (int x = span.left; x < span.right; ++x)
            std::copy(colour.begin(), colour.end(), pixel(picture, x, y));
    }
}

void outlineRect(pngfile::RgbaImage& picture, const Rect& rect, int thickness, Colour colour) {
    if (rect.width <= 2 * thickness || rect.height <= 2 * thickness) {
        fillRect(picture, rect, colour);
        return;
    }
    fillRect(picture, {rect.left, rect.top, rect.width, thickness}, colour);
    fillRect(picture, {rect.left, rect.top + rect.height - thickness, rect.width, thickness}, colour);
    fillRect(picture, {rect.left, rect.top, thickness, rect.height}, colour);
    fillRect(picture, {rect.left + rect.width - thickness, rect.top, thickness, rect.height}, colour);
}

void composite(pngfile::RgbaImage& picture, const pngfile::RgbaImage& image, const Rect& target,
               Colour tint) {
    auto span = clip(picture, target);
    if (span.empty() || image.width <= 0 || image.height <= 0) return;
    for (int y = span.top; y < span.bottom; ++y) {
        int firstRow = 0;
        int lastRow = 0;
        sourceRange(static_cast<int>(y - target.top), target.height, image.height, firstRow, lastRow);
        for (int x = span.left; x < span.right; ++x) {
            int firstColumn = 0;
            int lastColumn = 0;
            sourceRange(static_cast<int>(x - target.left), target.width, image.width, firstColumn,
                        lastColumn);
            // Colours are averaged weighted by their alpha, so that transparent pixels
            // (whatever colour they hold) do not darken a glyph's anti-aliased edge.
            std::uint64_t alpha = 0;
            std::uint64_t weighted[3] = {0, 0, 0};
            for (int sy = firstRow; sy < lastRow; ++sy) {
                for (int sx = firstColumn; sx < lastColumn; ++sx) {
                    const auto* source = pixel(image, sx, sy);
                    alpha += source[3];
                    for (int c = 0; c < 3; ++c) weighted[c] += std::uint64_t{source[c]} * source[3];
                }
            }
            if (alpha == 0) continue;
            const std::uint64_t count =
                std::uint64_t(lastRow - firstRow) * std::uint64_t(lastColumn - firstColumn);
            const std::uint64_t coverage = (alpha * tint[3] + count * 255 / 2) / (count * 255);  // 0..255
            auto* destination = pixel(picture, x, y);
            for (int c = 0; c < 3; ++c) {
                const std::uint64_t colour = (weighted[c] * tint[c] + alpha * 255 / 2) / (alpha * 255);
                destination[c] = static_cast<std::uint8_t>(
                    (colour * coverage + destination[c] * (255 - coverage) + 127) / 255);
            }
        }
    }
}

}  // namespace hostrun
