#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ImageWrapper.h"

// Per-player caches of what it takes to draw a name, keyed by player key. Entry i of a
// key's images, bit i of its widths and code i of its codes describe the same glyph.
using GlyphImageTable = std::unordered_map<std::string, std::vector<std::shared_ptr<ImageWrapper>>>;
// A set bit marks a wide glyph (a multi-byte character), a clear bit a narrow one.
using GlyphWidthTable = std::unordered_map<std::string, std::vector<bool>>;
using GlyphCodeTable = std::unordered_map<std::string, std::vector<std::string>>;
