#include "font_face.h"

#include <system_error>

#include "file_kind.h"
#include "path_text.h"
#include "sfnt_directory.h"
#include "text_error.h"
#include "tool_error.h"

namespace {

FT_Error openFace(FT_Library lib, const MappedFile& file, FT_Long index, FT_Face* face) {
    return FT_New_Memory_Face(lib, file.data(), static_cast<FT_Long>(file.size()), index, face);
}

long faceCount(FT_Library lib, const MappedFile& file) {
    FT_Face probe = nullptr;
    if (openFace(lib, file, -1, &probe) != 0) return 0;
    long count = probe->num_faces;
    FT_Done_Face(probe);
    return count;
}

// "1 face, numbered 0" or "10 faces, numbered 0 to 9".
std::string faceCountText(long faces) {
    if (faces == 1) return "1 face, numbered 0";
    return std::to_string(faces) + " faces, numbered 0 to " + std::to_string(faces - 1);
}

}  // namespace

FontFace::FontFace(const FontSource& source) {
    std::error_code error;
    const auto type = std::filesystem::status(source.path, error).type();
    if (auto kind = filekind::describe(type)) {
        throw BadInput("font " + quoted(source.path) + " is " + *kind + ", not a font file");
    }
    if (type != std::filesystem::file_type::regular) {
        throw ToolError("font file " + quoted(source.path) + " not found");
    }
    if (auto why = sfntCutShort(source.path, source.faceIndex)) {
        throw ToolError("font " + quoted(source.path) + " is damaged (cut short?): " + *why);
    }
    try {
        file = std::make_unique<MappedFile>(source.path);
    } catch (const TextError& e) {
        throw ToolError(e.what());
    }
    if (FT_Init_FreeType(&lib) != 0) throw ToolError("FreeType failed to start");
    const long faces = faceCount(lib, *file);
    if (faces == 0) {
        FT_Done_FreeType(lib);
        throw ToolError(quoted(source.path) + " is not a font FreeType can read (TTF, OTF or TTC)");
    }
    // FreeType reads only the low 16 bits of an index as the face (the others pick a named
    // instance), so a larger number would quietly open another face.
    if (source.faceIndex < 0 || source.faceIndex >= faces) {
        FT_Done_FreeType(lib);
        throw BadInput("font " + quoted(source.path) + " has " + faceCountText(faces) +
                       "; there is no face " + std::to_string(source.faceIndex));
    }
    if (openFace(lib, *file, source.faceIndex, &ftFace) != 0) {
        ftFace = nullptr;
        FT_Done_FreeType(lib);
        throw ToolError("font " + quoted(source.path) + " is damaged: FreeType cannot read its face " +
                        std::to_string(source.faceIndex));
    }
    if (FT_Select_Charmap(ftFace, FT_ENCODING_UNICODE) != 0) {
        FT_Done_Face(ftFace);
        FT_Done_FreeType(lib);
        throw ToolError("font " + quoted(source.path) + " has no Unicode character map");
    }
}

FontFace::~FontFace() {
    if (ftFace) FT_Done_Face(ftFace);
    FT_Done_FreeType(lib);
}

bool FontFace::has(CodePoint cp) const { return FT_Get_Char_Index(ftFace, cp) != 0; }

std::vector<CodePoint> FontFace::mappedCharacters() const {
    std::vector<CodePoint> characters;
    FT_UInt index = 0;
    for (FT_ULong cp = FT_Get_First_Char(ftFace, &index); index != 0;
         cp = FT_Get_Next_Char(ftFace, cp, &index)) {
        characters.push_back(static_cast<CodePoint>(cp));
    }
    return characters;
}

std::string FontFace::name() const {
    std::string family = ftFace->family_name ? ftFace->family_name : "";
    std::string style = ftFace->style_name ? ftFace->style_name : "";
    return style.empty() ? family : family + " " + style;
}
