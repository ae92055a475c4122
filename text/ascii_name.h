#pragma once

#include <algorithm>
#include <string_view>

// Font file and family names compare as Windows and fontconfig compare them: ASCII case
// ignored, every other byte as it is.
inline bool sameAsciiName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

inline bool endsWithAsciiName(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && sameAsciiName(text.substr(text.size() - ending.size()), ending);
}
