#pragma once

// FreeType measures outlines and metrics in 26.6 fixed point: 64 subpixels to a pixel.

#include <ft2build.h>
#include FT_FREETYPE_H

inline constexpr FT_Pos kSubpixels = 64;

inline double toPixels(FT_Pos subpixels) { return static_cast<double>(subpixels) / kSubpixels; }
