#include "path_text.h"

std::filesystem::path pathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string displayText(const std::filesystem::path& path) {
    auto text = path.u8string();
    return {text.begin(), text.end()};
}

std::string quoted(const std::filesystem::path& path) {
    std::string text(1, '\'');
    text += displayText(path);
    text += '\'';
    return text;
}
