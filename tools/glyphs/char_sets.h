#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "code_point.h"

// The set of every character the font maps: only the font can say what is in it.
inline constexpr std::string_view kFontSet = "font";

struct CharacterSetInfo {
    std::string_view name;
    std::string_view description;
};

// Every set a user can name, "font" included, in the order the help lists them.
std::vector<CharacterSetInfo> characterSets();

// What a player gets without naming any set: the letters of Latin, Greek, Cyrillic and the
// world's scripts, the symbols and decorated letters players put in names, Japanese, Chinese
// and Korean, and emoji.
std::vector<std::string> defaultCharacterSets();

// The characters of a named set other than "font", in ascending order.
std::vector<CodePoint> characterSet(std::string_view name);
