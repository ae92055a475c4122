#include "font_stack.h"

#include "emoji_presentation.h"

FontStack::FontStack(const std::vector<FontSource>& sources) {
    for (const auto& source : sources) faces.push_back(std::make_unique<FontFace>(source));
}

std::optional<std::size_t> FontStack::find(CodePoint cp) const {
    if (isEmojiPresentation(cp)) {
        for (std::size_t i = 0; i < faces.size(); ++i) {
            if (faces[i]->colour() && faces[i]->has(cp)) return i;
        }
    }
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (faces[i]->has(cp)) return i;
    }
    return std::nullopt;
}
