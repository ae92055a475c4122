#include "font_list.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

#include "ascii_name.h"
#include "data_folder.h"
#include "default_fonts.h"
#include "path_text.h"
#include "player_text.h"
#include "printable.h"
#include "utf8.h"

namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "fonts.txt";
// Room for hundreds of fonts; a larger file is not a list of them.
constexpr std::size_t kMaxBytes = 64 * 1024;
constexpr char kFaceMark = '|';
constexpr char kNotUtf8[] = ": not UTF-8; save it as UTF-8";
constexpr char kUtf16Refused[] =
    " is saved as UTF-16 (Notepad's \"Unicode\") and is not read; save it as UTF-8 (Notepad: Save as, "
    "Encoding: UTF-8)";
constexpr char kQuote = '"';

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

// Explorer's "Copy as path" and most command lines put a path in double quotes.
std::string_view unquoted(std::string_view path) {
    if (path.size() >= 2 && path.front() == kQuote && path.back() == kQuote)
        return trimmed(path.substr(1, path.size() - 2));
    return path;
}

// "Segoe UI" rather than a file: no folder in it, and no font file's ending.
bool readsAsFamily(std::string_view text) {
    if (text.empty() || text.find_first_of("/\\") != std::string_view::npos) return false;
    for (const char* ending : {".ttf", ".otf", ".ttc", ".otc"}) {
        if (endsWithAsciiName(text, ending)) return false;
    }
    return true;
}

bool isUtf8(std::string_view line) {
    std::size_t error = 0;
    return utf8::decode(line, error).has_value();
}

// A file Notepad saved as UTF-16 starts with its byte-order mark; without one, its Latin
// text still shows as every other byte zero.
bool isUtf16(std::string_view text) {
    return utf8::startsAsUtf16(text) || (text.size() >= 2 && (text[0] == '\0' || text[1] == '\0'));
}

std::string problem(const std::string& where, std::string_view path, const char* what) {
    return where + ": \"" + escapeControls(path) + "\" " + what;
}

FontList listedFonts(const fs::path& file, const FamilyLookup& family) {
    FontList list;
    list.fromFile = true;
    const auto read = readPlayerText(file, kMaxBytes);
    if (!read.problem.empty()) {
        list.problems.push_back(std::string(kFileName) + ": " + read.problem);
        return list;
    }
    if (isUtf16(read.text)) {
        list.problems.push_back(std::string(kFileName) + kUtf16Refused);
        return list;
    }
    const auto folder = file.parent_path();
    PlayerLines lines(read.text);
    std::string_view line;
    std::size_t leftOut = 0;
    while (lines.next(line)) {
        const auto where = std::string(kFileName) + " line " + std::to_string(lines.number());
        // Windows reads a path only from UTF-8 here: an ANSI line would not even convert.
        if (!isUtf8(line)) {
            list.problems.push_back(where + kNotUtf8);
            continue;
        }
        auto entry = parseEntry(line);
        const auto text = unquoted(entry.path);
        auto path = folder / pathFromUtf8(std::string(text));
        std::error_code error;
        const auto type = fs::status(path, error).type();
        if (type == fs::file_type::not_found && family && readsAsFamily(text)) {
            const auto installed = family(text);
            if (!installed) {
                list.problems.push_back(where + ": no installed font of the family \"" +
                                        escapeControls(text) + "\"");
                continue;
            }
            path = installed->path;
            entry.face = installed->faceIndex;
        } else if (type != fs::file_type::regular) {
            list.problems.push_back(
                problem(where, text, type == fs::file_type::not_found ? "not found" : "is not a file"));
            continue;
        }
        // A font named twice is opened once.
        const bool listed = std::any_of(list.fonts.begin(), list.fonts.end(), [&](const ListedFont& font) {
            return font.source.faceIndex == entry.face && font.source.path == path;
        });
        if (listed) continue;
        if (list.fonts.size() == kMaxListedFonts) {
            ++leftOut;
            continue;
        }
        list.fonts.push_back({{path, entry.face}, lines.number()});
    }
    if (leftOut > 0) {
        list.problems.push_back(std::string(kFileName) + ": only the first " +
                                std::to_string(kMaxListedFonts) + " fonts are used; " +
                                std::to_string(leftOut) + " more are left out");
    }
    return list;
}

}  // namespace

fs::path fontListFile(const fs::path& dataFolder) { return ownFolder(dataFolder) / kFileName; }

FontList chosenFonts(const fs::path& dataFolder, const FamilyLookup& family) {
    const auto file = fontListFile(dataFolder);
    std::error_code error;
    if (fs::symlink_status(file, error).type() != fs::file_type::not_found) return listedFonts(file, family);
    FontList list;
    for (auto& font : findDefaultFonts(defaultFontChain()).installed)
        list.fonts.push_back({std::move(font), 0});
    return list;
}
