#pragma once

#include "colour_bitmap.h"

// `from` resampled to width × height: stb_image_resize's Mitchell filter when shrinking,
// Catmull-Rom when enlarging, with nothing but transparency beyond the edges. Throws
// TextError when it fails.
void scaleImage(const PremultipliedImage& from, int width, int height, PremultipliedImage& to);
