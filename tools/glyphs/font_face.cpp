#include "font_face.h"

#include <system_error>

#include "path_text.h"
#include "sfnt_directory.h"
#include "tool_error.h"

namespace {

long faceCount(FT_Library lib, const std::filesystem::path& path) {
    FT_Face probe = nullptr;
    if (FT_New_Face(lib, path.string().c_str(), -1, &probe) != 0) return 0;
    long count = probe->num_faces;
    FT_Done_Face(probe);
    return count;
}

}  // namespace

FontFace::FontFace(const FontSource& source) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(source.path, error)) {
        throw ToolError("font file " + quoted(source.path) + " not found");
    }
    if (auto why = sfntCutShort(source.path, source.faceIndex)) {
        throw ToolError("font " + quoted(source.path) + " is damaged (cut short?): " + *why);
    }
    if (FT_Init_FreeType(&lib) != 0) throw ToolError("FreeType failed to start");
    if (FT_New_Face(lib, source.path.string().c_str(), source.faceIndex, &ftFace) != 0) {
        ftFace = nullptr;
        long faces = faceCount(lib, source.path);
        FT_Done_FreeType(lib);
        if (faces == 0)
            throw ToolError(quoted(source.path) + " is not a font FreeType can read (TTF, OTF or TTC)");
        if (source.faceIndex < faces) {
            throw ToolError("font " + quoted(source.path) + " is damaged: FreeType cannot read its face " +
                            std::to_string(source.faceIndex));
        }
        throw ToolError("font " + quoted(source.path) + " has " + std::to_string(faces) +
                        " face(s), numbered 0 to " + std::to_string(faces - 1) + "; there is no face " +
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
