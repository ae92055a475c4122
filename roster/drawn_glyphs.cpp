#include "drawn_glyphs.h"

#include "glyph_code_splitter.h"
#include "name_limits.h"
#include "zero_width.h"

std::vector<std::string> drawnGlyphCodes(std::string_view displayName) {
    // Zero-width characters are dropped as they are split, so they do not count against the cap.
    return GlyphCodeSplitter().splitFirst(displayName, veltrona::kMaxGlyphsPerName, isZeroWidthGlyphCode);
}
