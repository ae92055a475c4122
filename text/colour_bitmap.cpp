#include "colour_bitmap.h"

#include FT_BITMAP_H

#include <algorithm>
#include <cstddef>
#include <string>

#include "text_error.h"

namespace {

constexpr unsigned kOpaque = 255;

struct ConvertedBitmap {
    explicit ConvertedBitmap(FT_Library library) : library(library) { FT_Bitmap_Init(&bitmap); }
    ~ConvertedBitmap() { FT_Bitmap_Done(library, &bitmap); }
    ConvertedBitmap(const ConvertedBitmap&) = delete;
    ConvertedBitmap& operator=(const ConvertedBitmap&) = delete;

    FT_Library library;
    FT_Bitmap bitmap;
};

const std::uint8_t* row(const FT_Bitmap& bitmap, unsigned y) {
    // A negative pitch means the rows are stored bottom up.
    const auto pitch = static_cast<std::ptrdiff_t>(bitmap.pitch);
    const auto first =
        pitch >= 0 ? std::ptrdiff_t{0} : -pitch * (static_cast<std::ptrdiff_t>(bitmap.rows) - 1);
    return bitmap.buffer + first + pitch * static_cast<std::ptrdiff_t>(y);
}

void fromBgra(const FT_Bitmap& bitmap, PremultipliedImage& out) {
    auto* pixel = out.rgba.data();
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const auto* source = row(bitmap, y);
        for (unsigned x = 0; x < bitmap.width; ++x, source += 4, pixel += 4) {
            pixel[0] = source[2];
            pixel[1] = source[1];
            pixel[2] = source[0];
            pixel[3] = source[3];
        }
    }
}

// White ink: premultiplied, every channel is the coverage.
void fromGrey(const FT_Bitmap& bitmap, PremultipliedImage& out) {
    const unsigned levels = std::max(bitmap.num_grays, static_cast<unsigned short>(2)) - 1u;
    auto* pixel = out.rgba.data();
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const auto* source = row(bitmap, y);
        for (unsigned x = 0; x < bitmap.width; ++x, pixel += 4) {
            const auto coverage = static_cast<std::uint8_t>((source[x] * kOpaque + levels / 2) / levels);
            std::fill_n(pixel, 4, coverage);
        }
    }
}

}  // namespace

void toPremultiplied(FT_Library library, const FT_Bitmap& bitmap, PremultipliedImage& out) {
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.rgba.assign(static_cast<std::size_t>(bitmap.width) * bitmap.rows * 4, 0);
    switch (bitmap.pixel_mode) {
        case FT_PIXEL_MODE_BGRA:
            fromBgra(bitmap, out);
            return;
        case FT_PIXEL_MODE_GRAY:
            fromGrey(bitmap, out);
            return;
        case FT_PIXEL_MODE_MONO:
        case FT_PIXEL_MODE_GRAY2:
        case FT_PIXEL_MODE_GRAY4: {
            // One byte a pixel, values 0 to num_grays - 1.
            ConvertedBitmap bytes(library);
            if (FT_Bitmap_Convert(library, &bitmap, &bytes.bitmap, 1) != 0) {
                throw TextError("FreeType failed to convert a glyph bitmap");
            }
            fromGrey(bytes.bitmap, out);
            return;
        }
        default:
            throw TextError("the font's bitmaps are in a pixel format that cannot be drawn (mode " +
                            std::to_string(bitmap.pixel_mode) + ")");
    }
}

namespace {

// One pixel from premultiplied to straight, rounded and capped: a sharpening filter can
// leave a colour above its alpha.
void straighten(const std::uint8_t* source, std::uint8_t* target) {
    const unsigned alpha = source[3];
    target[3] = source[3];
    if (alpha == kOpaque) {
        for (int channel = 0; channel < 3; ++channel) target[channel] = source[channel];
        return;
    }
    for (int channel = 0; channel < 3; ++channel) {
        const unsigned value = alpha == 0 ? 0 : (source[channel] * kOpaque + alpha / 2) / alpha;
        target[channel] = static_cast<std::uint8_t>(std::min(value, kOpaque));
    }
}

}  // namespace

void toStraight(std::vector<std::uint8_t>& rgba) {
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) straighten(&rgba[i], &rgba[i]);
}

void blitStraight(const PremultipliedImage& from, int x, int y, pngfile::RgbaImage& to) {
    const int left = std::max(0, -x);
    const int right = std::min(from.width, to.width - x);
    const int top = std::max(0, -y);
    const int bottom = std::min(from.height, to.height - y);
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            const auto* source = &from.rgba[(static_cast<std::size_t>(row) * from.width + column) * 4];
            straighten(source, &to.rgba[(static_cast<std::size_t>(row + y) * to.width + column + x) * 4]);
        }
    }
}
