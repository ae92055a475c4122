#pragma once

// What every glyph code looks like, whatever the name: only 0-9, a-f, u and the backslash,
// with the wide prefix "u\" at the start if anywhere. Shared by the splitter's tests and its
// fuzz target.

#include <string>

inline bool inGlyphCodeAlphabet(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == 'u' || c == '\\';
}

inline bool hasGlyphCodeShape(const std::string& code) {
    for (char c : code) {
        if (!inGlyphCodeAlphabet(c)) return false;
    }
    return code.find("u\\", 1) == std::string::npos;
}
