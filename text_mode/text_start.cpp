#include "text_start.h"

#include "data_folder.h"
#include "default_fonts.h"
#include "font_list.h"
#include "name_cache.h"
#include "path_text.h"
#include "system_fonts.h"
#include "text_error.h"

namespace {

// Where the Windows index of the system's fonts is kept, beside the cache.
constexpr char kSystemFontIndexName[] = "font_index.txt";
constexpr char kListName[] = "fonts.txt";

// Opens the chain whole; if some font will not open, each on its own to find which, and the
// chain of those that do. A broken font should cost its own characters, not every name.
std::unique_ptr<TextFonts> openFonts(const std::vector<ListedFont>& fonts, std::vector<std::string>& problems) {
    if (fonts.empty()) return nullptr;
    std::vector<FontSource> usable;
    for (const auto& font : fonts) usable.push_back(font.source);
    try {
        return std::make_unique<TextFonts>(usable);
    } catch (const std::exception&) {
    }
    usable.clear();
    for (const auto& font : fonts) {
        try {
            TextFonts alone({font.source});
            usable.push_back(font.source);
        } catch (const std::exception& error) {
            // Said as the list's other lines are, so the player finds the line to mend.
            std::string line = font.line > 0 ? kListName + (" line " + std::to_string(font.line) + ": ") : "";
            problems.push_back(line + error.what());
        }
    }
    if (usable.empty()) return nullptr;
    return std::make_unique<TextFonts>(usable);
}

}  // namespace

std::unique_ptr<TextWorker> startTextWorker(const std::filesystem::path& dataFolder) {
    // Asked on the worker only: the first question starts fontconfig or reads the index.
    auto system = std::make_shared<SystemFonts>(ownFolder(dataFolder) / kSystemFontIndexName);
    auto open = [dataFolder, system](TextWorker::FontsReport& report) -> std::unique_ptr<TextFonts> {
        auto list = chosenFonts(dataFolder, [&system](std::string_view family) { return system->fontOfFamily(family); });
        report.fromList = list.fromFile;
        report.lines = std::move(list.problems);
        auto fonts = openFonts(list.fonts, report.lines);
        // A list that names no usable font is the player's choice, not silently replaced.
        if (!fonts && list.fromFile) return nullptr;
        // No font of the default chain is installed (Wine, Proton, a stripped Windows): the
        // system's own main font, and its fallback for the rest.
        if (!fonts) {
            auto main = system->mainFont();
            if (!main) return nullptr;
            fonts = std::make_unique<TextFonts>(std::vector{*main});
        }
        fonts->setSystemFonts([system](std::span<const char32_t> chars) { return system->fontFor(chars); });
        return fonts;
    };
    return std::make_unique<TextWorker>(std::move(open), cacheFolder(dataFolder));
}

bool fontsOnHand(const std::filesystem::path& dataFolder) {
    std::error_code error;
    if (std::filesystem::exists(fontListFile(dataFolder), error)) return true;
    if (!findDefaultFonts(defaultFontChain()).installed.empty()) return true;
    return SystemFonts::mainFontFilePresent();
}
