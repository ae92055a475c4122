#pragma once

// What every way of finding the system's fonts must answer, asked of two of Debian's fonts
// (.ci/install-deps installs them) that only each other share a few characters with: Old
// Italic letters are only in the one, runes only in the other, both have the no-break space.
// Copies go by these names, which sort one way with ASCII case ignored and the other way
// without; the runes' extension in capitals is a font file's all the same.

#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "font_source.h"
#include "path_text.h"
#include "scratch_folder.h"
#include "text_fonts.h"

inline constexpr char kOldItalicFont[] = "/usr/share/fonts/truetype/noto/NotoSansOldItalic-Regular.ttf";
inline constexpr char kRunicFont[] = "/usr/share/fonts/truetype/noto/NotoSansRunic-Regular.ttf";
inline constexpr char kOghamFont[] = "/usr/share/fonts/truetype/noto/NotoSansOgham-Regular.ttf";
inline constexpr char kLatinFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kLatinBoldFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

inline constexpr char kOldItalicCopy[] = "veltrona-old-italic.ttf";
inline constexpr char kRunicCopy[] = "Veltrona-Runic.TTF";

inline constexpr char32_t kOldItalicA = U'\U00010300';
inline constexpr char32_t kRuneF = U'\u16A0';
inline constexpr char32_t kOghamB = U'\u1681';
inline constexpr char32_t kNoBreakSpace = U'\u00A0';
inline constexpr char32_t kUnassigned = U'\u0378';

enum class Found { kOldItalic, kRunic, kNothing };

struct LookupCase {
    const char* label;
    std::vector<char32_t> chars;
    Found found;

    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.label; }
};

// Answers that do not hang on the order of fonts with the same claim.
inline const std::vector<LookupCase> kLookupCases = {
    {"old_italic_letter", {kOldItalicA}, Found::kOldItalic},
    {"rune", {kRuneF}, Found::kRunic},
    {"the_font_with_all_of_them", {kNoBreakSpace, kRuneF}, Found::kRunic},
    {"none_has_all_the_base_decides", {kOldItalicA, kRuneF}, Found::kOldItalic},
    {"none_has_all_the_other_base", {kRuneF, kOldItalicA}, Found::kRunic},
    {"no_font_has_it", {kUnassigned}, Found::kNothing},
    {"no_characters", {}, Found::kNothing},
};

inline std::string lookupCaseName(const testing::TestParamInfo<LookupCase>& info) { return info.param.label; }

inline std::optional<std::string> copyName(Found found) {
    switch (found) {
        case Found::kOldItalic:
            return kOldItalicCopy;
        case Found::kRunic:
            return kRunicCopy;
        case Found::kNothing:
            break;
    }
    return std::nullopt;
}

// Whether the text engine opens the font found and draws the character with it: the face's
// number has to be the one the engine means, too.
inline bool engineMaps(const FontSource& source, char32_t c) {
    const TextFonts fonts({source});
    return FT_Get_Char_Index(fonts.at(0).face, c) != 0;
}

// A family's fonts beside another family's: its bold face comes first by file name.
inline constexpr char kLatinBoldCopy[] = "a-dejavu-bold.ttf";
inline constexpr char kLatinCopy[] = "b-dejavu.ttf";

struct FontToCopy {
    const char* font;
    const char* copy;
};

inline const std::vector<FontToCopy> kFamilyFonts = {
    {kLatinBoldFont, kLatinBoldCopy}, {kLatinFont, kLatinCopy}, {kRunicFont, kRunicCopy}};

struct FamilyCase {
    const char* label;
    const char* family;
    const char* found;  // the copy, or nullptr for nothing

    friend void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.label; }
};

inline const std::vector<FamilyCase> kFamilyCases = {
    {"regular_face_before_bold", "dejavu sans", kLatinCopy},
    {"as_the_font_writes_it", "Noto Sans Runic", kRunicCopy},
    {"only_a_word_of_it", "DejaVu", nullptr},
    {"absent", "No Such Family", nullptr},
    {"empty", "", nullptr},
};

inline std::string familyCaseName(const testing::TestParamInfo<FamilyCase>& info) { return info.param.label; }

