#pragma once

// The scaled layout: a glyph's position on the reference screen (1920 x 1080, where the
// fixed layout was made) mapped onto the real screen about its centre, by s = H / 1080.
// At 1920 x 1080 it is the fixed layout to the pixel. Shared with the tools that picture
// the overlay.

#include <cstdint>

#include "Vector2.h"
#include "layout.h"
#include "row_position.h"

namespace layout {

struct ScreenMapping {
    double scale = 1.0;  // s
    double halfWidth = 0.0;
    double halfHeight = 0.0;
};

inline ScreenMapping scaledMapping(Vector2 screen) {
    return {screen.Y / static_cast<double>(kReferenceHeight), screen.X * kCentreFactor,
            screen.Y * kCentreFactor};
}

// Where x of the reference screen lands on the real one, unrounded.
inline double scaledX(double x, const ScreenMapping& map) {
    return map.halfWidth + (x - kReferenceWidth * kCentreFactor) * map.scale;
}

inline Vector2 scaledPosition(std::int32_t x, std::int32_t y, const ScreenMapping& map) {
    constexpr double referenceCentreX = kReferenceWidth * kCentreFactor;
    constexpr double referenceCentreY = kReferenceHeight * kCentreFactor;
    return {truncToInt32(map.halfWidth + (x - referenceCentreX) * map.scale),
            truncToInt32(map.halfHeight + (y - referenceCentreY) * map.scale)};
}

inline float scaledDrawScale(const ScreenMapping& map) {
    return static_cast<float>(static_cast<double>(kDrawScale) * map.scale);
}

}  // namespace layout
