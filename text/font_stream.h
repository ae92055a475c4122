#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

// FT_New_Face, for `path`. FreeType opens files by a narrow name, which on Windows is read in
// the ANSI code page, so a font under C:\Users\太郎 could not be named; FreeType reads
// through a stream over a file opened here instead. Returns FreeType's error; a file that
// cannot be opened is FT_Err_Cannot_Open_Resource.
FT_Error openFontFace(FT_Library library, const std::filesystem::path& path, FT_Long faceIndex,
                      FT_Face* face);
