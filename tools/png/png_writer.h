#pragma once

#include <filesystem>
#include <vector>

#include "rgba_image.h"

namespace pngfile {

// How hard a writer works on a file's size.
enum class PngPacking {
    // 8-bit RGBA, a cheap filter and the fastest zlib level: little lost on flat shapes and
    // panels, for pictures made while someone waits.
    fast,
    // 8-bit grey with alpha when every pixel is grey (white glyphs), else RGBA; the smallest
    // of a few filter choices at zlib's best level: for files shipped by the thousand.
    smallest,
};

// Writes images as PNG files. One per thread; it reuses its buffers.
class PngWriter {
public:
    explicit PngWriter(PngPacking packing = PngPacking::fast) : packing(packing) {}

    // Replaces the file or creates it, as replaceFile does: throws OutputRefused when
    // something other than a regular file stands at the path, and PngError naming the file
    // when it cannot be written, in both cases leaving what was there.
    void write(const RgbaImage& image, const std::filesystem::path& path);

private:
    PngPacking packing;
    std::vector<unsigned char> encoded;
    std::vector<unsigned char> tried;
    std::vector<unsigned char> grey;
    std::vector<unsigned char*> rows;
};

}  // namespace pngfile
