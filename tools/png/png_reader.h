#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "rgba_image.h"

namespace pngfile {

// An image, or why there is none: "no such file", "not a PNG file", libpng's own words for
// a damaged one. Which of them it was is the reader's to say, not to throw.
struct PngReadResult {
    std::optional<RgbaImage> image;
    std::string error;
};

// Decodes any PNG (palette, grey, 16-bit, with or without alpha) to 8-bit RGBA. Images
// larger than maxSide on either side are refused unread, so a stray huge file cannot
// exhaust memory.
PngReadResult readPng(const std::filesystem::path& file, int maxSide);

}  // namespace pngfile
