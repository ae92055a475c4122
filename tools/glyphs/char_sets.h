#pragma once

#include <string_view>
#include <vector>

#include "code_point.h"

// The set of every character the font maps: only the font can say what is in it.
inline constexpr std::string_view kFontSet = "font";

struct CharacterSetInfo {
    std::string_view name;
    std::string_view description;
};

// Every set a user can name, "font" included, in the order the help lists them: for drawing
// less than the default set (default_set.h), or the ideographs it leaves out.
std::vector<CharacterSetInfo> characterSets();

// The characters of a named set other than "font", in ascending order.
std::vector<CodePoint> characterSet(std::string_view name);
