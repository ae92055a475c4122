#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "font_face.h"

// The main font followed by its fallbacks, in order of preference: a character comes from
// the first font that has it, except that a character shown as emoji by default, or a symbol
// a colour font has (❤ ☠ ⚔, typed with U+FE0F), comes from the first colour font that has it,
// as players see it on their phones.
class FontStack {
public:
    // Opens every font; throws ToolError naming the first that fails.
    explicit FontStack(const std::vector<FontSource>& sources);

    std::optional<std::size_t> find(CodePoint cp) const;

    FontFace& at(std::size_t index) const { return *faces[index]; }
    FontFace& main() const { return *faces.front(); }
    std::size_t size() const { return faces.size(); }

private:
    std::vector<std::unique_ptr<FontFace>> faces;
};
