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
    {"Aegean Numbers", {0x10100, 0x1013F}},
    {"Ancient Greek Numbers", {0x10140, 0x1018F}},
    {"Ancient Symbols", {0x10190, 0x101CF}},
    {"Phaistos Disc", {0x101D0, 0x101FF}},
    {"Lycian", {0x10280, 0x1029F}},
    {"Carian", {0x102A0, 0x102DF}},
    {"Coptic Epact Numbers", {0x102E0, 0x102FF}},
    {"Old Permic", {0x10350, 0x1037F}},
    {"Ugaritic", {0x10380, 0x1039F}},
    {"Old Persian", {0x103A0, 0x103DF}},
    {"Elbasan", {0x10500, 0x1052F}},
    {"Caucasian Albanian", {0x10530, 0x1056F}},
    {"Linear A", {0x10600, 0x1077F}},
    {"Cypriot Syllabary", {0x10800, 0x1083F}},
    {"Imperial Aramaic", {0x10840, 0x1085F}},
    {"Palmyrene", {0x10860, 0x1087F}},
    {"Nabataean", {0x10880, 0x108AF}},
    {"Hatran", {0x108E0, 0x108FF}},
    {"Phoenician", {0x10900, 0x1091F}},
    {"Lydian", {0x10920, 0x1093F}},
    {"Meroitic Hieroglyphs", {0x10980, 0x1099F}},
    {"Meroitic Cursive", {0x109A0, 0x109FF}},
    {"Kharoshthi", {0x10A00, 0x10A5F}},
    {"Old South Arabian", {0x10A60, 0x10A7F}},
    {"Old North Arabian", {0x10A80, 0x10A9F}},
    {"Manichaean", {0x10AC0, 0x10AFF}},
    {"Avestan", {0x10B00, 0x10B3F}},
    {"Inscriptional Parthian", {0x10B40, 0x10B5F}},
    {"Inscriptional Pahlavi", {0x10B60, 0x10B7F}},
    {"Psalter Pahlavi", {0x10B80, 0x10BAF}},
    {"Rumi Numeral Symbols", {0x10E60, 0x10E7F}},
    {"Old Sogdian", {0x10F00, 0x10F2F}},
    {"Sogdian", {0x10F30, 0x10F6F}},
    {"Old Uyghur", {0x10F70, 0x10FAF}},
    {"Chorasmian", {0x10FB0, 0x10FDF}},
    {"Elymaic", {0x10FE0, 0x10FFF}},
    {"Brahmi", {0x11000, 0x1107F}},
    {"Kaithi", {0x11080, 0x110CF}},
    {"Mahajani", {0x11150, 0x1117F}},
    {"Sharada", {0x11180, 0x111DF}},
    {"Sinhala Archaic Numbers", {0x111E0, 0x111FF}},
    {"Khojki", {0x11200, 0x1124F}},
    {"Multani", {0x11280, 0x112AF}},
    {"Khudawadi", {0x112B0, 0x112FF}},
    {"Grantha", {0x11300, 0x1137F}},
    {"Tirhuta", {0x11480, 0x114DF}},
    {"Siddham", {0x11580, 0x115FF}},
    {"Modi", {0x11600, 0x1165F}},
    {"Takri", {0x11680, 0x116CF}},
    {"Ahom", {0x11700, 0x1174F}},
    {"Dogra", {0x11800, 0x1184F}},
    {"Dives Akuru", {0x11900, 0x1195F}},
    {"Nandinagari", {0x119A0, 0x119FF}},
    {"Zanabazar Square", {0x11A00, 0x11A4F}},
    {"Soyombo", {0x11A50, 0x11AAF}},
    {"Pau Cin Hau", {0x11AC0, 0x11AFF}},
    {"Bhaiksuki", {0x11C00, 0x11C6F}},
    {"Marchen", {0x11C70, 0x11CBF}},
    {"Makasar", {0x11EE0, 0x11EFF}},
    {"Tamil Supplement", {0x11FC0, 0x11FFF}},
    {"Cuneiform, its Numbers and Punctuation, and Early Dynastic Cuneiform", {0x12000, 0x1254F}},
    {"Cypro-Minoan", {0x12F90, 0x12FFF}},
    {"Anatolian Hieroglyphs", {0x14400, 0x1467F}},
    {"Bamum Supplement", {0x16800, 0x16A3F}},
    {"Tangut and Tangut Components", {0x17000, 0x18AFF}},
    {"Tangut Supplement", {0x18D00, 0x18D7F}},
    {"Nushu", {0x1B170, 0x1B2FF}},
    {"Byzantine Musical Symbols", {0x1D000, 0x1D0FF}},
    {"Ancient Greek Musical Notation", {0x1D200, 0x1D24F}},
    {"Mayan Numerals", {0x1D2E0, 0x1D2FF}},
    {"Tai Xuan Jing Symbols", {0x1D300, 0x1D35F}},
    {"Counting Rod Numerals", {0x1D360, 0x1D37F}},
    {"Glagolitic Supplement", {0x1E000, 0x1E02F}},
    {"Indic Siyaq Numbers", {0x1EC70, 0x1ECBF}},
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
