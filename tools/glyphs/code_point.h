#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code_range.h"
#include "utf8.h"

inline constexpr CodePoint kLastCodePoint = utf8::kLastCodePoint;

// "U+3042" or "U+3040-U+309F"; throws ToolError naming the text otherwise.
CodeRange parseCodeRange(std::string_view text);

// "U+0041", the usual way of writing a code point: at least four hex digits.
std::string formatCodePoint(CodePoint cp);

// "U+0378-U+0379, U+0380": runs of consecutive code points as ranges, so that a long list
// (a font lacking a whole block) stays readable. Expects ascending input.
std::string formatCodePointRuns(const std::vector<CodePoint>& characters);
