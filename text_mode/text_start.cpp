#include "text_start.h"

#include "data_folder.h"
#include "font_list.h"
#include "name_cache.h"
#include "path_text.h"
#include "system_fonts.h"
#include "text_error.h"

namespace {

// Where the Windows index of the system's fonts is kept, beside the cache.
constexpr char kSystemFontIndexName[] = "font_index.txt";

// Opens the chain whole; if some font will not open, each on its own to find which, and the
// chain of those that do. A broken font should cost its own characters, not every name.
std::unique_ptr<TextFonts> openFonts(const std::vector<FontSource>& fonts,
                                     std::vector<std::string>& problems) {
    if (fonts.empty()) return nullptr;
    try {
        return std::make_unique<TextFonts>(fonts);
    } catch (const TextError&) {
    }
    std::vector<FontSource> usable;
    for (const auto& font : fonts) {
        try {
            TextFonts alone({font});
            usable.push_back(font);
        } catch (const TextError& error) {
            problems.push_back(error.what());
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
        auto list = chosenFonts(dataFolder);
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
