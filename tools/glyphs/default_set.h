#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "code_point.h"
#include "font_stack.h"

// What `build` draws when no set, range or names file is asked for: every character that a
// font of the stack draws, so that no block is left out because no one thought to list it.
inline constexpr std::string_view kDefaultSetDescription =
    "every character the fonts draw, except the CJK ideographs of Extension A and beyond (set "
    "cjk), private use, controls, noncharacters, the characters no name shows (joiners, "
    "variation selectors, bidi controls) and the ancient scripts Linear A and B, cuneiform, "
    "Anatolian hieroglyphs and Tangut";

// Whether a character a font draws belongs in the default set. Left out: the CJK ideographs
// of Extension A and beyond (tens of thousands that names hardly use; the cjk set has them),
// the ancient scripts of leftOutBlocks(), private use (each font's own), controls, surrogates
// and noncharacters, which no name shows, and the default ignorables, which the plugin drops
// or which draw nothing; the blank characters below stay.
bool belongsInDefaultSet(CodePoint cp);

// Whole blocks of ancient and historic writing systems (and their numbers and musical
// notation) of the Supplementary Multilingual Plane that the fonts draw but the default set
// leaves out, so that the package stays under 80 MB: some fourteen thousand signs of scripts
// read by scholars, none of whose letters players use. Egyptian hieroglyphs stay: names are
// framed in them (𓆩Name𓆪). Scripts written today (Adlam, Osage, Chakma, Wancho…) stay too.
// Ordered by code point.
struct LeftOutBlock {
    std::string_view name;
    CodeRange range;
};
std::span<const LeftOutBlock> leftOutBlocks();

// Characters that are blank in every font but take room in text: spaces, the Hangul fillers
// and the blank Braille pattern. Players build "invisible" names of them, so each is drawn as
// a transparent image of its cell, from any font or none.
std::span<const CodePoint> blankCharacters();
bool isBlankCharacter(CodePoint cp);

// The default set for these fonts: every character within the rule that some font maps, and
// the blank characters; ascending.
std::vector<CodePoint> defaultCharacters(const FontStack& fonts);
