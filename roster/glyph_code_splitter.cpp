#include "glyph_code_splitter.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

#include "utf8.h"

namespace {

bool isNarrow(unsigned char byte) { return byte < 0x80; }

bool isLeadByte(unsigned char byte) { return (byte & 0xC0) == 0xC0; }

constexpr std::size_t kLongestDecodedRun = 4;
constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// Longest code: the prefix and eight hex digits.
using CodeBuffer = std::array<char, 10>;

// Writes the number after the `used` characters already in the buffer and returns the
// code's length: each code is composed on the stack and its string made once from it.
std::size_t writeNumber(CodeBuffer& buffer, std::size_t used, std::uint32_t value, int base) {
    auto end = std::to_chars(buffer.data() + used, buffer.data() + buffer.size(), value, base).ptr;
    return static_cast<std::size_t>(end - buffer.data());
}

}  // namespace

std::vector<std::string> GlyphCodeSplitter::split(std::string name) & {
    gather(name, kUnlimited, nullptr);
    return output;
}

std::vector<std::string> GlyphCodeSplitter::split(std::string name) && {
    gather(name, kUnlimited, nullptr);
    return std::move(output);
}

std::vector<std::string> GlyphCodeSplitter::splitFirst(std::string_view name, std::size_t limit,
                                                       CodeFilter drop) && {
    gather(name, limit, drop);
    return std::move(output);
}

void GlyphCodeSplitter::gather(std::string_view name, std::size_t limit, CodeFilter drop) {
    const std::size_t wanted = output.size() + std::min(name.size(), limit - std::min(limit, output.size()));
    // A name gives at most one code per byte; reserving once spares the list its regrowth.
    output.reserve(wanted);
    for (char c : name) {
        if (output.size() >= wanted) break;
        auto byte = static_cast<unsigned char>(c);
        if (isNarrow(byte)) {
            if (pendingLength != 0) {
                flush(drop);
                if (output.size() >= wanted) break;
            }
            CodeBuffer buffer;
            emit({buffer.data(), writeNumber(buffer, 0, byte, 10)}, drop);
            continue;
        }
        if (isLeadByte(byte) && pendingLength != 0) {
            flush(drop);
            if (output.size() >= wanted) break;
        }
        if (pendingLength < kLongestDecodedRun) pending[pendingLength] = c;
        ++pendingLength;
    }
    if (pendingLength != 0 && output.size() < wanted) flush(drop);
    pendingLength = 0;
}

void GlyphCodeSplitter::emit(std::string_view code, CodeFilter drop) {
    if (drop != nullptr && drop(code)) return;
    output.emplace_back(code);
}

void GlyphCodeSplitter::flush(CodeFilter drop) {
    CodeBuffer buffer;
    std::size_t length = sizeof kWideGlyphPrefix - 1;
    std::copy_n(kWideGlyphPrefix, length, buffer.begin());
    auto runLength = pendingLength;
    if (runLength == 1) {
        // A lone high byte keeps its sign-widened 32-bit pattern: 0x80 gives ffffff80.
        auto widened = static_cast<std::int32_t>(static_cast<signed char>(pending.front()));
        length = writeNumber(buffer, length, static_cast<std::uint32_t>(widened), 16);
    } else if (runLength <= kLongestDecodedRun) {
        // A four-byte run keeps its whole code point (U+1F600, not U+F600).
        length = writeNumber(buffer, length, utf8::runValue({pending.data(), runLength}), 16);
    }
    // Five or more bytes decode to nothing: the code is the bare prefix.
    emit({buffer.data(), length}, drop);
    pendingLength = 0;
}
