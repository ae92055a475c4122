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

struct GlyphPlan {
    std::vector<GlyphJob> jobs;
    std::vector<CodePoint> missing;  // not in the font
    // Characters the plugin draws no cell for (joiners, variation selectors): no file is
    // ever looked for, so none is drawn, and none is missing.
    std::vector<CodePoint> noFileNeeded;
};

// The stem of the file a character is drawn to: its own file's (u105) where its code shares
// an ASCII character's file name, else its code's.
std::string glyphJobStem(CodePoint character);

// Decides which file each character goes to: the plugin's file name for its code, except
// that a character whose code reads as an ASCII character's file name (U+0105 and the
// letter i both name 105.png) goes to its own file (u105.png), which the plugin prefers.
// So every character has a file of its own. Characters come in ascending order, without
// repeats.
GlyphPlan planGlyphs(const std::vector<CodePoint>& characters, const std::function<bool(CodePoint)>& fontHas);

// The fonts the jobs draw with, as indices into the stack, in its order and the main font
// always first (every font is drawn at its size and on its baseline); each job's font is
// renumbered to index this list. A default set planned over a hundred fonts draws with those
// that have something to give, and each drawing thread opens only them.
std::vector<std::size_t> keepFontsInUse(std::vector<GlyphJob>& jobs, std::size_t fontCount);
