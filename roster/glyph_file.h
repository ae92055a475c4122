#pragma once

// Where a glyph code's image lives: DATA/assets/png/STEM.png, STEM being the code less
// its wide prefix. Glyph sets on players' disks are named this way.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

bool isWideGlyphCode(const std::string& code);

std::string glyphFileStem(const std::string& code);

// DATA/assets/png, the folder the glyph images are read from.
std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder);

// Whether a glyph folder can give any image: a player who copied the set one folder too
// deep (data/data/assets/png) has a data folder without one.
enum class GlyphFolderState { ready, missing, noImages };
GlyphFolderState inspectGlyphFolder(const std::filesystem::path& glyphFolder);

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code);

// STEM.png, the file's name within the glyph folder.
std::string glyphFileName(const std::string& code);

// A wide code whose stem also reads as a narrow code's stem (a decimal 0 to 127 without
// leading zeros): U+0105 and the letter i both give "105". Such a character has a file of
// its own, "u" + stem + ".png", which is preferred when a glyph set has it; older sets do
// not, and their shared file still serves.
bool sharesNarrowStem(const std::string& code);

// "u105" for u\105: the stem of the file of its own of a code that shares a narrow stem.
std::string ownGlyphFileStem(const std::string& code);

std::string ownGlyphFileName(const std::string& code);

// The file the plugin loads for a code from the glyph folder: its own file when the code
// shares a narrow stem and a glyph set has that file as a regular file (links followed),
// else STEM.png.
std::filesystem::path chosenGlyphImagePath(const std::filesystem::path& glyphFolder, const std::string& code);

// The plugin's own glyph code for one character: what its splitter makes of the
// character's UTF-8 ("65" for A, "u\3042" for U+3042).
std::string glyphCodeOf(char32_t cp);

// The character a glyph code stands for; nothing for a code the splitter makes of bytes
// that are not UTF-8 ("u\ffffff80" for a lone 0x80 byte, "u\64" for the overlong C1 A4).
std::optional<char32_t> characterOfGlyphCode(const std::string& code);

// A glyph code's stem read as a number in `base`; nothing unless it is all digits.
std::optional<std::uint32_t> glyphCodeNumber(std::string_view digits, int base);
