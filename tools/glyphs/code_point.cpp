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
    if (value > kLastCodePoint || utf8::isSurrogate(value)) return std::nullopt;
    return static_cast<CodePoint>(value);
}

}  // namespace

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
