#pragma once

#include <filesystem>
#include <vector>

#include "glyph_raster.h"

// Writes glyph images as 8-bit RGBA PNG files. Small images compressed for speed: a
// cheap filter and the fastest zlib level lose little on flat glyph shapes. One per
// thread; it reuses its buffers.
class PngWriter {
public:
    // Throws ToolError naming the file when it cannot be written.
    void write(const GlyphImage& image, const std::filesystem::path& path);

private:
    std::vector<unsigned char> encoded;
    std::vector<unsigned char*> rows;
};
