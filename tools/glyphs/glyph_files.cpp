#include "glyph_files.h"

namespace {

constexpr CodePoint kFirstVisibleAscii = 0x21;
constexpr CodePoint kLastVisibleAscii = 0x7E;
constexpr CodePoint kFirstControlAfterAscii = 0x7F;
constexpr CodePoint kLastControlAfterAscii = 0x9F;

bool isControl(CodePoint cp) {
    return cp < U' ' || (cp >= kFirstControlAfterAscii && cp <= kLastControlAfterAscii);
}

}  // namespace

std::string describeGlyphCode(const std::string& code) {
    auto cp = characterOfGlyphCode(code);
    if (!cp) return "bytes that are not UTF-8 (" + code + ")";
    if (isControl(*cp)) return formatCodePoint(*cp);
    return utf8::encode(*cp) + " " + formatCodePoint(*cp);
}

std::string describeAsciiCharacter(const std::string& stem) {
    auto value = glyphCodeNumber(stem, 10);
    if (!value) return stem;
    if (*value >= kFirstVisibleAscii && *value <= kLastVisibleAscii)
        return std::string(1, static_cast<char>(*value));
    return formatCodePoint(*value);
}
