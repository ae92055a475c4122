#pragma once

#include <cstdint>
#include <vector>

#include "code_point.h"
#include "font_face.h"
#include "raster_metrics.h"
#include "rgba_image.h"

// Draws the outline font's glyph into `image` (already sized, a narrow or wide cell) as
// white anti-aliased ink: centred on its advance, squeezed sideways when its ink is wider
// than the cell, on the baseline. `coverage` is a reusable buffer. Throws ToolError.
void drawOutlineGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                      std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image);
