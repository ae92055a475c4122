#include "default_set.h"

#include <algorithm>
#include <array>

#include "default_ignorable.h"
#include "glyph_file.h"
#include "zero_width.h"

namespace {

constexpr CodeRange kC0Controls{0x00, 0x1F};
constexpr CodeRange kDeleteAndC1Controls{0x7F, 0x9F};
constexpr CodeRange kSurrogates{0xD800, 0xDFFF};
constexpr CodeRange kCjkExtensionA{0x3400, 0x4DBF};
constexpr CodeRange kPrivateUse{0xE000, 0xF8FF};
constexpr CodeRange kNoncharactersOfArabicForms{0xFDD0, 0xFDEF};
// Planes 2 and 3 hold ideographs only (Extension B and later, compatibility ideographs), 14
// tags and variation selectors, 15 and 16 private use: nothing of the default set.
constexpr CodePoint kFirstBeyondTheDefaultPlanes = 0x20000;
// U+xxFFFE and U+xxFFFF of every plane are noncharacters.
constexpr CodePoint kNoncharacterMask = 0xFFFE;

constexpr auto kBlankCharacters = std::to_array<CodePoint>({
    0x0020,  // space
    0x00A0,  // no-break space
    0x115F,  // Hangul choseong filler
    0x1160,  // Hangul jungseong filler
    0x2000, 0x2001, 0x2002, 0x2003, 0x2004, 0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A,  // spaces
    0x202F,  // narrow no-break space
    0x205F,  // medium mathematical space
    0x2800,  // Braille pattern blank
    0x3000,  // ideographic space
    0x3164,  // Hangul filler
    0xFFA0,  // half-width Hangul filler
});

constexpr LeftOutBlock kLeftOutBlocks[] = {
    {"Linear B Syllabary and Ideograms", {0x10000, 0x100FF}},
    {"Linear A", {0x10600, 0x1077F}},
    {"Cuneiform, its Numbers and Punctuation, and Early Dynastic Cuneiform", {0x12000, 0x1254F}},
    {"Anatolian Hieroglyphs", {0x14400, 0x1467F}},
    {"Tangut and Tangut Components", {0x17000, 0x18AFF}},
    {"Tangut Supplement", {0x18D00, 0x18D7F}},
};

bool within(CodePoint cp, CodeRange range) { return cp >= range.first && cp <= range.last; }

// Characters no name shows as a cell: the plugin drops the zero-width ones, and the other
// default ignorables (bidi controls, tags, the soft hyphen) draw nothing in text.
bool showsNothing(CodePoint cp) {
    return isZeroWidthGlyphCode(glyphCodeOf(cp)) || isDefaultIgnorable(cp);
}

}  // namespace

std::span<const CodePoint> blankCharacters() { return kBlankCharacters; }

bool isBlankCharacter(CodePoint cp) {
    return std::binary_search(kBlankCharacters.begin(), kBlankCharacters.end(), cp);
}

bool belongsInDefaultSet(CodePoint cp) {
    if (isBlankCharacter(cp)) return true;
    if (cp >= kFirstBeyondTheDefaultPlanes) return false;
    if ((cp & kNoncharacterMask) == kNoncharacterMask) return false;
    for (auto range : {kC0Controls, kDeleteAndC1Controls, kSurrogates, kCjkExtensionA, kPrivateUse,
                       kNoncharactersOfArabicForms}) {
        if (within(cp, range)) return false;
    }
    for (const auto& block : kLeftOutBlocks) {
        if (within(cp, block.range)) return false;
    }
    return !showsNothing(cp);
}

std::span<const LeftOutBlock> leftOutBlocks() { return kLeftOutBlocks; }

std::vector<CodePoint> defaultCharacters(const FontStack& fonts) {
    std::vector<CodePoint> characters(kBlankCharacters.begin(), kBlankCharacters.end());
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        for (auto cp : fonts.at(i).mappedCharacters()) {
            if (belongsInDefaultSet(cp)) characters.push_back(cp);
        }
    }
    std::sort(characters.begin(), characters.end());
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}
