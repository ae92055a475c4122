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
    // Replaces the file or creates it, as replaceFile does: throws OutputRefused when
    // something other than a regular file stands at the path, and PngError naming the file
    // when it cannot be written, in both cases leaving what was there.
    void write(const RgbaImage& image, const std::filesystem::path& path);

private:
    std::vector<unsigned char> encoded;
    std::vector<unsigned char*> rows;
};

}  // namespace pngfile
