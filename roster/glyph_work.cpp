#include "glyph_work.h"

#include <algorithm>
#include <memory>

#include "drawn_glyphs.h"
#include "glyph_file.h"
#include "name_limits.h"

std::filesystem::path pathFromWide(const std::wstring& wide) {
    // Windows paths are natively wide. Elsewhere wchar_t holds UTF-32, which the path
    // would otherwise convert through the C locale and reject outside ASCII.
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return std::filesystem::path(wide);
    } else {
        return std::filesystem::path(std::u32string(wide.begin(), wide.end()));
    }
}

namespace {
// Each load decodes a PNG and uploads a texture in a real host, on the game thread: a file
// already held by some entry is shared, not loaded again.
std::shared_ptr<ImageWrapper> sharedImage(const std::filesystem::path& path, LoadedImages& loaded) {
    auto& slot = loaded[path.native()];
    if (auto image = slot.lock()) return image;
    auto image = std::make_shared<ImageWrapper>(path, true, false);
    slot = image;
    return image;
}
}  // namespace

void loadPlayerGlyphs(const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder, GlyphTables tables) {
    // Zero-width characters get no cell: no image, no width bit and no code, so the three
    // tables stay aligned.
    auto codes = drawnGlyphCodes(displayName);
    // Joined once per player, not once per glyph.
    const auto folder = glyphFolder(dataFolder);
    for (const auto& code : codes) {
        tables.images[key].push_back(sharedImage(chosenGlyphImagePath(folder, code), tables.loaded));
        tables.widths[key].push_back(isWideGlyphCode(code));
    }
    tables.codes[key] = std::move(codes);
    tables.names[key] = keptName(displayName);
}

void dropPlayerGlyphs(const std::string& key, GlyphTables tables) {
    tables.images.erase(key);
    tables.widths.erase(key);
    tables.codes.erase(key);
    tables.names.erase(key);
}

void evictAbsentKeys(const std::unordered_set<std::string>& presentKeys, GlyphTables tables) {
    auto absent = [&](const auto& entry) { return !presentKeys.contains(entry.first); };
    std::erase_if(tables.images, absent);
    std::erase_if(tables.widths, absent);
    std::erase_if(tables.codes, absent);
    std::erase_if(tables.names, absent);
}

void forgetReleasedImages(GlyphTables tables) {
    std::erase_if(tables.loaded, [](const auto& entry) { return entry.second.expired(); });
}

std::string keptName(const std::string& displayName) {
    return displayName.substr(0, std::min(displayName.size(), veltrona::kKeptNameBytes));
}
