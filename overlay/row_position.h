#pragma once

// Where a roster row's glyphs go vertically. Rows below the team-zero row count stack
// upward from just above the screen's vertical centre, the others downward from just below
// it. Shared with the tools that picture the overlay, so their rows are the renderer's.

#include <cstdint>
#include <limits>

#include "layout.h"

namespace layout {

// Truncation toward zero, saturating instead of overflowing for absurd screen sizes.
inline std::int32_t truncToInt32(double value) {
    constexpr double lowest = std::numeric_limits<std::int32_t>::lowest();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(value > lowest)) return std::numeric_limits<std::int32_t>::lowest();
    if (!(value < highest)) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

inline std::int32_t rowY(std::int32_t row, std::int32_t teamZeroRows, std::int32_t screenHeight) {
    double centre = screenHeight * kCentreFactor;
    if (row < teamZeroRows) {
        std::int32_t offset =
            truncToInt32(static_cast<double>(teamZeroRows + kUpperBlockExtraRows) * kRowPitch -
                         kUpperBlockLift) +
            kUpperBlockNudge;
        return truncToInt32(centre - offset + row * kRowPitch);
    }
    return truncToInt32(static_cast<double>(row - teamZeroRows) * kRowPitch + (centre + kLowerBlockGap));
}

}  // namespace layout
