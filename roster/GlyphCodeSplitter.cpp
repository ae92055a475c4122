#include "GlyphCodeSplitter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace {

bool isNarrow(unsigned char byte) { return byte < 0x80; }

bool isLeadByte(unsigned char byte) { return (byte & 0xC0) == 0xC0; }

// Longest code: the prefix and eight hex digits.
using CodeBuffer = std::array<char, 10>;

// Writes the number after the `used` characters already in the buffer and returns the
// code's length: each code is composed on the stack and its string made once from it.
std::size_t writeNumber(CodeBuffer& buffer, std::size_t used, std::uint32_t value, int base) {
    auto end = std::to_chars(buffer.data() + used, buffer.data() + buffer.size(), value, base).ptr;
    return static_cast<std::size_t>(end - buffer.data());
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

std::vector<std::string> GlyphCodeSplitter::split(std::string name) & {
    gather(name);
    return output;
}

std::vector<std::string> GlyphCodeSplitter::split(std::string name) && {
    gather(name);
    return std::move(output);
}

void GlyphCodeSplitter::gather(const std::string& name) {
    // A name gives at most one code per byte; reserving once spares the list its regrowth.
    output.reserve(output.size() + name.size());
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (isNarrow(byte)) {
            if (!pending.empty()) flush();
            CodeBuffer buffer;
            output.emplace_back(buffer.data(), writeNumber(buffer, 0, byte, 10));
            continue;
        }
        if (isLeadByte(byte) && !pending.empty()) flush();
        // Well-formed runs are at most four bytes long.
        if (pending.capacity() == 0) pending.reserve(4);
        pending.push_back(static_cast<std::int32_t>(static_cast<signed char>(c)));
        pendingCount = 1;
    }
    if (!pending.empty()) flush();
}

void GlyphCodeSplitter::flush() {
    CodeBuffer buffer;
    std::size_t length = sizeof kWideGlyphPrefix - 1;
    std::copy_n(kWideGlyphPrefix, length, buffer.begin());
    auto runLength = pending.size();
    if (runLength == 1) {
        // A lone high byte keeps its sign-widened 32-bit pattern: 0x80 gives ffffff80.
        length = writeNumber(buffer, length, static_cast<std::uint32_t>(pending.front()), 16);
    } else if (runLength <= 4) {
        // 32 bits wide so that a four-byte run keeps its whole code point (U+1F600, not
        // U+F600); shorter runs never reach beyond 16 bits.
        std::uint32_t value = static_cast<std::uint32_t>(pending.front()) & firstByteMask(runLength);
        for (std::size_t i = 1; i < runLength; ++i) {
            value = (value << 6) | (static_cast<std::uint32_t>(pending[i]) & 0x3F);
        }
        length = writeNumber(buffer, length, value, 16);
    }
    // Five or more bytes decode to nothing: the code is the bare prefix.
    output.emplace_back(buffer.data(), length);
    pending.clear();
    pendingCount = 0;
}
