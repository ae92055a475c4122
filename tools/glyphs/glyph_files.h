#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "code_point.h"
#include "glyph_file.h"

// A glyph code's character for messages: the character and its code point ("ą U+0105"),
// the code point alone for a control character, and the code itself for bytes that are
// not UTF-8.
std::string describeGlyphCode(const std::string& code);

// The ASCII character a narrow code's stem stands for, as messages name it: "i" for "105",
// "U+007F" for "127", which has no visible form.
std::string describeAsciiCharacter(const std::string& stem);
