#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <memory>
#include <vector>

#include "font_source.h"
#include "mapped_file.h"

// One font of a chain, as the engine shapes and draws with it.
struct TextFont {
    std::unique_ptr<MappedFile> file;  // FreeType and HarfBuzz read the font in place
    FT_Face face = nullptr;
    hb_font_t* shaper = nullptr;
    bool colour = false;     // emoji fonts: colour bitmaps or colour layers
    bool scalable = true;    // outlines; else bitmaps in fixed sizes (strikes)
    double bitmapScale = 1;  // a bitmap font's strike to the size asked
};

// The fonts of a chain, main font first, mapped and opened once and shared by every name
// set with them: setting a name reads no file. FreeType and HarfBuzz objects are not for two threads at
// once, so one thread uses a chain at a time (a worker may, while the game thread does
// other work).
class TextFonts {
public:
    // Throws TextError naming a font that cannot be opened, has no such face or maps no
    // Unicode. An empty chain is refused too.
    explicit TextFonts(const std::vector<FontSource>& chain);
    ~TextFonts();
    TextFonts(const TextFonts&) = delete;
    TextFonts& operator=(const TextFonts&) = delete;

    std::size_t size() const { return fonts.size(); }
    const TextFont& at(std::size_t i) const { return fonts.at(i); }
    FT_Library library() const { return lib; }

    // Sizes every font to `pixelsPerEm` for shaping and drawing; nothing to do when it is
    // the size already. Bitmap fonts take their nearest strike, scaled when drawn.
    void setSize(int pixelsPerEm);
    int pixelsPerEm() const { return size_; }

private:
    void release();

    FT_Library lib = nullptr;
    std::vector<TextFont> fonts;
    int size_ = 0;
};
