#include "char_sets.h"

#include <algorithm>

#include "emoji_presentation.h"
#include "jis_kanji.h"

namespace {

enum class Source { Ranges, JisKanji, Font };

struct SetDefinition {
    std::string_view name;
    std::string_view description;
    Source source;
    std::vector<CodeRange> ranges;  // assigned characters only, so gaps are not reported as missing
};

const std::vector<SetDefinition>& definitions() {
    static const std::vector<SetDefinition> sets = {
        {"ascii",
         "ASCII letters, digits, punctuation and space (U+0020-U+007E)",
         Source::Ranges,
         {{0x20, 0x7E}}},
        {"latin",
         "Latin-1 and Latin Extended-A: accented Latin letters (U+00A0-U+017F)",
         Source::Ranges,
         {{0xA0, 0x17F}}},
        {"latin-ext",
         "Latin Extended-B and Latin Extended Additional: Romanian, Vietnamese, African letters "
         "(U+0180-U+024F, U+1E00-U+1EFF)",
         Source::Ranges,
         {{0x180, 0x24F}, {0x1E00, 0x1EFF}}},
        {"greek-cyrillic",
         "Greek and Cyrillic (U+0370-U+04FF)",
         Source::Ranges,
         {{0x370, 0x377}, {0x37A, 0x37F}, {0x384, 0x38A}, {0x38C, 0x38C}, {0x38E, 0x3A1}, {0x3A3, 0x4FF}}},
        {"hiragana", "hiragana (U+3041-U+309F)", Source::Ranges, {{0x3041, 0x3096}, {0x3099, 0x309F}}},
        {"katakana",
         "katakana with its extensions and half-width forms (U+30A0-U+30FF, U+31F0-U+31FF, U+FF61-U+FF9F)",
         Source::Ranges,
         {{0x30A0, 0x30FF}, {0x31F0, 0x31FF}, {0xFF61, 0xFF9F}}},
        {"cjk-symbols", "CJK symbols and punctuation (U+3000-U+303F)", Source::Ranges, {{0x3000, 0x303F}}},
        {"fullwidth",
         "full-width ASCII variants and signs (U+FF01-U+FF60, U+FFE0-U+FFEE)",
         Source::Ranges,
         {{0xFF01, 0xFF60}, {0xFFE0, 0xFFE6}, {0xFFE8, 0xFFEE}}},
        {"hangul", "Hangul syllables (U+AC00-U+D7A3)", Source::Ranges, {{0xAC00, 0xD7A3}}},
        {"jis-kanji", "the common Japanese kanji: JIS X 0208 levels 1 and 2 (6,355)", Source::JisKanji, {}},
        {"cjk",
         "all CJK unified ideographs, extensions included (U+3400-U+9FFF, U+20000-U+323AF)",
         Source::Ranges,
         {{0x3400, 0x4DBF},
          {0x4E00, 0x9FFF},
          {0x20000, 0x2A6DF},
          {0x2A700, 0x2B739},
          {0x2B740, 0x2B81D},
          {0x2B820, 0x2CEA1},
          {0x2CEB0, 0x2EBE0},
          {0x30000, 0x3134A},
          {0x31350, 0x323AF}}},
        {"emoji",
         "characters shown as emoji by default, skin tones and flag letters each on its own (1,205)",
         Source::Ranges,
         {emojiPresentationRanges().begin(), emojiPresentationRanges().end()}},
        {kFontSet, "every character the font maps", Source::Font, {}},
    };
    return sets;
}

}  // namespace

std::vector<CharacterSetInfo> characterSets() {
    std::vector<CharacterSetInfo> infos;
    for (const auto& set : definitions()) infos.push_back({set.name, set.description});
    return infos;
}

std::vector<std::string> defaultCharacterSets() {
    return {"ascii",       "latin",     "latin-ext", "greek-cyrillic", "hiragana", "katakana",
            "cjk-symbols", "fullwidth", "jis-kanji", "hangul",         "emoji"};
}

std::vector<CodePoint> characterSet(std::string_view name) {
    auto set = std::find_if(definitions().begin(), definitions().end(),
                            [&](const SetDefinition& s) { return s.name == name; });
    if (set == definitions().end() || set->source == Source::Font) return {};
    if (set->source == Source::JisKanji) {
        auto kanji = jisX0208Kanji();
        std::sort(kanji.begin(), kanji.end());
        return kanji;
    }
    std::vector<CodePoint> characters;
    for (auto range : set->ranges) {
        for (CodePoint cp = range.first; cp <= range.last; ++cp) characters.push_back(cp);
    }
    return characters;
}
