#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text_fonts.h"

// A name is read as at most this many code points and set as at most this many clusters
// (what a reader takes for one character: a letter with its marks, an emoji sequence), so
// that a hostile name costs no more than a long real one.
inline constexpr std::size_t kMaxNameCodePoints = 1024;
inline constexpr std::size_t kMaxNameClusters = 128;

// A glyph of a set name.
struct PlacedGlyph {
    std::uint32_t font;     // in the chain
    std::uint32_t glyph;    // in that font; 0 is its missing-glyph box
    std::uint32_t cluster;  // the cluster's first code point, counted in the name
    FT_Pos x;               // origin, 26.6 pixels from the left of the name
    FT_Pos y;               // origin, 26.6 pixels up from the baseline
    FT_Pos advance;
};

struct NameLayout {
    std::vector<PlacedGlyph> glyphs;  // left to right as seen
    FT_Pos width = 0;                 // the advance of them all, 26.6 pixels
    std::size_t clusters = 0;
    bool cut = false;  // clusters at the name's end were left out: too many, or too wide
};

// What ends a name that was cut: nothing, or an ellipsis that takes the place of as many
// clusters as it needs.
enum class CutMark { none, ellipsis };

// Sets a name (UTF-8; what is not UTF-8 reads as U+FFFD) with the chain at the size the
// fonts have: the paragraph takes the direction of its first strong character and its runs
// go in visual order (FriBidi); each run of one script and direction is shaped (HarfBuzz);
// a cluster the font lacks is shaped again with the next font of the chain, a cluster shown
// as emoji with the colour fonts first; one that no font has is the main font's box.
// Default-ignorable characters (joiners, variation selectors) set nothing of their own.
// Clusters past kMaxNameClusters, or past `maxWidth` (26.6 pixels), are left out from the
// name's logical end, never a part of one.
NameLayout layoutName(TextFonts& fonts, std::string_view name, FT_Pos maxWidth, CutMark mark = CutMark::none);
