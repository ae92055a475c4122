#pragma once

// The size a name is set at as one image, so that it takes the place of its row of glyphs:
// one row pitch high on the screen, from the row's start to the screen's right edge.

#include <algorithm>
#include <cmath>

#include "Vector2.h"
#include "layout.h"
#include "name_text.h"
#include "scaled_layout.h"

namespace layout {

inline NameSize nameSizeOn(Vector2 screen, Choice choice) {
    if (choice == Choice::fixed) {
        return {static_cast<int>(kRowPitch), std::max(0, screen.X - kNameStartX)};
    }
    const auto mapping = scaledMapping(screen);
    const int height = std::max(1, static_cast<int>(std::lround(kRowPitch * mapping.scale)));
    const int start = truncToInt32(scaledX(kNameStartX, mapping));
    return {height, std::max(0, screen.X - start)};
}

}  // namespace layout
