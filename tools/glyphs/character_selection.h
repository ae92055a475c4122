#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "code_point.h"
#include "font_stack.h"

// What the user asked to draw; any mix of the three.
struct CharacterRequest {
    std::vector<std::string> sets;
    std::vector<std::string> ranges;  // "U+3042" or "U+3040-U+309F"
    std::optional<std::filesystem::path> namesFile;
};

// Every character asked for, ascending, without repeats; surrogates, which no UTF-8 name
// can hold, left out. Nothing asked for means the default set of the fonts (default_set.h);
// the "font" set is the main font's. Throws ToolError for an unknown set, a bad range or an
// unreadable names file.
std::vector<CodePoint> selectCharacters(const CharacterRequest& request, const FontStack& fonts);

// No set, range or names file: the default set is drawn.
bool asksForNothing(const CharacterRequest& request);
