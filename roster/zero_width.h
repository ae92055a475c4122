#pragma once

// Characters that take no room when text is drawn: zero-width spaces and joiners, the word
// joiner, the byte order mark and the variation selectors. A name written "❤️Kai" carries
// U+FE0F after the heart; drawn as a cell of its own, it would leave a gap.

#include <string_view>

bool isZeroWidthGlyphCode(std::string_view code);
