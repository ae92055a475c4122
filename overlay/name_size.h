#pragma once

// The size a name is set at as one image, so that it takes the place of its row of glyphs:
// one row pitch high on the screen, from the row's start to the scoreboard block's right edge
// (where the game draws it, about the screen's centre), and never past the screen's.

#include <algorithm>
#include <cmath>

#include "Vector2.h"
#include "layout.h"
#include "name_text.h"
#include "scaled_layout.h"

namespace layout {

inline NameSize nameSizeOn(Vector2 screen, Choice choice) {
    const auto mapping = scaledMapping(screen);
    const int end = std::min(screen.X, truncToInt32(scaledX(kNameEndX, mapping)));
    if (choice == Choice::fixed) {
        return {static_cast<int>(kRowPitch), std::max(0, end - kNameStartX)};
    }
    const int height = std::max(1, static_cast<int>(std::lround(kRowPitch * mapping.scale)));
    const int start = truncToInt32(scaledX(kNameStartX, mapping));
    return {height, std::max(0, end - start)};
}

}  // namespace layout
