#pragma once

#include <string_view>

#include "name_layout.h"
#include "rgba_image.h"
#include "text_fonts.h"

// Where the main font sits in a name image `height` pixels high, as it sits in a glyph
// file scaled to that height: its size in pixels per em, and its baseline's distance from
// the image's top. A name set as text and a row of glyph files then line up.
struct NameMetrics {
    int pixelsPerEm;
    int baseline;
};
NameMetrics nameMetrics(const TextFonts& fonts, int height);

// A name is at most this many times as wide as it is high; what does not fit is left out.
inline constexpr int kMaxNameWidthInHeights = 16;

struct NameImage {
    pngfile::RgbaImage image;  // `height` high, as wide as the name's advance; empty for no ink
    NameLayout layout;
};

// The name set as one image (straight RGBA): outlines in white with their coverage as
// alpha, colour bitmaps and colour layers in their colours, every glyph on one baseline.
// Throws TextError when FreeType cannot draw a glyph.
NameImage setName(TextFonts& fonts, std::string_view name, int height);

// The same, no wider than `maxWidth` pixels (and kMaxNameWidthInHeights), a cut name ending
// as `mark` says.
NameImage setName(TextFonts& fonts, std::string_view name, int height, int maxWidth, CutMark mark);
