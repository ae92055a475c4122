#pragma once

using CodePoint = char32_t;

struct CodeRange {
    CodePoint first;
    CodePoint last;  // inclusive
};
