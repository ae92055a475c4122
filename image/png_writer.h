#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "block_pool.h"
#include "rgba_image.h"

namespace pngfile {

// How hard a writer works on a file's size.
enum class PngPacking {
    // 8-bit RGBA, a cheap filter and the fastest zlib level: little lost on flat shapes and
    // panels, for pictures made while someone waits.
    fast,
    // 8-bit RGBA unfiltered, zlib's fastest level matching runs of one byte only: for
    // pictures mostly transparent or white, names set as text, the quickest to write and
    // smaller than fast, whose filter turns the soft edges of white letters into noise.
    sparse,
    // Glyph files, shipped by the thousand and drawn while a player waits: an image whose
    // pixels are all grey (white glyphs) as 8-bit grey with alpha, else RGBA; encoded once.
    compact,
};

// Where an image's top-left sits from a point of its own (a name's pen start on its
// baseline), kept in the file's oFFs chunk so that whoever reads the file places it alike.
struct ImageOffset {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const ImageOffset&) const = default;
};

// Writes images as PNG files. One per thread; it reuses its buffers, libpng's and zlib's
// included, so that writing file after file leaves the heap as it is.
class PngWriter {
public:
    // `flush`: each file reaches the disk before it is renamed into place (replaceFile).
    explicit PngWriter(PngPacking packing = PngPacking::fast, bool flush = false) : packing(packing), flush(flush) {}

    // Replaces the file or creates it, as replaceFile does: throws files::OutputRefused
    // when something other than a regular file stands at the path, and files::WriteError
    // (PngError when libpng fails) naming the file when it cannot be written, in both
    // cases leaving what was there.
    void write(const RgbaImage& image, const std::filesystem::path& path);
    void write(const RgbaImage& image, const ImageOffset& offset, const std::filesystem::path& path);

private:
    void write(const RgbaImage& image, const ImageOffset* offset, const std::filesystem::path& path);

    PngPacking packing;
    bool flush;
    std::vector<unsigned char> encoded;
    std::vector<unsigned char> grey;
    std::vector<unsigned char*> rows;
    BlockPool memory;
};

}  // namespace pngfile
