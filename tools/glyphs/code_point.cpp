#include "code_point.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

#include "tool_error.h"

namespace {

std::optional<CodePoint> parseHexCodePoint(std::string_view text) {
    if (text.size() < 3 || (text[0] != 'U' && text[0] != 'u') || text[1] != '+') return std::nullopt;
    auto digits = text.substr(2);
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    if (value > kLastCodePoint || isSurrogate(value)) return std::nullopt;
    return static_cast<CodePoint>(value);
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes after the lead byte, or 0 for a byte that cannot start a character.
std::size_t trailingBytes(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return 0;
}

// The smallest value each length may carry; anything below is an overlong form.
CodePoint lowestOfLength(std::size_t trailing) {
    switch (trailing) {
        case 1:
            return 0x80;
        case 2:
            return 0x800;
        default:
            return 0x10000;
    }
}

}  // namespace

bool isSurrogate(CodePoint cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

std::string encodeUtf8(CodePoint cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::optional<std::vector<CodePoint>> decodeUtf8(std::string_view text, std::size_t& errorOffset) {
    std::vector<CodePoint> out;
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        errorOffset = i;
        std::size_t trailing = trailingBytes(lead);
        if (trailing == 0 || text.size() - i <= trailing) return std::nullopt;
        CodePoint cp = lead & (0x3F >> trailing);
        for (std::size_t k = 1; k <= trailing; ++k) {
            auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte)) return std::nullopt;
            cp = (cp << 6) | (byte & 0x3F);
        }
        if (cp < lowestOfLength(trailing) || cp > kLastCodePoint || isSurrogate(cp)) return std::nullopt;
        out.push_back(cp);
        i += trailing + 1;
    }
    return out;
}

CodeRange parseCodeRange(std::string_view text) {
    auto dash = text.find('-');
    auto first = parseHexCodePoint(text.substr(0, dash));
    auto last = dash == std::string_view::npos ? first : parseHexCodePoint(text.substr(dash + 1));
    if (!first || !last) {
        throw ToolError("'" + std::string(text) +
                        "' is not a code point or range: write U+3042 or U+3040-U+309F "
                        "(hexadecimal, at most U+10FFFF, no surrogates)");
    }
    if (*last < *first) {
        throw ToolError("range '" + std::string(text) + "' ends before it starts");
    }
    return {*first, *last};
}

std::string formatCodePoint(CodePoint cp) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

std::string formatCodePointRuns(const std::vector<CodePoint>& characters) {
    std::string text;
    for (std::size_t i = 0; i < characters.size();) {
        std::size_t end = i + 1;
        while (end < characters.size() && characters[end] == characters[end - 1] + 1) ++end;
        if (!text.empty()) text += ", ";
        text += formatCodePoint(characters[i]);
        if (end - i > 1) {
            text += '-';
            text += formatCodePoint(characters[end - 1]);
        }
        i = end;
    }
    return text;
}
