#pragma once

// How much of a display name the plugin takes on. Names come from strangers and may be any
// length; real ones are far below these bounds, which keep what one costs small.

#include <cstddef>

namespace veltrona {

// A name draws at most this many glyphs: the first codes of its split.
inline constexpr std::size_t kMaxGlyphsPerName = 128;

// The roster keeps this much of a name for ordering rows: 128 glyphs of up to four bytes.
inline constexpr std::size_t kKeptNameBytes = kMaxGlyphsPerName * 4;

// A name set as text is kept this far: the text engine reads 1,024 code points of up to four
// bytes, and the bytes past them tell it that the name went on.
inline constexpr std::size_t kTextNameBytes = 1024 * 4 + 4;

}  // namespace veltrona
