#include "GlyphCodeSplitter.h"

#include <array>
#include <charconv>

namespace {

bool isNarrow(unsigned char byte) { return byte < 0x80; }

bool isLeadByte(unsigned char byte) { return (byte & 0xC0) == 0xC0; }

template <typename Unsigned>
void appendNumber(std::string& text, Unsigned value, int base) {
    std::array<char, 16> digits{};
    auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value, base);
    text.append(digits.data(), result.ptr);
}

// Mask for the first byte of a run, by the number of bytes gathered (not by what the lead
// byte announces).
std::uint32_t firstByteMask(std::size_t runLength) {
    switch (runLength) {
        case 2: return 0x1F;
        case 3: return 0x0F;
        default: return 0x07;
    }
}

}  // namespace

std::vector<std::string> GlyphCodeSplitter::split(std::string name) {
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (isNarrow(byte)) {
            if (!pending.empty()) flush();
            std::string code;
            appendNumber(code, static_cast<unsigned>(byte), 10);
            output.push_back(std::move(code));
            continue;
        }
        if (isLeadByte(byte) && !pending.empty()) flush();
        pending.push_back(static_cast<std::int32_t>(static_cast<signed char>(c)));
        pendingCount = 1;
    }
    if (!pending.empty()) flush();
    return output;
}

void GlyphCodeSplitter::flush() {
    std::string code = kWideGlyphPrefix;
    auto runLength = pending.size();
    if (runLength == 1) {
        // A lone high byte keeps its sign-widened 32-bit pattern: 0x80 gives ffffff80.
        appendNumber(code, static_cast<std::uint32_t>(pending.front()), 16);
    } else if (runLength <= 4) {
        // 32 bits wide so that a four-byte run keeps its whole code point (U+1F600, not
        // U+F600); shorter runs never reach beyond 16 bits.
        std::uint32_t value = static_cast<std::uint32_t>(pending.front()) & firstByteMask(runLength);
        for (std::size_t i = 1; i < runLength; ++i) {
            value = (value << 6) | (static_cast<std::uint32_t>(pending[i]) & 0x3F);
        }
        appendNumber(code, value, 16);
    }
    // Five or more bytes decode to nothing: the code is the bare prefix.
    output.push_back(std::move(code));
    pending.clear();
    pendingCount = 0;
}
