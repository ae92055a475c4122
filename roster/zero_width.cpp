#include "zero_width.h"

#include <cstdint>

#include "glyph_code_splitter.h"
#include "glyph_file.h"

namespace {
struct Range {
    std::uint32_t first;
    std::uint32_t last;
};

constexpr Range kZeroWidth[] = {
    {0x200B, 0x200D},    // zero-width space, non-joiner, joiner
    {0x2060, 0x2060},    // word joiner
    {0xFE00, 0xFE0F},    // variation selectors
    {0xFEFF, 0xFEFF},    // zero-width no-break space (byte order mark)
    {0xE0100, 0xE01EF},  // variation selectors supplement
};
}  // namespace

bool isZeroWidthGlyphCode(std::string_view code) {
    constexpr std::string_view prefix = kWideGlyphPrefix;
    if (!code.starts_with(prefix)) return false;
    auto value = glyphCodeNumber(code.substr(prefix.size()), 16);
    if (!value) return false;
    for (auto range : kZeroWidth) {
        if (*value >= range.first && *value <= range.last) return true;
    }
    return false;
}
