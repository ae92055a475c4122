#pragma once

#include <span>

#include "code_range.h"

// The characters that show as emoji unless a variation selector asks for text: Unicode's
// Emoji_Presentation property (Unicode 15.0), skin-tone modifiers and regional indicators
// included. Ascending, without overlaps.
std::span<const CodeRange> emojiPresentationRanges();

bool isEmojiPresentation(CodePoint cp);

// Whether a character is drawn from a colour font when one has it: emoji by default, and
// the symbols at or above U+2000 that are emoji only with U+FE0F (❤ ☠ ⚔ ♠ ✌), which
// players type so and see in colour on their phones. Below U+2000 what a colour font maps
// (digits, #, *, ©, ®) is plain text in a name. U+FE0E after a character still asks for text.
inline constexpr CodePoint kFirstColourSymbol = 0x2000;
inline bool prefersColourFont(CodePoint cp) { return cp >= kFirstColourSymbol || isEmojiPresentation(cp); }
