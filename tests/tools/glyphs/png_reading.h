#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "png_reader.h"

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
};

// Decodes any PNG to 8-bit RGBA; an empty image when it cannot.
inline DecodedPng readPng(const std::filesystem::path& path) {
    constexpr pngfile::PngLimits kLimits = {.maxSide = 4096, .maxBytes = 1 << 20};
    auto read = pngfile::readPng(path, kLimits);
    if (!read.image) return {};
    return {read.image->width, read.image->height, std::move(read.image->rgba)};
}

// The rows and columns that hold any ink.
struct InkBox {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;

    bool empty() const { return left < 0; }
};

inline InkBox inkBox(const DecodedPng& png) {
    InkBox box;
    for (int y = 0; y < png.height; ++y) {
        for (int x = 0; x < png.width; ++x) {
            if (png.alpha(x, y) == 0) continue;
            if (box.empty()) box = {x, y, x, y};
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}
