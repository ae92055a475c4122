#pragma once

// UTF-8 as every part of Veltrona reads and writes it: names from the game, names files,
// trace text. One decoder, so that the tools and the plugin agree on every byte.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

inline constexpr char32_t kLastCodePoint = 0x10FFFF;

bool isSurrogate(char32_t cp);

// The length of the well-formed sequence that starts `bytes`, or 0 when none does (a stray
// or missing continuation byte, an overlong form, a surrogate, a value past U+10FFFF).
std::size_t sequenceLength(std::string_view bytes);

// The value a run of two to four bytes spells when read as UTF-8 bits, whether or not it is
// well formed: the lead byte masked by the run's length (not by what it announces), six bits
// from every byte after it.
char32_t runValue(std::string_view run);

// Strict decoding. On the first ill-formed byte, returns nothing and sets errorOffset to it.
std::optional<std::vector<char32_t>> decode(std::string_view text, std::size_t& errorOffset);

std::string encode(char32_t cp);

// The text with every byte that is not part of a well-formed character replaced by U+FFFD,
// one for one, so a reader can still count the bytes.
std::string replaceInvalid(std::string_view text);

// Whether text starts with a UTF-16 byte-order mark, as what Notepad saves as "Unicode"
// does: such a file is not UTF-8 at all, and is refused whole rather than line by line.
bool startsAsUtf16(std::string_view text);

}  // namespace utf8
