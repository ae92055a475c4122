#pragma once

#include "code_point.h"
#include "colour_bitmap.h"
#include "font_face.h"
#include "raster_metrics.h"
#include "rgba_image.h"

// Reusable buffers for the bitmap as loaded and as scaled.
struct BitmapBuffers {
    PremultipliedImage loaded;
    PremultipliedImage scaled;
};

// Draws the bitmap font's glyph, in its own colours, into `image` (already sized and
// transparent): loaded from the selected strike, scaled into the main font's em square
// and placed by bitmap_placement's rules. Returns whether it was fitted into the cell.
// Throws ToolError.
bool drawBitmapGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics, BitmapBuffers& buffers,
                     pngfile::RgbaImage& image);
