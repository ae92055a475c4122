#include "font_stack.h"

#include "emoji_presentation.h"

FontStack::FontStack(const std::vector<FontSource>& sources) {
    for (const auto& source : sources) faces.push_back(std::make_unique<FontFace>(source));
}

std::optional<std::size_t> FontStack::find(CodePoint cp) const {
    // Symbols that are emoji only with U+FE0F (a heart, a skull, crossed swords) are typed
    // so, and the plugin draws them without the selector: as players see them elsewhere, in
    // colour, wherever a colour font has them.
    if (prefersColourFont(cp)) {
        for (std::size_t i = 0; i < faces.size(); ++i) {
            if (faces[i]->colour() && faces[i]->has(cp)) return i;
        }
    }
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (faces[i]->has(cp)) return i;
    }
    return std::nullopt;
}
