#include "image_scaling.h"

#include <stb_image_resize.h>

#include "text_error.h"

void scaleImage(const PremultipliedImage& from, int width, int height, PremultipliedImage& to) {
    constexpr int kChannels = 4;
    constexpr int kAlphaChannel = 3;
    to.width = width;
    to.height = height;
    to.rgba.assign(static_cast<std::size_t>(width) * height * kChannels, 0);
    // Linear: glyph bitmaps are blended as stored, the way FreeType and the game draw them.
    const int done =
        stbir_resize_uint8_generic(from.rgba.data(), from.width, from.height, 0, to.rgba.data(), width,
                                   height, 0, kChannels, kAlphaChannel, STBIR_FLAG_ALPHA_PREMULTIPLIED,
                                   STBIR_EDGE_ZERO, STBIR_FILTER_DEFAULT, STBIR_COLORSPACE_LINEAR, nullptr);
    if (done == 0) {
        throw TextError("cannot scale a " + std::to_string(from.width) + "x" + std::to_string(from.height) +
                        " glyph bitmap to " + std::to_string(width) + "x" + std::to_string(height));
    }
}
