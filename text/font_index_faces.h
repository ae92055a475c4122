#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <vector>

#include "font_index.h"

// The faces of one font file with the family, style and code points of each (size and write
// time left for the caller). A file FreeType cannot read as a font gives one face that maps
// nothing, and so does a face without a Unicode map or anything to draw with. Throws TextError
// when the file cannot be opened: that may pass, where a file that is not a font stays one.
std::vector<IndexedFace> readFontFaces(FT_Library lib, const std::filesystem::path& path);
