#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

#include "rgba_image.h"

namespace pngfile {

// An image, or why there is none: "no such file", "not a PNG file", libpng's own words for
// a damaged one. Which of them it was is the reader's to say, not to throw.
struct PngReadResult {
    std::optional<RgbaImage> image;
    std::string error;
    // The file was read, but its decoded image would pass PngLimits::maxDecodedBytes.
    bool overDecodedLimit = false;
};

// What a reader takes on, so that a stray file (a huge image, a link to a device that never
// ends) costs no more than a glance.
struct PngLimits {
    int maxSide;              // pixels, either way
    std::uintmax_t maxBytes;  // the file's size
    // The decoded RGBA image's size, for a caller that shares a memory budget among images.
    std::uintmax_t maxDecodedBytes = std::numeric_limits<std::uintmax_t>::max();
};

// Decodes any PNG (palette, grey, 16-bit, with or without alpha) to 8-bit RGBA. Only a
// regular file (links followed) is read, and only up to the limits: anything else is
// refused unread.
PngReadResult readPng(const std::filesystem::path& file, PngLimits limits);

}  // namespace pngfile
