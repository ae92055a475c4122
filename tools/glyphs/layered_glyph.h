#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "code_point.h"
#include "font_face.h"
#include "raster_metrics.h"
#include "rgba_image.h"

// Draws a glyph made of colour layers (a COLR version 0 font, as Segoe UI Emoji is) into
// `image` (already sized and transparent): each layer's outline filled with its colour from
// the font's first palette, or white where a layer asks for the text's colour, each over the
// one before; placed in the cell as an outline glyph is. Returns whether it was fitted into
// the cell, or nothing, having drawn nothing, when the font has no layers for `cp`.
// `coverage` is a reusable buffer. Throws ToolError.
std::optional<bool> drawLayeredGlyph(const FontFace& font, CodePoint cp, const RasterMetrics& metrics,
                                     std::vector<std::uint8_t>& coverage, pngfile::RgbaImage& image);
