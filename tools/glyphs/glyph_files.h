#pragma once

#include <filesystem>
#include <string>

#include "code_point.h"

// The plugin's own glyph code for one character: what its splitter makes of the
// character's UTF-8 ("65" for A, "u\3042" for U+3042).
std::string glyphCodeOf(CodePoint cp);

bool isWideGlyphCode(const std::string& code);

// The image file's name without ".png": the code, less its wide prefix.
std::string glyphFileStem(const std::string& code);

// DATA/assets/png, the folder the plugin loads glyph images from.
std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder);

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code);
