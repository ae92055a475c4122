#include "names_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "tool_error.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

std::vector<NameLine> readNamesFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ToolError("cannot read names file '" + path.string() + "': " + std::strerror(errno));
    std::vector<NameLine> names;
    std::string line;
    for (std::size_t lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (lineNumber == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        names.push_back({lineNumber, std::move(line)});
    }
    if (in.bad()) throw ToolError("error reading names file '" + path.string() + "'");
    return names;
}

std::vector<CodePoint> charactersOfNames(const std::vector<NameLine>& names,
                                         const std::filesystem::path& path) {
    std::vector<CodePoint> characters;
    for (const auto& line : names) {
        std::size_t badByte = 0;
        auto decoded = decodeUtf8(line.name, badByte);
        if (!decoded) {
            throw ToolError(path.string() + ":" + std::to_string(line.lineNumber) + ":" +
                            std::to_string(badByte + 1) + ": not UTF-8; save the names file as UTF-8");
        }
        characters.insert(characters.end(), decoded->begin(), decoded->end());
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}
