#include "utf8.h"

namespace utf8 {
namespace {
constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

unsigned char byteAt(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

char32_t leadMask(std::size_t runLength) {
    switch (runLength) {
        case 2:
            return 0x1F;
        case 3:
            return 0x0F;
        default:
            return 0x07;
    }
}
}  // namespace

bool isSurrogate(char32_t cp) { return cp >= 0xD800 && cp <= 0xDFFF; }

std::size_t sequenceLength(std::string_view bytes) {
    if (bytes.empty()) return 0;
    unsigned char lead = byteAt(bytes, 0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    // The second byte's range is narrower after some leads: that is what rules out overlong
    // forms, surrogates and values past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byteAt(bytes, 1) < low || byteAt(bytes, 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byteAt(bytes, i) < 0x80 || byteAt(bytes, i) > 0xBF) return 0;
    }
    return length;
}

char32_t runValue(std::string_view run) {
    if (run.empty()) return 0;
    char32_t value = byteAt(run, 0) & leadMask(run.size());
    for (std::size_t i = 1; i < run.size(); ++i) value = (value << 6) | (byteAt(run, i) & 0x3F);
    return value;
}

std::optional<std::vector<char32_t>> decode(std::string_view text, std::size_t& errorOffset) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        auto length = sequenceLength(text.substr(i));
        if (length == 0) {
            errorOffset = i;
            return std::nullopt;
        }
        out.push_back(length == 1 ? byteAt(text, i) : runValue(text.substr(i, length)));
        i += length;
    }
    return out;
}

std::string encode(char32_t cp) {
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

std::string replaceInvalid(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        auto length = sequenceLength(text);
        if (length == 0) {
            result += kReplacement;
            text.remove_prefix(1);
        } else {
            result.append(text.substr(0, length));
            text.remove_prefix(length);
        }
    }
    return result;
}

bool startsAsUtf16(std::string_view text) {
    constexpr std::string_view kMarks[] = {"\xFF\xFE", "\xFE\xFF"};
    for (const auto mark : kMarks) {
        if (text.starts_with(mark)) return true;
    }
    return false;
}

}  // namespace utf8
