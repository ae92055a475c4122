#pragma once

// Where a glyph code's image lives: DATA/assets/png/STEM.png, STEM being the code less
// its wide prefix. Glyph sets on players' disks are named this way.

#include <filesystem>
#include <string>

bool isWideGlyphCode(const std::string& code);

std::string glyphFileStem(const std::string& code);

// DATA/assets/png, the folder the glyph images are read from.
std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder);

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code);
