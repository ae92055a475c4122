#include "text_fonts.h"

#include FT_COLOR_H
#include <hb-ot.h>

#include <climits>
#include <exception>
#include <span>
#include <string>

#include "path_text.h"
#include "strike_choice.h"
#include "text_error.h"

namespace {

constexpr FT_Color kWhite{255, 255, 255, 255};  // blue, green, red, alpha

TextFont openFont(FT_Library lib, const FontSource& source) {
    TextFont font;
    font.source = source;
    font.file = std::make_unique<MappedFile>(source.path);
    if (FT_New_Memory_Face(lib, font.file->data(), static_cast<FT_Long>(font.file->size()), source.faceIndex,
                           &font.face) != 0) {
        throw TextError("font " + quoted(source.path) + " is not a font FreeType can read with a face " +
                        std::to_string(source.faceIndex));
    }
    if (FT_Select_Charmap(font.face, FT_ENCODING_UNICODE) != 0) {
        FT_Done_Face(font.face);
        throw TextError("font " + quoted(source.path) + " has no Unicode character map");
    }
    font.colour = FT_HAS_COLOR(font.face);
    font.scalable = FT_IS_SCALABLE(font.face);
    if (!font.scalable && font.face->num_fixed_sizes <= 0) {
        FT_Done_Face(font.face);
        throw TextError("font " + quoted(source.path) + " has neither outlines nor bitmaps");
    }
    // Layers in "the text's colour" take the colour names are drawn in.
    if (font.colour) FT_Palette_Set_Foreground_Color(font.face, kWhite);
    // HarfBuzz reads the same bytes and measures in font units, scaled to the size asked:
    // the same for outline and bitmap fonts.
    hb_blob_t* blob =
        hb_blob_create(reinterpret_cast<const char*>(font.file->data()),
                       static_cast<unsigned>(font.file->size()), HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(source.faceIndex));
    font.shaper = hb_font_create(face);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
    hb_ot_font_set_funcs(font.shaper);
    return font;
}

// Shaping and drawing at `pixelsPerEm`; a bitmap font takes its nearest strike, scaled
// when drawn.
void sizeFont(TextFont& font, int pixelsPerEm) {
    const int scale = pixelsPerEm * 64;
    hb_font_set_scale(font.shaper, scale, scale);
    if (font.scalable) {
        FT_Set_Pixel_Sizes(font.face, 0, static_cast<FT_UInt>(pixelsPerEm));
        return;
    }
    const std::span strikes(font.face->available_sizes, static_cast<std::size_t>(font.face->num_fixed_sizes));
    const auto strike = pickStrike(strikes, pixelsPerEm);
    FT_Select_Size(font.face, static_cast<FT_Int>(strike));
    const double strikeEm = font.face->size->metrics.y_ppem;
    font.bitmapScale = strikeEm > 0 ? pixelsPerEm / strikeEm : 1;
}

}  // namespace

TextFonts::TextFonts(const std::vector<FontSource>& chain) {
    if (chain.empty()) throw TextError("no font to set names with");
    if (FT_Init_FreeType(&lib) != 0) throw TextError("FreeType failed to start");
    buffer = hb_buffer_create();
    try {
        for (const auto& source : chain) fonts.push_back(openFont(lib, source));
    } catch (...) {
        release();
        throw;
    }
}

TextFonts::~TextFonts() { release(); }

void TextFonts::release() {
    for (auto& font : fonts) {
        hb_font_destroy(font.shaper);
        FT_Done_Face(font.face);
        font.file.reset();
    }
    fonts.clear();
    hb_buffer_destroy(buffer);
    buffer = nullptr;
    if (lib) FT_Done_FreeType(lib);
    lib = nullptr;
}

bool TextFonts::hasAll(std::size_t font, std::span<const char32_t> chars) const {
    hb_font_t* shaper = fonts.at(font).shaper;
    hb_codepoint_t glyph = 0;
    for (const char32_t cp : chars) {
        if (!hb_font_get_nominal_glyph(shaper, cp, &glyph)) return false;
    }
    return true;
}

std::optional<std::size_t> TextFonts::systemFontFor(std::span<const char32_t> chars) {
    if (!system || chars.empty()) return std::nullopt;
    const std::u32string key(chars.begin(), chars.end());
    if (const auto known = systemChoices.find(key); known != systemChoices.end()) return known->second;
    auto& choice = systemChoices[key];
    std::optional<FontSource> source;
    try {
        source = system(chars);
    } catch (const std::exception&) {
        return choice;
    }
    if (!source) return choice;
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        if (fonts[i].source.path == source->path && fonts[i].source.faceIndex == source->faceIndex) {
            // A chain font the lookup offers again: it lacks these characters as well.
            if (hasAll(i, chars.first(1))) choice = i;
            return choice;
        }
    }
    if (systemAdded == kMaxSystemFonts) return choice;
    try {
        fonts.push_back(openFont(lib, *source));
    } catch (const std::exception&) {
        return choice;
    }
    ++systemAdded;
    const std::size_t added = fonts.size() - 1;
    if (size_ > 0) sizeFont(fonts[added], size_);
    if (hasAll(added, chars.first(1))) choice = added;
    return choice;
}

void TextFonts::setSize(int pixelsPerEm) {
    if (pixelsPerEm == size_) return;
    for (auto& font : fonts) sizeFont(font, pixelsPerEm);
    size_ = pixelsPerEm;
}

