#pragma once

// How much of a display name the plugin takes on. Names come from strangers and may be any
// length; real ones are far below these bounds, which keep what one costs small.

#include <cstddef>

namespace veltrona {

// A name draws at most this many glyphs: the first codes of its split.
inline constexpr std::size_t kMaxGlyphsPerName = 128;

// The roster keeps this much of a name for ordering rows: 128 glyphs of up to four bytes.
inline constexpr std::size_t kKeptNameBytes = kMaxGlyphsPerName * 4;

}  // namespace veltrona
