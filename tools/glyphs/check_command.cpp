#include "check_command.h"

#include <iomanip>
#include <set>
#include <system_error>

#include "GlyphCodeSplitter.h"
#include "glyph_files.h"
#include "names_file.h"

namespace {

constexpr int kCodeColumn = 9;

std::vector<std::string> allNames(const CheckOptions& options) {
    auto names = options.names;
    if (options.namesFile) {
        for (auto& line : readNamesFile(*options.namesFile)) names.push_back(std::move(line.name));
    }
    return names;
}

}  // namespace

std::vector<NameCheck> checkNames(const std::vector<std::string>& names,
                                  const std::filesystem::path& dataFolder) {
    std::vector<NameCheck> checks;
    for (const auto& name : names) {
        NameCheck check{name, {}};
        for (auto& code : GlyphCodeSplitter{}.split(name)) {
            auto file = glyphImagePath(dataFolder, code);
            std::error_code error;
            bool present = std::filesystem::is_regular_file(file, error);
            check.glyphs.push_back({std::move(code), std::move(file), present});
        }
        checks.push_back(std::move(check));
    }
    return checks;
}

int runCheck(const CheckOptions& options, std::ostream& out) {
    auto checks = checkNames(allNames(options), options.dataFolder);
    std::set<std::filesystem::path> files;
    std::set<std::filesystem::path> missing;
    for (const auto& check : checks) {
        out << check.name << "\n";
        if (check.glyphs.empty()) out << "  (no glyphs)\n";
        for (const auto& glyph : check.glyphs) {
            out << "  " << std::left << std::setw(kCodeColumn) << glyph.code << glyph.file.string()
                << (glyph.present ? "" : "  MISSING") << "\n";
            files.insert(glyph.file);
            if (!glyph.present) missing.insert(glyph.file);
        }
    }
    out << checks.size() << (checks.size() == 1 ? " name needs " : " names need ") << files.size()
        << (files.size() == 1 ? " glyph file" : " glyph files");
    if (missing.empty()) {
        out << ", all present.\n";
        return 0;
    }
    out << "; " << missing.size() << " missing:\n";
    for (const auto& file : missing) out << "  " << file.filename().string() << "\n";
    return 1;
}
