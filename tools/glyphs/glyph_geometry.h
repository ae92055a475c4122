#pragma once

// How big a glyph image is, from how the overlay draws it: every image at half size,
// narrow glyphs 32 screen pixels apart, wide ones 42, rows 57 apart. One image height for
// all glyphs keeps the baselines of a row in line.

namespace glyph_geometry {

inline constexpr int kNarrowAdvance = 32;
inline constexpr int kWideAdvance = 42;
inline constexpr int kRowPitch = 57;
inline constexpr double kDrawScale = 0.5;

inline constexpr int kNarrowImageWidth = static_cast<int>(kNarrowAdvance / kDrawScale);
inline constexpr int kWideImageWidth = static_cast<int>(kWideAdvance / kDrawScale);
inline constexpr int kImageHeight = static_cast<int>(kRowPitch / kDrawScale);

inline constexpr int imageWidth(bool wide) { return wide ? kWideImageWidth : kNarrowImageWidth; }

}  // namespace glyph_geometry
