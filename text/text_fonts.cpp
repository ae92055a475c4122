#include "text_fonts.h"

#include FT_COLOR_H
#include <hb-ot.h>

#include <climits>
#include <span>
#include <string>

#include "path_text.h"
#include "strike_choice.h"
#include "text_error.h"

namespace {

constexpr FT_Color kWhite{255, 255, 255, 255};  // blue, green, red, alpha

TextFont openFont(FT_Library lib, const FontSource& source) {
    TextFont font;
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

}  // namespace

TextFonts::TextFonts(const std::vector<FontSource>& chain) {
    if (chain.empty()) throw TextError("no font to set names with");
    if (FT_Init_FreeType(&lib) != 0) throw TextError("FreeType failed to start");
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
    if (lib) FT_Done_FreeType(lib);
    lib = nullptr;
}

void TextFonts::setSize(int pixelsPerEm) {
    if (pixelsPerEm == size_) return;
    for (auto& font : fonts) {
        const int scale = pixelsPerEm * 64;
        hb_font_set_scale(font.shaper, scale, scale);
        if (font.scalable) {
            FT_Set_Pixel_Sizes(font.face, 0, static_cast<FT_UInt>(pixelsPerEm));
            continue;
        }
        const std::span strikes(font.face->available_sizes,
                                static_cast<std::size_t>(font.face->num_fixed_sizes));
        const auto strike = pickStrike(strikes, pixelsPerEm);
        FT_Select_Size(font.face, static_cast<FT_Int>(strike));
        const double strikeEm = font.face->size->metrics.y_ppem;
        font.bitmapScale = strikeEm > 0 ? pixelsPerEm / strikeEm : 1;
    }
    size_ = pixelsPerEm;
}
