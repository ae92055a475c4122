#pragma once

#include <filesystem>
#include <string>

#include "glyph_tables.h"

struct GlyphTables {
    GlyphImageTable& images;
    GlyphWidthTable& widths;
    GlyphCodeTable& codes;
};

// Splits a player's name into glyph codes and loads one image per code from
// DATA/assets/png/STEM.png, appending an image and a width bit per glyph under the key.
void loadPlayerGlyphs(const std::string& key, const std::string& displayName,
                      const std::filesystem::path& dataFolder, GlyphTables tables);

// The host's data folder, from the wide text it reports.
std::filesystem::path pathFromWide(const std::wstring& wide);
