#pragma once

#include <cstdint>
#include <vector>

namespace pngfile {

// Straight (not premultiplied) 8-bit RGBA, rows top to bottom, no padding between rows.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

}  // namespace pngfile
