#pragma once

#include <filesystem>
#include <string>
#include <unordered_set>

#include "glyph_tables.h"

struct GlyphTables {
    GlyphImageTable& images;
    GlyphWidthTable& widths;
    GlyphCodeTable& codes;
};

// Splits a player's name into glyph codes (at most kMaxGlyphsPerName) and loads one image
// per code from DATA/assets/png/STEM.png, appending an image and a width bit per glyph
// under the key.
void loadPlayerGlyphs(const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder, GlyphTables tables);

// Drops from all tables every key that belongs to no player of the game, so that the
// strangers of a long evening do not keep their images for good.
void evictAbsentKeys(const std::unordered_set<std::string>& presentKeys, GlyphTables tables);

// The host's data folder, from the wide text it reports.
std::filesystem::path pathFromWide(const std::wstring& wide);
