#include "check_command.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <set>
#include <system_error>

#include "drawn_glyphs.h"
#include "glyph_files.h"
#include "names_file.h"
#include "printable.h"

namespace {

constexpr std::size_t kCodeColumn = 9;
constexpr std::size_t kColumnGap = 2;

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
    std::string firstName;
    std::size_t otherNames = 0;
    std::size_t lastName = 0;
    std::string standsIn;  // for a character's own file: the ASCII image drawn instead
};

std::size_t codeColumn(const std::vector<NameCheck>& checks) {
    std::size_t width = kCodeColumn;
    for (const auto& check : checks) {
        for (const auto& glyph : check.glyphs) width = std::max(width, glyph.code.size() + kColumnGap);
    }
    return width;
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
    const auto width = static_cast<int>(codeColumn(checks));
    std::set<std::filesystem::path> files;
    std::map<std::filesystem::path, MissingFile> missing;
    for (std::size_t n = 0; n < checks.size(); ++n) {
        const auto& check = checks[n];
        // A name's control characters would act on the terminal (retitle it, recolour it),
        // so they are shown as escapes; the character list names them by code point.
        out << escapeControls(check.name) << "\n";
        if (check.glyphs.empty()) out << "  (no glyphs)\n";
        for (const auto& glyph : check.glyphs) {
            out << "  " << std::left << std::setw(width) << glyph.code << glyph.file.string()
                << glyphNote(glyph) << "\n";
            files.insert(glyph.neededFile());
            if (glyph.complete()) continue;
            auto [entry, first] = missing.try_emplace(glyph.neededFile());
            auto& why = entry->second;
            if (first) {
                why = {describeGlyphCode(glyph.code), check.name, 0, n, {}};
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
    const auto whole =
        static_cast<std::size_t>(std::count_if(checks.begin(), checks.end(), [](const NameCheck& c) {
            return std::all_of(c.glyphs.begin(), c.glyphs.end(), [](const auto& g) { return g.complete(); });
        }));
    const double percent = checks.empty() ? 100.0 : 100.0 * static_cast<double>(whole) / checks.size();
    out << whole << " of " << checks.size() << (checks.size() == 1 ? " name" : " names") << " (" << std::fixed
        << std::setprecision(1) << percent << " %) drawn whole.\n";
    if (options.atLeastPercent) return percent >= *options.atLeastPercent ? 0 : 1;
    return missing.empty() ? 0 : 1;
}
