#include "font_list.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "data_folder.h"
#include "default_fonts.h"
#include "path_text.h"
#include "player_text.h"
#include "printable.h"

namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "fonts.txt";
// Room for hundreds of fonts; a larger file is not a list of them.
constexpr std::size_t kMaxBytes = 64 * 1024;
constexpr char kFaceMark = '|';

struct Entry {
    std::string_view path;
    long face = 0;
};

Entry parseEntry(std::string_view line) {
    const auto mark = line.rfind(kFaceMark);
    if (mark == std::string_view::npos) return {line};
    const auto digits = trimmed(line.substr(mark + 1));
    long face = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), face);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || face < 0)
        return {line};
    return {trimmed(line.substr(0, mark)), face};
}

std::string problem(const std::string& where, std::string_view path, const char* what) {
    return where + ": \"" + escapeControls(path) + "\" " + what;
}

FontList listedFonts(const fs::path& file) {
    FontList list;
    list.fromFile = true;
    const auto read = readPlayerText(file, kMaxBytes);
    if (!read.problem.empty()) {
        list.problems.push_back(std::string(kFileName) + ": " + read.problem);
        return list;
    }
    const auto folder = file.parent_path();
    PlayerLines lines(read.text);
    std::string_view line;
    while (lines.next(line)) {
        const auto entry = parseEntry(line);
        const auto path = folder / pathFromUtf8(std::string(entry.path));
        std::error_code error;
        const auto type = fs::status(path, error).type();
        if (type == fs::file_type::regular) {
            list.fonts.push_back({path, entry.face});
            continue;
        }
        const auto where = std::string(kFileName) + " line " + std::to_string(lines.number());
        list.problems.push_back(
            problem(where, entry.path, type == fs::file_type::not_found ? "not found" : "is not a file"));
    }
    return list;
}

}  // namespace

fs::path fontListFile(const fs::path& dataFolder) { return ownFolder(dataFolder) / kFileName; }

FontList chosenFonts(const fs::path& dataFolder) {
    const auto file = fontListFile(dataFolder);
    std::error_code error;
    if (fs::symlink_status(file, error).type() != fs::file_type::not_found) return listedFonts(file);
    return {findDefaultFonts(defaultFontChain()).installed, false, {}};
}
