#include "glyph_files.h"

#include <charconv>
#include <cstdint>

#include "GlyphCodeSplitter.h"

namespace {

constexpr CodePoint kFirstVisibleAscii = 0x21;
constexpr CodePoint kLastVisibleAscii = 0x7E;
constexpr CodePoint kFirstControlAfterAscii = 0x7F;
constexpr CodePoint kLastControlAfterAscii = 0x9F;

bool isControl(CodePoint cp) {
    return cp < U' ' || (cp >= kFirstControlAfterAscii && cp <= kLastControlAfterAscii);
}

std::optional<std::uint32_t> number(const std::string& digits, int base) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string glyphCodeOf(CodePoint cp) {
    auto codes = GlyphCodeSplitter{}.split(utf8::encode(cp));
    return codes.empty() ? std::string{} : codes.front();
}

std::optional<CodePoint> characterOfGlyphCode(const std::string& code) {
    auto value = number(glyphFileStem(code), isWideGlyphCode(code) ? 16 : 10);
    if (!value || *value > kLastCodePoint || utf8::isSurrogate(*value)) return std::nullopt;
    // Malformed runs decode to values too, which the character's own UTF-8 would not give.
    if (glyphCodeOf(*value) != code) return std::nullopt;
    return static_cast<CodePoint>(*value);
}

std::string describeGlyphCode(const std::string& code) {
    auto cp = characterOfGlyphCode(code);
    if (!cp) return "bytes that are not UTF-8 (" + code + ")";
    if (isControl(*cp)) return formatCodePoint(*cp);
    return utf8::encode(*cp) + " " + formatCodePoint(*cp);
}

std::string describeAsciiCharacter(const std::string& stem) {
    auto value = number(stem, 10);
    if (!value) return stem;
    if (*value >= kFirstVisibleAscii && *value <= kLastVisibleAscii)
        return std::string(1, static_cast<char>(*value));
    return formatCodePoint(*value);
}
