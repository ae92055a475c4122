#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "font_source.h"
#include "mapped_file.h"

// One font of a chain, as the engine shapes and draws with it.
struct TextFont {
    FontSource source;
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
    // Whether the font has a glyph of its own for every one of `chars`.
    bool hasAll(std::size_t font, std::span<const char32_t> chars) const;
    const TextFont& at(std::size_t i) const { return fonts.at(i); }
    FT_Library library() const { return lib; }
    // HarfBuzz's buffer for shaping with this chain, kept between names.
    hb_buffer_t* shapingBuffer() const { return buffer; }

    // Sizes every font to `pixelsPerEm` for shaping and drawing; nothing to do when it is
    // the size already. Bitmap fonts take their nearest strike, scaled when drawn.
    void setSize(int pixelsPerEm);
    int pixelsPerEm() const { return size_; }

    // Where fonts for what the chain lacks come from: the machine's own fonts. None by
    // default, so that a chain alone sets a name the same on every machine.
    using SystemLookup = std::function<std::optional<FontSource>(std::span<const char32_t>)>;
    void setSystemFonts(SystemLookup lookup) { system = std::move(lookup); }

    // A system font that has `chars`, opened and added after the chain at the chain's size;
    // each set of characters is looked up once, and a font file is opened once. None without
    // a system source, or when the system has no such font or it will not open.
    std::optional<std::size_t> systemFontFor(std::span<const char32_t> chars);

    // How many fonts the system may add to a chain: each is mapped for as long as the chain.
    static constexpr std::size_t kMaxSystemFonts = 32;

private:
    void release();

    SystemLookup system;
    std::map<std::u32string, std::optional<std::size_t>> systemChoices;
    std::size_t systemAdded = 0;

    FT_Library lib = nullptr;
    hb_buffer_t* buffer = nullptr;
    std::vector<TextFont> fonts;
    int size_ = 0;
};
