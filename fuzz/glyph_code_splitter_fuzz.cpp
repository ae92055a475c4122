// Feeds arbitrary bytes to the glyph-code splitter: names come from other players, so every
// byte sequence must give well-formed codes, one per narrow byte or run of high bytes, and
// well-formed UTF-8 must give exactly its code points.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "glyph_code_splitter.h"
#include "glyph_code_shape.h"

namespace {

using Codes = std::vector<std::string>;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "glyph code splitter: %s\n", what);
    std::abort();
}

bool isHigh(unsigned char byte) { return byte >= 0x80; }

// A run of high bytes starts at the first high byte after a narrow one (or the start) and at
// every lead byte, whose top two bits are both set.
std::size_t expectedCodeCount(std::string_view bytes) {
    std::size_t count = 0;
    bool inRun = false;
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (!isHigh(byte)) {
            ++count;
            inRun = false;
            continue;
        }
        bool lead = (byte & 0xC0) == 0xC0;
        if (!inRun || lead) ++count;
        inRun = true;
    }
    return count;
}

struct Sequence {
    std::size_t length;     // 0 for a byte that cannot start a character
    std::uint32_t leadBits;  // mask for the lead byte's payload
    std::uint32_t lowest;   // smallest code point this length may encode
};

Sequence sequenceStartingWith(unsigned char lead) {
    if (lead < 0x80) return {1, 0x7F, 0};
    if (lead < 0xC0) return {0, 0, 0};
    if (lead < 0xE0) return {2, 0x1F, 0x80};
    if (lead < 0xF0) return {3, 0x0F, 0x800};
    if (lead < 0xF8) return {4, 0x07, 0x10000};
    return {0, 0, 0};
}

// Strict decoder: shortest form only, no surrogates, nothing above U+10FFFF.
std::optional<std::vector<std::uint32_t>> decodeUtf8(std::string_view bytes) {
    std::vector<std::uint32_t> codePoints;
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        Sequence sequence = sequenceStartingWith(lead);
        if (sequence.length == 0 || bytes.size() - i < sequence.length) return std::nullopt;
        std::uint32_t value = lead & sequence.leadBits;
        for (std::size_t k = 1; k < sequence.length; ++k) {
            auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            value = (value << 6) | (next & 0x3Fu);
        }
        if (value < sequence.lowest || value > 0x10FFFF) return std::nullopt;
        if (value >= 0xD800 && value <= 0xDFFF) return std::nullopt;
        codePoints.push_back(value);
        i += sequence.length;
    }
    return codePoints;
}

std::string codeFor(std::uint32_t codePoint) {
    char digits[8];
    bool narrow = codePoint < 0x80;
    auto end = std::to_chars(digits, digits + sizeof digits, codePoint, narrow ? 10 : 16).ptr;
    return (narrow ? "" : "u\\") + std::string(digits, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string name(reinterpret_cast<const char*>(data), size);
    Codes codes = GlyphCodeSplitter{}.split(name);

    for (const auto& code : codes) {
        if (!hasGlyphCodeShape(code)) fail("code outside the alphabet or prefix not at the start");
    }
    if (codes.size() != expectedCodeCount(name)) fail("not one code per narrow byte and run");
    // A kept splitter copies its codes where a temporary one hands them over; both must agree.
    GlyphCodeSplitter kept;
    if (kept.split(name) != codes) fail("same name, different codes");

    auto codePoints = decodeUtf8(name);
    if (!codePoints) return 0;
    if (codePoints->size() != codes.size()) fail("valid UTF-8: code count differs");
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] != codeFor((*codePoints)[i])) fail("valid UTF-8: code differs from code point");
    }
    return 0;
}
