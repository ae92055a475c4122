#pragma once

#include <span>

#include "code_range.h"

// The characters that show as emoji unless a variation selector asks for text: Unicode's
// Emoji_Presentation property (Unicode 15.0), skin-tone modifiers and regional indicators
// included. Ascending, without overlaps.
std::span<const CodeRange> emojiPresentationRanges();

bool isEmojiPresentation(CodePoint cp);
