#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ImageWrapper.h"

// One drawn character of a name: its code, the image it is drawn with and its width class.
struct Glyph {
    std::string code;
    std::shared_ptr<ImageWrapper> image;
    bool wide = false;  // a multi-byte character, drawn one wide advance
};

// Everything it takes to draw one player key's name, made from one display name.
struct PlayerGlyphs {
    std::vector<Glyph> glyphs;
    // The display name (its first kKeptNameBytes) the glyphs were made from, so that a
    // renamed player is drawn by the new name.
    std::string keptName;
};

// Every image file loaded and still held by some glyph, by path: a file is loaded once and
// shared by every glyph that draws it. An entry lapses when its image's last holder goes.
using LoadedImages = std::unordered_map<std::filesystem::path::string_type, std::weak_ptr<ImageWrapper>>;

struct GlyphStore {
    std::unordered_map<std::string, PlayerGlyphs> players;
    LoadedImages loaded;
};

// The key's glyphs, or nothing; never adds a record, so the renderer can ask every frame.
const PlayerGlyphs* findPlayerGlyphs(const GlyphStore& store, const std::string& key);

// Splits a player's name into glyph codes (at most kMaxGlyphsPerName, zero-width characters
// left out) and gives each the image of DATA/assets/png/STEM.png. The record is built aside
// and moved in whole: if anything fails, the store keeps what it had.
void loadPlayerGlyphs(GlyphStore& store, const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder);

void dropPlayerGlyphs(GlyphStore& store, const std::string& key);

// Drops every key that belongs to no player of the game, so that the strangers of a long
// evening do not keep their images for good.
void evictAbsentKeys(GlyphStore& store, const std::unordered_set<std::string>& presentKeys);

// Forgets the loaded files whose images no glyph holds any more.
void forgetReleasedImages(GlyphStore& store);

// The part of a display name the plugin keeps: enough to order rows and tell a rename.
std::string keptName(const std::string& displayName);

// The host's data folder, from the wide text it reports.
std::filesystem::path pathFromWide(const std::wstring& wide);
