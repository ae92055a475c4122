#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "font_index.h"

// The index as text, UTF-8, one line per face, the path last so that it may hold any
// character but a line break:
//
//     veltrona font index 3
//     <face>\t<weight>\t<upright or italic>\t<file size>\t<write time>\t<ranges>\t<family>\t<path>
//     end <number of faces>
//
// The weight from 1 to 1000, as in the OS/2 table. Ranges in hexadecimal, ascending and apart,
// comma-separated: "20-7e,a0,10300-10323"; none for a face that maps nothing. The family as
// the font names it, with "%", control characters and DEL as "%" and two hexadecimal digits,
// so that no tab or line break of a font's name splits the line. The closing count tells a
// cut-off file from a whole one.
std::string formatFontIndex(const std::vector<IndexedFace>& faces);

// Nothing when the text is not such an index, whole and well formed: the caller builds the
// index anew rather than trust any line of it.
std::optional<std::vector<IndexedFace>> parseFontIndex(std::string_view text);
