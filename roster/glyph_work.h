#pragma once

#include <filesystem>
#include <string>
#include <unordered_set>

#include "glyph_tables.h"

struct GlyphTables {
    GlyphImageTable& images;
    GlyphWidthTable& widths;
    GlyphCodeTable& codes;
    GlyphNameTable& names;
    LoadedImages& loaded;
};

// Splits a player's name into glyph codes (at most kMaxGlyphsPerName, zero-width characters
// left out) and gives each an image of DATA/assets/png/STEM.png, appending an image and a
// width bit per glyph under the key. A file already loaded for another glyph is not loaded
// again: the glyphs share its image.
void loadPlayerGlyphs(const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder, GlyphTables tables);

// Drops everything the tables hold for the key.
void dropPlayerGlyphs(const std::string& key, GlyphTables tables);

// Drops from all tables every key that belongs to no player of the game, so that the
// strangers of a long evening do not keep their images for good.
void evictAbsentKeys(const std::unordered_set<std::string>& presentKeys, GlyphTables tables);

// Forgets the loaded files whose images no entry holds any more.
void forgetReleasedImages(GlyphTables tables);

// The part of a display name the plugin keeps: enough to order rows and tell a rename.
std::string keptName(const std::string& displayName);

// The host's data folder, from the wide text it reports.
std::filesystem::path pathFromWide(const std::wstring& wide);
