#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "ImageWrapper.h"
#include "name_text.h"

// One drawn character of a name: its code, the image it is drawn with and its width class.
struct Glyph {
    std::string code;
    std::shared_ptr<ImageWrapper> image;
    bool wide = false;  // a multi-byte character, drawn one wide advance
};

// Everything it takes to draw one player key's name: one glyph per drawn character, in name
// order, and the name as the text engine sets it. A rename is told by the codes, so a name
// that only gains zero-width characters or characters past the glyph cap keeps its glyphs.
struct PlayerGlyphs {
    std::vector<Glyph> glyphs;
    std::string name;  // as far as the text engine reads it
    NameText text;
};

// An image file loaded and still held by some glyph, and whether its file was missing when
// it was loaded (the host then draws nothing for it).
struct LoadedImage {
    std::weak_ptr<ImageWrapper> image;
    bool fileMissing = false;
};

// Every image file loaded and still held by some glyph, by path: a file is loaded once and
// shared by every glyph that draws it. An entry lapses when its image's last holder goes.
using LoadedImages = std::unordered_map<std::filesystem::path::string_type, LoadedImage>;

struct GlyphStore {
    std::unordered_map<std::string, PlayerGlyphs> players;
    LoadedImages loaded;
};

// A glyph of a name whose image file is not in the glyph folder.
struct MissingGlyph {
    std::string code;
    std::string fileName;
};

// The key's glyphs, or nothing; never adds a record, so the renderer can ask every frame.
const PlayerGlyphs* findPlayerGlyphs(const GlyphStore& store, const std::string& key);

// Gives each drawn code of a name (drawnGlyphCodes) the image of its file in the glyph
// folder and stores them as the key's record, and returns the characters whose file is
// missing, each once, in name order.
// The record is built aside and moved in whole: if anything fails, the store keeps what it
// had.
std::vector<MissingGlyph> loadPlayerGlyphs(GlyphStore& store, const std::string& key,
                                           const std::string& displayName, std::vector<std::string> codes,
                                           const std::filesystem::path& glyphFolder);

// The part of a display name the text engine is given.
std::string textOfName(const std::string& displayName);

// A rename that glyph files do not see (a joiner added between two emoji, U+FE0F after a
// heart, a zero-width non-joiner in a Persian name) still changes the name set as text: the
// record takes the new text, and its name image goes to be set anew.
void followNameText(GlyphStore& store, const std::string& key, const std::string& displayName);

// Whether the record draws exactly these codes.
bool drawsCodes(const PlayerGlyphs& player, const std::vector<std::string>& codes);

void dropPlayerGlyphs(GlyphStore& store, const std::string& key);

// Drops every key that belongs to no player of the game, so that the strangers of a long
// evening do not keep their images for good.
void evictAbsentKeys(GlyphStore& store, const std::unordered_set<std::string>& presentKeys);

// Forgets the loaded files whose images no glyph holds any more.
void forgetReleasedImages(GlyphStore& store);

// The part of a display name the plugin keeps: enough to order rows.
std::string keptName(const std::string& displayName);

// The host's data folder, from the wide text it reports.
std::filesystem::path pathFromWide(const std::wstring& wide);
