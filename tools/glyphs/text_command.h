#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "font_source.h"

// The 1080p layout's row height: a glyph file's height as the overlay draws it.
inline constexpr int kDefaultTextSize = 57;

struct TextOptions {
    std::vector<FontSource> fonts;  // the chain, main font first
    int size = kDefaultTextSize;    // pixels high
    std::vector<std::string> names;
    std::optional<std::filesystem::path> namesFile;  // its names follow those given directly
    // One name: the PNG file to write. A names file or several names: the folder that takes
    // one PNG file a name, numbered in order (made if missing).
    std::filesystem::path output;
};

// Sets each name as text and writes its image, saying where and how large. Throws BadInput
// for unusable input (a names file, an output that is not a file or folder as needed),
// TextError or files::WriteError when fonts cannot be used or a file cannot be written; what stood
// at an output path is never lost.
void runText(const TextOptions& options, std::ostream& out);
