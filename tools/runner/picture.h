#pragma once

// Painting on an opaque RGBA picture: filled and outlined rectangles, and images scaled,
// tinted and blended over it. Everything is clipped to the picture, so callers may paint
// partly or wholly off it.

#include <array>
#include <cstdint>

#include "rgba_image.h"

namespace hostrun {

using Colour = std::array<std::uint8_t, 4>;

// Wide enough that positions from the plugin plus sizes from any scale cannot overflow.
struct Rect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

pngfile::RgbaImage blankPicture(int width, int height, Colour colour);

void fillRect(pngfile::RgbaImage& picture, const Rect& rect, Colour colour);

// A frame of the given thickness just inside rect.
void outlineRect(pngfile::RgbaImage& picture, const Rect& rect, int thickness, Colour colour);

// Scales image to target's size, averaging the source pixels under each target pixel,
// multiplies it by tint (component by component, alpha too) and blends it over the picture.
void composite(pngfile::RgbaImage& picture, const pngfile::RgbaImage& image, const Rect& target, Colour tint);

}  // namespace hostrun
