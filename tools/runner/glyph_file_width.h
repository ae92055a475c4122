#pragma once

#include <filesystem>

namespace hostrun {

// Whether a glyph image file is a narrow glyph's: named, as the plugin names them, for a
// character that takes one byte. Any other file is a wide glyph's.
bool isNarrowGlyphFile(const std::filesystem::path& file);

}  // namespace hostrun
