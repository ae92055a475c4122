#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "font_index.h"
#include "font_source.h"

// Lookups in an index (font_index.h), taking its faces in their order: the first that fits,
// which is thus a regular upright face where one fits.

bool mapsChar(const IndexedFace& face, char32_t c);

// The first face that maps every one of `chars`, else the first that maps the first of them;
// nothing for no chars.
std::optional<FontSource> indexedFontFor(const std::vector<IndexedFace>& faces,
                                         std::span<const char32_t> chars);

// The first face of the first of `fileNames` (matched without regard to ASCII case) that is
// indexed and maps something; else the first face with every Basic Latin letter.
std::optional<FontSource> indexedMainFont(const std::vector<IndexedFace>& faces,
                                          std::span<const std::string_view> fileNames);

// The first face of `family` (matched without regard to ASCII case) that maps something;
// nothing for an empty name.
std::optional<FontSource> indexedFontOfFamily(const std::vector<IndexedFace>& faces, std::string_view family);
