#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Whether a TrueType or OpenType font (or collection) holds all of its tables. FreeType
// quietly drops a table that runs past the end of the file, so a font cut short opens
// as something else: a collection without the face asked for, a font with no character
// map, or not a font at all.
//
// Why the face's tables cannot all be there ("its table 'glyf' runs past the end of the
// file"); nothing for a whole font, a face the collection does not have, and any other
// format, which FreeType judges alone.
std::optional<std::string> sfntCutShort(const std::filesystem::path& path, long faceIndex);
