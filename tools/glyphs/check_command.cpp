#include "check_command.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <set>
#include <system_error>

#include "build_line.h"
#include "drawn_glyphs.h"
#include "glyph_files.h"
#include "glyph_mode_reading.h"
#include "names_file.h"
#include "path_text.h"
#include "printable.h"

namespace {

constexpr std::size_t kFileColumn = 9;
constexpr std::size_t kColumnGap = 2;
// Where a player may have put the glyph set instead: the data folder's own folders, a
// handful of which are looked into, and its parent.
constexpr std::size_t kNeighboursLooked = 64;
constexpr char kTextHint[] =
    "  Glyph images stand apart, one a character, left to right: type \"Veltrona text\" in the game's "
    "console to set these names whole.\n";

std::vector<std::string> allNames(const CheckOptions& options) {
    auto names = options.names;
    if (options.namesFile) {
        for (auto& line : readNamesFile(*options.namesFile)) names.push_back(std::move(line.name));
    }
    return names;
}

bool isRegularFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

// The file the plugin loads, and for a code sharing an ASCII character's stem whose own
// file is not there, that own file.
GlyphFileStatus statusOf(std::string code, const std::filesystem::path& dataFolder) {
    const auto folder = glyphFolder(dataFolder);
    auto file = chosenGlyphImagePath(folder, code);
    bool present = isRegularFile(file);
    std::filesystem::path missingOwnFile;
    if (sharesNarrowStem(code) && file.filename() != ownGlyphFileName(code))
        missingOwnFile = folder / ownGlyphFileName(code);
    return {std::move(code), std::move(file), present, std::move(missingOwnFile)};
}

// "i's 105.png": the ASCII character whose image stands in for a missing own file.
std::string standIn(const GlyphFileStatus& glyph) {
    return describeAsciiCharacter(glyphFileStem(glyph.code)) + "'s " + glyph.file.filename().string();
}

std::string glyphNote(const GlyphFileStatus& glyph) {
    const auto own = glyph.missingOwnFile.filename().string();
    if (glyph.missingOwnFile.empty()) return glyph.present ? "" : "  MISSING";
    if (!glyph.present) return "  MISSING, and so is its own file " + own;
    return "  own file " + own + " MISSING; " + standIn(glyph) + " stands in";
}

// A missing file, what it is for and where it was needed first.
struct MissingFile {
    std::string character;
    std::optional<char32_t> codePoint;
    std::string firstName;
    std::size_t otherNames = 0;
    std::size_t lastName = 0;
    std::string standsIn;  // for a character's own file: the ASCII image drawn instead
};

std::size_t fileColumn(const std::vector<NameCheck>& checks) {
    std::size_t width = kFileColumn;
    for (const auto& check : checks) {
        for (const auto& glyph : check.glyphs)
            width = std::max(width, glyph.file.filename().string().size() + kColumnGap);
    }
    return width;
}

std::string folderText(const std::filesystem::path& folder) { return '"' + displayText(folder) + '"'; }

// A data folder near the one given whose glyph folder has images: the player's set copied
// one folder too deep (data\data\assets\png), or --data given one folder too high or low.
std::optional<std::filesystem::path> nearbyDataFolder(const std::filesystem::path& dataFolder) {
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    auto absolute = std::filesystem::absolute(dataFolder, error).lexically_normal();
    if (error) return std::nullopt;
    // "C:\Tessarin\data\" names the same folder as without its last separator.
    if (!absolute.has_filename()) absolute = absolute.parent_path();
    if (absolute.has_parent_path() && absolute.parent_path() != absolute)
        candidates.push_back(absolute.parent_path());
    for (std::filesystem::directory_iterator entry(absolute, error), end;
         !error && entry != end && candidates.size() <= kNeighboursLooked; entry.increment(error)) {
        if (entry->is_directory(error)) candidates.push_back(entry->path());
    }
    for (const auto& candidate : candidates) {
        if (inspectGlyphFolder(glyphFolder(candidate)) == GlyphFolderState::ready) return candidate;
    }
    return std::nullopt;
}

// What the plugin would say of a glyph folder without images, and where the set may be.
void printUnusableFolder(const std::filesystem::path& dataFolder, GlyphFolderState state, std::ostream& out) {
    const auto folder = glyphFolder(dataFolder);
    out << "Glyph folder " << folderText(folder)
        << (state == GlyphFolderState::missing ? " not found" : " holds no PNG file")
        << ": every character is missing.\n";
    if (auto nearby = nearbyDataFolder(dataFolder)) {
        out << "  " << folderText(glyphFolder(*nearby)) << " holds glyph images: is the data folder "
            << folderText(*nearby) << "? If not, move that assets folder into " << folderText(dataFolder)
            << ".\n";
        return;
    }
    out << "  Is --data the game's data folder? Copy the package's data\\assets folder into it, or draw "
           "images there with "
        << kGlyphTool << " build.\n";
}

// The characters whose files are missing, for the build line: bytes that are not UTF-8
// name no character and cannot be drawn.
std::vector<CodePoint> missingCharacters(const std::map<std::filesystem::path, MissingFile>& missing) {
    std::vector<CodePoint> characters;
    for (const auto& [file, why] : missing) {
        if (why.codePoint) characters.push_back(*why.codePoint);
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}

bool isWhole(const NameCheck& check) {
    return std::all_of(check.glyphs.begin(), check.glyphs.end(), [](const auto& g) { return g.complete(); });
}

double percentWhole(std::size_t whole, std::size_t names) {
    return names == 0 ? 100.0 : 100.0 * static_cast<double>(whole) / static_cast<double>(names);
}

void printWholeCount(std::size_t whole, std::size_t names, std::ostream& out) {
    out << whole << " of " << names << (names == 1 ? " name" : " names") << " (" << std::fixed
        << std::setprecision(1) << percentWhole(whole, names) << " %) drawn whole.\n";
}

// With a bar, the share of names drawn whole decides; without, any missing file fails.
int exitStatus(const CheckOptions& options, std::size_t whole, std::size_t names, bool anyMissing) {
    if (options.atLeastPercent) return percentWhole(whole, names) >= *options.atLeastPercent ? 0 : 1;
    return anyMissing ? 1 : 0;
}

void printMissing(const std::map<std::filesystem::path, MissingFile>& missing, std::ostream& out) {
    std::size_t width = 0;
    for (const auto& [file, why] : missing)
        width = std::max(width, file.filename().string().size() + kColumnGap);
    for (const auto& [file, why] : missing) {
        out << "  " << std::left << std::setw(static_cast<int>(width)) << file.filename().string() << "for "
            << why.character << " in \"" << escapeControls(why.firstName) << '"';
        if (why.otherNames > 0) {
            out << " and " << why.otherNames << (why.otherNames == 1 ? " other name" : " other names");
        }
        if (!why.standsIn.empty()) out << "; " << why.standsIn << " stands in";
        out << "\n";
    }
}

}  // namespace

std::vector<NameCheck> checkNames(const std::vector<std::string>& names,
                                  const std::filesystem::path& dataFolder) {
    std::vector<NameCheck> checks;
    for (const auto& name : names) {
        NameCheck check{name, {}};
        // The glyphs the plugin draws: zero-width characters left out, 128 at most.
        for (auto& code : drawnGlyphCodes(name))
            check.glyphs.push_back(statusOf(std::move(code), dataFolder));
        checks.push_back(std::move(check));
    }
    return checks;
}

int runCheck(const CheckOptions& options, std::ostream& out) {
    auto checks = checkNames(allNames(options), options.dataFolder);
    const auto whole = static_cast<std::size_t>(std::count_if(checks.begin(), checks.end(), isWhole));

    // With no image to be found, every file would be listed as missing: the folder is what
    // to fix.
    const auto folder = glyphFolder(options.dataFolder);
    if (auto state = inspectGlyphFolder(folder); state != GlyphFolderState::ready) {
        printUnusableFolder(options.dataFolder, state, out);
        printWholeCount(whole, checks.size(), out);
        return exitStatus(options, whole, checks.size(), whole < checks.size());
    }

    out << "Glyph folder " << folderText(folder) << "\n";
    const auto width = static_cast<int>(fileColumn(checks));
    std::set<std::filesystem::path> files;
    std::map<std::filesystem::path, MissingFile> missing;
    std::size_t wholeButTextOnly = 0;
    for (std::size_t n = 0; n < checks.size(); ++n) {
        const auto& check = checks[n];
        // A name's control characters would act on the terminal (retitle it, recolour it),
        // so they are shown as escapes; the character list names them by code point.
        out << escapeControls(check.name);
        if (auto fault = glyphModeFault(check.name); fault != GlyphModeFault::none) {
            out << "  (reads right only as text: " << describeGlyphModeFault(fault) << ")";
            if (isWhole(check)) ++wholeButTextOnly;
        }
        out << "\n";
        if (check.glyphs.empty()) out << "  (no glyphs)\n";
        for (const auto& glyph : check.glyphs) {
            out << "  " << std::left << std::setw(width) << glyph.file.filename().string()
                << describeGlyphCode(glyph.code) << glyphNote(glyph) << "\n";
            files.insert(glyph.neededFile());
            if (glyph.complete()) continue;
            auto [entry, first] = missing.try_emplace(glyph.neededFile());
            auto& why = entry->second;
            if (first) {
                why = {describeGlyphCode(glyph.code), characterOfGlyphCode(glyph.code), check.name, 0, n, {}};
                if (glyph.present) why.standsIn = standIn(glyph);
            } else if (why.lastName != n) {
                ++why.otherNames;
                why.lastName = n;
            }
        }
    }
    out << checks.size() << (checks.size() == 1 ? " name needs " : " names need ") << files.size()
        << (files.size() == 1 ? " glyph file" : " glyph files");
    if (missing.empty()) {
        out << ", all present.\n";
    } else {
        out << "; " << missing.size() << " missing:\n";
        printMissing(missing, out);
    }
    printWholeCount(whole, checks.size(), out);
    if (wholeButTextOnly > 0)
        out << "drawn whole, but read right only as text: " << wholeButTextOnly << "\n" << kTextHint;
    if (auto characters = missingCharacters(missing); !characters.empty()) {
        const bool onlyFromFile = options.names.empty() && options.namesFile;
        out << "To draw the missing files:\n"
            << buildLineFor(options.dataFolder, characters, onlyFromFile ? options.namesFile : std::nullopt)
            << "\n";
    }
    return exitStatus(options, whole, checks.size(), !missing.empty());
}
