#pragma once

#include <functional>
#include <string>
#include <vector>

#include "code_point.h"

struct GlyphJob {
    CodePoint character;
    std::string stem;
    bool wide;
    std::size_t font = 0;  // which font of the stack draws it
};

// A character whose file name already belongs to another character, so that it cannot
// have an image of its own: U+0105 and the letter i both name 105.png.
struct StemClash {
    CodePoint character;
    std::string stem;
    CodePoint owner;
};

struct GlyphPlan {
    std::vector<GlyphJob> jobs;
    std::vector<CodePoint> missing;  // not in the font
    std::vector<StemClash> clashes;
};

// Decides which file each character goes to. The stems of the printable ASCII characters
// always belong to them, requested or not, since every name with such a letter loads that
// file; any other shared stem goes to the lowest code point. Characters come in ascending
// order, without repeats.
GlyphPlan planGlyphs(const std::vector<CodePoint>& characters, const std::function<bool(CodePoint)>& fontHas);
