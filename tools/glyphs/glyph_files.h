#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "code_point.h"
#include "glyph_file.h"

// The plugin's own glyph code for one character: what its splitter makes of the
// character's UTF-8 ("65" for A, "u\3042" for U+3042).
std::string glyphCodeOf(CodePoint cp);

// The character a glyph code stands for; nothing for a code the splitter makes of bytes
// that are not UTF-8 ("u\ffffff80" for a lone 0x80 byte, "u\64" for the overlong C1 A4).
std::optional<CodePoint> characterOfGlyphCode(const std::string& code);

// A glyph code's character for messages: the character and its code point ("ą U+0105"),
// the code point alone for a control character, and the code itself for bytes that are
// not UTF-8.
std::string describeGlyphCode(const std::string& code);

// The ASCII character a narrow code's stem stands for, as messages name it: "i" for "105",
// "U+007F" for "127", which has no visible form.
std::string describeAsciiCharacter(const std::string& stem);
