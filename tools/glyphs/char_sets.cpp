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
        {"latin-more",
         "Latin Extended-C, -D and -E, Greek Extended and Cyrillic Supplement (U+2C60-U+2C7F, "
         "U+A720-U+A7FF, U+AB30-U+AB6F, U+1F00-U+1FFF, U+0500-U+052F)",
         Source::Ranges,
         {{0x500, 0x52F}, {0x1F00, 0x1FFF}, {0x2C60, 0x2C7F}, {0xA720, 0xA7FF}, {0xAB30, 0xAB6F}}},
        {"phonetic",
         "what small capitals, raised letters and kaomoji are made of: IPA extensions, spacing "
         "modifier letters, combining diacritical marks, phonetic extensions, superscripts and "
         "subscripts (U+0250-U+036F, U+1D00-U+1DBF, U+2070-U+209F)",
         Source::Ranges,
         {{0x250, 0x36F}, {0x1D00, 0x1DBF}, {0x2070, 0x2071}, {0x2074, 0x208E}, {0x2090, 0x209C}}},
        {"symbols",
         "punctuation, currency, letterlike symbols, arrows, mathematical operators, technical "
         "symbols, enclosed letters and numbers, box drawing, shapes, miscellaneous symbols, dingbats "
         "and CJK compatibility forms, and the pictographs that are emoji only with U+FE0F (🏳 🕊 🛡) "
         "(U+2010-U+2BFF, U+FE30-U+FE6B, U+1F100-U+1F1AD, U+1F300-U+1F5FF, U+1F680-U+1F6FF, "
         "U+1F900-U+1F9FF)",
         Source::Ranges,
         {{0x2010, 0x2027},
          {0x2030, 0x205E},
          {0x20A0, 0x20C0},
          {0x2100, 0x218B},
          {0x2190, 0x2426},
          {0x2440, 0x244A},
          {0x2460, 0x2B73},
          {0x2B76, 0x2B95},
          {0x2B97, 0x2BFF},
          {0xFE30, 0xFE52},
          {0xFE54, 0xFE66},
          {0xFE68, 0xFE6B},
          {0x1F100, 0x1F1AD},
          {0x1F300, 0x1F5FF},
          {0x1F680, 0x1F6FF},
          {0x1F900, 0x1F9FF}}},
        {"math-letters",
         "mathematical alphanumerics: bold, italic, script, fraktur, double-struck and monospace "
         "letters and digits (U+1D400-U+1D7FF)",
         Source::Ranges,
         {{0x1D400, 0x1D7FF}}},
        {"scripts",
         "Arabic, Hebrew, Thai, Devanagari, Bengali, Tamil, Kannada, Armenian, Georgian, Ethiopic, "
         "Cherokee, Canadian syllabics and Javanese, one cell per code point",
         Source::Ranges,
         {{0x531, 0x58F},
          {0x591, 0x5F4},
          {0x600, 0x6FF},
          {0x900, 0x97F},
          {0x980, 0x9FE},
          {0xB82, 0xBFA},
          {0xC80, 0xCF3},
          {0xE01, 0xE5B},
          {0x10A0, 0x10FF},
          {0x1200, 0x137C},
          {0x13A0, 0x13FD},
          {0x1400, 0x167F},
          {0xA980, 0xA9DF}}},
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
        {"chinese",
         "the CJK Unified Ideographs block: Chinese, simplified and traditional, and every kanji "
         "of it (U+4E00-U+9FFF)",
         Source::Ranges,
         {{0x4E00, 0x9FFF}}},
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
