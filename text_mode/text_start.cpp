#include "text_start.h"

#include "font_list.h"
#include "name_cache.h"
#include "path_text.h"
#include "text_error.h"

namespace {

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

TextStart startTextWorker(const std::filesystem::path& dataFolder) {
    TextStart start;
    auto list = chosenFonts(dataFolder);
    start.fromList = list.fromFile;
    start.problems = std::move(list.problems);
    auto fonts = openFonts(list.fonts, start.problems);
    if (!fonts) return start;
    start.worker = std::make_unique<TextWorker>(std::move(fonts), cacheFolder(dataFolder));
    return start;
}
