#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using CodePoint = char32_t;

inline constexpr CodePoint kLastCodePoint = 0x10FFFF;

struct CodeRange {
    CodePoint first;
    CodePoint last;  // inclusive
};

bool isSurrogate(CodePoint cp);

std::string encodeUtf8(CodePoint cp);

// Strict decoding: overlong forms, surrogates and values past U+10FFFF are refused.
// On failure, returns nothing and sets errorOffset to the first bad byte.
std::optional<std::vector<CodePoint>> decodeUtf8(std::string_view text, std::size_t& errorOffset);

// "U+3042" or "U+3040-U+309F"; throws ToolError naming the text otherwise.
CodeRange parseCodeRange(std::string_view text);

// "U+0041", the usual way of writing a code point: at least four hex digits.
std::string formatCodePoint(CodePoint cp);

// "U+0378-U+0379, U+0380": runs of consecutive code points as ranges, so that a long list
// (a font lacking a whole block) stays readable. Expects ascending input.
std::string formatCodePointRuns(const std::vector<CodePoint>& characters);
