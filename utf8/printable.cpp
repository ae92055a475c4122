#include "printable.h"

#include <cstdio>

namespace {
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2;
constexpr unsigned char kC1First = 0x80;
constexpr unsigned char kC1Last = 0x9F;

void appendEscape(std::string& out, const char* format, unsigned value) {
    char escape[8];
    std::snprintf(escape, sizeof escape, format, value);
    out += escape;
}
}  // namespace

std::string escapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == kDelete) {
            appendEscape(out, "\\x%02x", byte);
            continue;
        }
        if (byte == kC1Lead && i + 1 < text.size()) {
            auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= kC1First && next <= kC1Last) {
                appendEscape(out, "\\u%04x", next);
                ++i;
                continue;
            }
        }
        out += static_cast<char>(byte);
    }
    return out;
}
