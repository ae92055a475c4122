#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "code_point.h"
#include "font_source.h"
#include "mapped_file.h"

// A FreeType library with one face of one font. FreeType objects must not be shared
// between threads, so every thread opens its own.
class FontFace {
public:
    // Throws ToolError naming the path when the font is missing, unreadable, damaged (cut
    // short, say) or maps no Unicode, and BadInput when the path names something other than
    // a file (a folder, a named pipe, a device) or the font has no such face.
    explicit FontFace(const FontSource& source);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_Library library() const { return lib; }
    FT_Face face() const { return ftFace; }

    bool has(CodePoint cp) const;
    // Colour glyphs: emoji fonts, drawn in their own colours.
    bool colour() const { return FT_HAS_COLOR(ftFace); }
    // Outlines that scale to any size, rather than bitmaps in fixed sizes (strikes).
    bool scalable() const { return FT_IS_SCALABLE(ftFace); }
    // Every character the font maps, ascending.
    std::vector<CodePoint> mappedCharacters() const;
    std::string name() const;

private:
    std::unique_ptr<MappedFile> file;  // FreeType reads the font in place
    FT_Library lib = nullptr;
    FT_Face ftFace = nullptr;
};
