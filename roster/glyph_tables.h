#pragma once

#include <filesystem>
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
// The display name (its first kKeptNameBytes) each key's glyphs were made from, so that a
// renamed player is drawn by the new name.
using GlyphNameTable = std::unordered_map<std::string, std::string>;
// Every image file loaded and still held by some table entry, by path: the glyph work takes
// an image from here rather than loading its file again. An entry lapses when its image's
// last holder goes.
using LoadedImages = std::unordered_map<std::filesystem::path::string_type, std::weak_ptr<ImageWrapper>>;
