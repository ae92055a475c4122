#pragma once

// Names that glyph mode draws from files that are all there and still garbles: it draws one
// cell a character, left to right, each character alone, so a script written right to left,
// letters that join, marks that sit on a letter, and emoji made of several characters (flags,
// skin tones, joined sequences) come apart. "Veltrona text" sets such names whole.

#include <string_view>

enum class GlyphModeFault {
    none,
    rightToLeft,    // Hebrew, Arabic, Thaana, N'Ko: drawn in reverse order
    joinedLetters,  // Arabic, Syriac, Mongolian: letters stand apart, unjoined
    combiningMark,  // a mark (Devanagari vowel sign, virama, accent typed apart) in a cell of its own
    flag,           // regional indicators or a tag sequence: letters, not a flag
    skinTone,       // the tone beside the emoji, not on it
    joinedEmoji,    // an emoji sequence joined with U+200D: its parts side by side
};

// The first reason a name reads right only as text, in name order; none for a name glyph
// mode draws as it is written. Bytes that are not UTF-8 give no reason.
GlyphModeFault glyphModeFault(std::string_view name);

// "right to left", "a flag", ...: for check's notes.
std::string_view describeGlyphModeFault(GlyphModeFault fault);
