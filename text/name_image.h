#pragma once

#include <string_view>

#include "name_layout.h"
#include "rgba_image.h"
#include "text_fonts.h"

// Where the main font sits in a row `height` pixels high: its size in pixels per em, as in a
// glyph file scaled to that height, and its baseline's distance from the row's top, placed
// so that its capitals (and with them kanji and most letters) sit on the row's centre.
struct NameMetrics {
    int pixelsPerEm;
    int baseline;
};
NameMetrics nameMetrics(const TextFonts& fonts, int height);

// A name is at most this many times as wide as it is high; what does not fit is left out.
inline constexpr int kMaxNameWidthInHeights = 16;

// Ink may reach this far beyond the row and the name's advance, in ems; what goes further
// is cut, so that a damaged or hostile font cannot make a huge picture.
inline constexpr double kInkReachEms = 0.5;

struct NameImage {
    // The row `height` high and the name's advance, grown to hold the ink that reaches past
    // them (dots under a final yeh, a swash's overhang, a tall emoji); empty for nothing.
    pngfile::RgbaImage image;
    NameLayout layout;
    int penX = 0;         // where the name starts, from the picture's left
    int baseline = 0;     // from the picture's top
    int rowBaseline = 0;  // where the baseline belongs in the row, from the row's top

    // Where the picture goes relative to the row's top-left, for the name to sit on the row.
    int offsetX() const { return -penX; }
    int offsetY() const { return rowBaseline - baseline; }
};

// The name set as one image (straight RGBA): outlines in white with their coverage as
// alpha, colour bitmaps and colour layers in their colours, every glyph on one baseline.
// Throws TextError when FreeType cannot draw a glyph.
NameImage setName(TextFonts& fonts, std::string_view name, int height);

// The same, no wider than `maxWidth` pixels (and kMaxNameWidthInHeights), a cut name ending
// as `mark` says.
NameImage setName(TextFonts& fonts, std::string_view name, int height, int maxWidth, CutMark mark);
