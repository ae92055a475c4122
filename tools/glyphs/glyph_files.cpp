#include "glyph_files.h"

#include "GlyphCodeSplitter.h"

std::string glyphCodeOf(CodePoint cp) {
    auto codes = GlyphCodeSplitter{}.split(encodeUtf8(cp));
    return codes.empty() ? std::string{} : codes.front();
}
