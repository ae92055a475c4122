#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "png_writer.h"

namespace pngfile {

// A PNG file's size and offset, read without decoding its pixels.
struct PngFrame {
    int width = 0;
    int height = 0;
    ImageOffset offset;  // {0, 0} when the file has none
};

// The frame of a whole PNG file: its signature, its header and its end chunk in place, at
// most `maxBytes` long. None for a file that is missing, cut short, damaged or larger, so
// that a file emptied by a power cut is never taken for an image.
std::optional<PngFrame> readPngFrame(const std::filesystem::path& file, std::uintmax_t maxBytes);

}  // namespace pngfile
