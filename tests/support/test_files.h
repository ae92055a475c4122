#pragma once

// Files and paths as the tests that run programs handle them.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A path as UTF-8 text, for a program's command line.
inline std::string utf8(const std::filesystem::path& path) {
    auto text = path.u8string();
    return {text.begin(), text.end()};
}

inline std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}
