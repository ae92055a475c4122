#pragma once

#include <filesystem>
#include <string>

#include "code_point.h"
#include "glyph_file.h"

// The plugin's own glyph code for one character: what its splitter makes of the
// character's UTF-8 ("65" for A, "u\3042" for U+3042).
std::string glyphCodeOf(CodePoint cp);
