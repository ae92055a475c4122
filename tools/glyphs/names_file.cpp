#include "names_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string_view>

#include "file_kind.h"
#include "path_text.h"
#include "tool_error.h"
#include "utf8.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A friends list is a few kilobytes; this is far beyond any, and still cheap to read.
constexpr std::uintmax_t kMaxBytes = std::uintmax_t{16} << 20;
constexpr std::string_view kSaveAsUtf8 = "save the names file as UTF-8";

std::string readWhole(const std::filesystem::path& path) {
    std::error_code error;
    // Looked at before opening: opening a named pipe would wait for a writer.
    if (auto kind = filekind::describe(std::filesystem::status(path, error).type())) {
        throw BadInput("names file " + quoted(path) + " is " + *kind + ", not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BadInput("cannot read names file " + quoted(path) + ": " + std::strerror(errno));
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxBytes) {
        throw BadInput("names file " + quoted(path) + " is " + std::to_string(size) +
                       " bytes; a names file is at most " + std::to_string(kMaxBytes));
    }
    std::string bytes(static_cast<std::size_t>(error ? 0 : size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) != bytes.size()) {
        throw BadInput("error reading names file " + quoted(path));
    }
    return bytes;
}

std::string at(const std::filesystem::path& path, std::size_t line, std::size_t column) {
    return path.string() + ":" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

void checkText(const std::filesystem::path& path, const NameLine& line) {
    if (auto nul = line.name.find('\0'); nul != std::string::npos) {
        throw BadInput(at(path, line.lineNumber, nul + 1) + "a NUL byte, which no name holds (is the file " +
                       "UTF-16?); " + std::string(kSaveAsUtf8));
    }
    std::size_t badByte = 0;
    if (!utf8::decode(line.name, badByte)) {
        throw BadInput(at(path, line.lineNumber, badByte + 1) + "not UTF-8; " + std::string(kSaveAsUtf8));
    }
}

}  // namespace

std::vector<NameLine> readNamesFile(const std::filesystem::path& path) {
    const auto bytes = readWhole(path);
    if (utf8::startsAsUtf16(bytes)) {
        throw BadInput("names file " + quoted(path) + " is UTF-16 (Notepad's \"Unicode\"); " +
                       std::string(kSaveAsUtf8));
    }
    std::vector<NameLine> names;
    std::size_t start = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    for (std::size_t lineNumber = 1; start < bytes.size(); ++lineNumber) {
        auto end = std::min(bytes.find('\n', start), bytes.size());
        NameLine line{lineNumber, bytes.substr(start, end - start)};
        start = end + 1;
        if (!line.name.empty() && line.name.back() == '\r') line.name.pop_back();
        if (line.name.empty()) continue;
        checkText(path, line);
        names.push_back(std::move(line));
    }
    return names;
}

std::vector<CodePoint> charactersOfNames(const std::vector<NameLine>& names) {
    std::vector<CodePoint> characters;
    for (const auto& line : names) {
        std::size_t badByte = 0;
        auto decoded = utf8::decode(line.name, badByte);
        if (decoded) characters.insert(characters.end(), decoded->begin(), decoded->end());
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}
