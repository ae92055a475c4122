#pragma once

#include <cstdint>
#include <vector>

#include "code_point.h"
#include "font_face.h"
#include "raster_metrics.h"
#include "rgba_image.h"

// Draws the outline font's glyph into `image` (already sized, a narrow or wide cell) as
// white anti-aliased ink: centred on its advance, on the baseline, or fitted into the cell
// where its ink would cross an edge (cell_fit). Returns whether it was fitted. `coverage` is
// a reusable buffer. Throws ToolError.
bool drawOutlineGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                      std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image);
