#include "player_glyphs.h"

#include <algorithm>
#include <system_error>

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
struct SharedImage {
    std::shared_ptr<ImageWrapper> image;
    bool fileMissing = false;
};

// Each load decodes a PNG and uploads a texture in a real host, on the game thread: a file
// already held by some glyph is shared, not loaded again.
SharedImage sharedImage(const std::filesystem::path& path, LoadedImages& loaded) {
    auto& slot = loaded[path.native()];
    if (auto image = slot.image.lock()) return {image, slot.fileMissing};
    std::error_code error;
    bool missing = !std::filesystem::is_regular_file(path, error);
    auto image = std::make_shared<ImageWrapper>(path, true, false);
    slot = {image, missing};
    return {image, missing};
}
}  // namespace

const PlayerGlyphs* findPlayerGlyphs(const GlyphStore& store, const std::string& key) {
    auto found = store.players.find(key);
    return found == store.players.end() ? nullptr : &found->second;
}

std::string textOfName(const std::string& displayName) {
    return displayName.substr(0, std::min(displayName.size(), veltrona::kTextNameBytes));
}

void followNameText(GlyphStore& store, const std::string& key, const std::string& displayName) {
    auto found = store.players.find(key);
    if (found == store.players.end()) return;
    auto text = textOfName(displayName);
    if (found->second.name == text) return;
    found->second.name = std::move(text);
    found->second.text = {};
}

std::vector<MissingGlyph> loadPlayerGlyphs(GlyphStore& store, const std::string& key,
                                           const std::string& displayName, std::vector<std::string> codes,
                                           const std::filesystem::path& glyphFolder) {
    PlayerGlyphs record;
    record.name = textOfName(displayName);
    std::vector<MissingGlyph> missing;
    record.glyphs.reserve(codes.size());
    for (auto& code : codes) {
        auto path = chosenGlyphImagePath(glyphFolder, code);
        auto shared = sharedImage(path, store.loaded);
        bool named = std::any_of(missing.begin(), missing.end(),
                                 [&](const MissingGlyph& m) { return m.code == code; });
        // A character sharing a narrow stem is told by its own file, the one glyph sets make.
        if (shared.fileMissing && !named) {
            missing.push_back({code, sharesNarrowStem(code) ? ownGlyphFileName(code) : glyphFileName(code)});
        }
        bool wide = isWideGlyphCode(code);
        record.glyphs.push_back({std::move(code), std::move(shared.image), wide});
    }
    store.players.insert_or_assign(key, std::move(record));
    return missing;
}

bool drawsCodes(const PlayerGlyphs& player, const std::vector<std::string>& codes) {
    return std::equal(player.glyphs.begin(), player.glyphs.end(), codes.begin(), codes.end(),
                      [](const Glyph& glyph, const std::string& code) { return glyph.code == code; });
}

void dropPlayerGlyphs(GlyphStore& store, const std::string& key) { store.players.erase(key); }

void evictAbsentKeys(GlyphStore& store, const std::unordered_set<std::string>& presentKeys) {
    std::erase_if(store.players, [&](const auto& entry) { return !presentKeys.contains(entry.first); });
}

void forgetReleasedImages(GlyphStore& store) {
    std::erase_if(store.loaded, [](const auto& entry) { return entry.second.image.expired(); });
}

std::string keptName(const std::string& displayName) {
    return displayName.substr(0, std::min(displayName.size(), veltrona::kKeptNameBytes));
}
