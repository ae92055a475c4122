#include "player_glyphs.h"

#include <algorithm>

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
// already held by some glyph is shared, not loaded again.
std::shared_ptr<ImageWrapper> sharedImage(const std::filesystem::path& path, LoadedImages& loaded) {
    auto& slot = loaded[path.native()];
    if (auto image = slot.lock()) return image;
    auto image = std::make_shared<ImageWrapper>(path, true, false);
    slot = image;
    return image;
}
}  // namespace

const PlayerGlyphs* findPlayerGlyphs(const GlyphStore& store, const std::string& key) {
    auto found = store.players.find(key);
    return found == store.players.end() ? nullptr : &found->second;
}

void loadPlayerGlyphs(GlyphStore& store, const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder) {
    PlayerGlyphs record;
    // Zero-width characters get no cell.
    auto codes = drawnGlyphCodes(displayName);
    record.glyphs.reserve(codes.size());
    // Joined once per player, not once per glyph.
    const auto folder = glyphFolder(dataFolder);
    for (auto& code : codes) {
        auto image = sharedImage(chosenGlyphImagePath(folder, code), store.loaded);
        bool wide = isWideGlyphCode(code);
        record.glyphs.push_back({std::move(code), std::move(image), wide});
    }
    record.keptName = keptName(displayName);
    store.players.insert_or_assign(key, std::move(record));
}

void dropPlayerGlyphs(GlyphStore& store, const std::string& key) { store.players.erase(key); }

void evictAbsentKeys(GlyphStore& store, const std::unordered_set<std::string>& presentKeys) {
    std::erase_if(store.players, [&](const auto& entry) { return !presentKeys.contains(entry.first); });
}

void forgetReleasedImages(GlyphStore& store) {
    std::erase_if(store.loaded, [](const auto& entry) { return entry.second.expired(); });
}

std::string keptName(const std::string& displayName) {
    return displayName.substr(0, std::min(displayName.size(), veltrona::kKeptNameBytes));
}
