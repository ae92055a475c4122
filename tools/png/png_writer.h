#pragma once

#include <filesystem>
#include <vector>

#include "rgba_image.h"

namespace pngfile {

// Writes images as 8-bit RGBA PNG files, compressed for speed: a cheap filter and the
// fastest zlib level lose little on flat glyph shapes and flat screenshot panels. One per
// thread; it reuses its buffers.
class PngWriter {
public:
    // Throws PngError naming the file when it cannot be written.
    void write(const RgbaImage& image, const std::filesystem::path& path);

private:
    std::vector<unsigned char> encoded;
    std::vector<unsigned char*> rows;
};

}  // namespace pngfile
