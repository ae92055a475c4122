#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <span>

// The strike of a bitmap font that is scaled the least: the smallest whose line is at least
// `pixels` high, else the tallest, since shrinking keeps detail that enlarging cannot make up.
std::size_t pickStrike(std::span<const FT_Bitmap_Size> strikes, int pixels);
