#include "glyph_mode_reading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct ReadingCase {
    const char* label;
    std::string name;
    GlyphModeFault fault;

    friend void PrintTo(const ReadingCase& c, std::ostream* os) { *os << c.label; }
};

class GlyphModeReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(GlyphModeReading, NamesWhatComesApartOneCellACharacter) {
    EXPECT_EQ(glyphModeFault(GetParam().name), GetParam().fault);
}

using enum GlyphModeFault;

INSTANTIATE_TEST_SUITE_P(
    Names, GlyphModeReading,
    testing::Values(
        ReadingCase{"latin", "Kai_99", none}, ReadingCase{"precomposed_accent", "Zo\u00EB", none},
        ReadingCase{"japanese", "さくら太郎", none}, ReadingCase{"hangul_syllables", "김민준", none},
        ReadingCase{"thai_without_marks", "สมชาย", none},
        ReadingCase{"devanagari_without_signs", "नमन", none},
        ReadingCase{"arabic_indic_digits", "Ali \u0661\u0662", none},
        ReadingCase{"emoji_alone", "Kai\U0001F525", none},
        ReadingCase{"heart_with_selector", "\u2764\uFE0FKai", none},
        // A joiner between letters changes nothing where nothing joins.
        ReadingCase{"joiner_between_latin_letters", "a\u200Db", none},
        ReadingCase{"malformed_bytes", "A\xFF\xC1", none},
        ReadingCase{"arabic", "\u0639\u0644\u064A", rightToLeft},
        ReadingCase{"hebrew", "\u05E9\u05DC\u05D5\u05DD", rightToLeft},
        ReadingCase{"syriac", "\u0710\u0712", rightToLeft},
        ReadingCase{"thaana", "\u078B\u07A8", rightToLeft}, ReadingCase{"nko", "\u07CA\u07CB", rightToLeft},
        ReadingCase{"mongolian_joins_left_to_right", "\u182E\u1823", joinedLetters},
        ReadingCase{"decomposed_accent", "Zoe\u0308", combiningMark},
        ReadingCase{"devanagari_conjunct", "\u0928\u092E\u0938\u094D\u0924\u0947", combiningMark},
        ReadingCase{"thai_tone_mark", "\u0E28\u0E31\u0E01\u0E14\u0E34\u0E4C", combiningMark},
        ReadingCase{"keycap", "1\uFE0F\u20E3", combiningMark},
        ReadingCase{"flag", "\U0001F1EF\U0001F1F5", flag},
        ReadingCase{"england_tag_flag",
                    "\U0001F3F4\U000E0067\U000E0062\U000E0065\U000E006E\U000E0067\U000E007F", flag},
        ReadingCase{"skin_tone", "\U0001F44D\U0001F3FD", skinTone},
        ReadingCase{"family", "\U0001F468\u200D\U0001F469\u200D\U0001F467", joinedEmoji},
        ReadingCase{"heart_on_fire", "\u2764\uFE0F\u200D\U0001F525", joinedEmoji},
        // The first fault in name order is the one named.
        ReadingCase{"first_fault_named", "\U0001F1EF\U0001F1F5\u05E9", flag}),
    [](const testing::TestParamInfo<ReadingCase>& info) { return info.param.label; });

}  // namespace
