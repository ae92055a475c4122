#pragma once

#include "layout.h"

// How big a glyph image is, from how the overlay draws it: every image at its draw scale,
// narrow glyphs one narrow advance apart, wide ones one wide advance, rows one row pitch.
// One image height for all glyphs keeps the baselines of a row in line.

namespace glyph_geometry {

inline constexpr int kNarrowImageWidth = static_cast<int>(layout::kNarrowAdvance / layout::kDrawScale);
inline constexpr int kWideImageWidth = static_cast<int>(layout::kWideAdvance / layout::kDrawScale);
inline constexpr int kImageHeight = static_cast<int>(layout::kRowPitch / layout::kDrawScale);

inline constexpr int imageWidth(bool wide) { return wide ? kWideImageWidth : kNarrowImageWidth; }

}  // namespace glyph_geometry
