#include "glyph_mode_reading.h"

#include <fribidi.h>
#include <hb.h>

#include <optional>
#include <string>
#include <vector>

#include "glyph_code_splitter.h"
#include "default_ignorable.h"
#include "emoji_presentation.h"
#include "glyph_file.h"

namespace {

constexpr char32_t kZeroWidthJoiner = 0x200D;
constexpr char32_t kEmojiVariationSelector = 0xFE0F;
constexpr char32_t kFirstRegionalIndicator = 0x1F1E6;
constexpr char32_t kLastRegionalIndicator = 0x1F1FF;
constexpr char32_t kFirstSkinTone = 0x1F3FB;
constexpr char32_t kLastSkinTone = 0x1F3FF;
// The tags that follow a black flag to name a region (England, Scotland, Wales).
constexpr char32_t kFirstTag = 0xE0020;
constexpr char32_t kLastTag = 0xE007F;

bool within(char32_t cp, char32_t first, char32_t last) { return cp >= first && cp <= last; }

// The name's characters as the plugin's splitter reads them; nothing for malformed bytes,
// which no rule below concerns.
std::vector<std::optional<char32_t>> charactersOf(std::string_view name) {
    std::vector<std::optional<char32_t>> characters;
    for (const auto& code : GlyphCodeSplitter{}.split(std::string(name)))
        characters.push_back(characterOfGlyphCode(code));
    return characters;
}

// A mark drawn on its letter. Variation selectors are marks too, but select a form of the
// character before rather than add to it.
bool isMark(char32_t cp) {
    if (isDefaultIgnorable(cp)) return false;
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), cp)) {
        case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
        case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
            return true;
        default:
            return false;
    }
}

// Letters that take another form beside their neighbours (dual-, right- or left-joining);
// the joiner and the tatweel cause joining but are no letters of their own.
bool isJoiningLetter(char32_t cp) {
    const auto type = fribidi_get_joining_type(cp);
    return FRIBIDI_IS_JOINING_TYPE_D(type) || FRIBIDI_IS_JOINING_TYPE_R(type) ||
           FRIBIDI_IS_JOINING_TYPE_L(type);
}

// A joiner after an emoji, or after the selector that makes one of a symbol (❤️‍🔥).
bool joinsEmoji(std::optional<char32_t> before) {
    return before && (*before == kEmojiVariationSelector || isEmojiPresentation(*before));
}

GlyphModeFault faultOf(char32_t cp, std::optional<char32_t> before) {
    if (FRIBIDI_IS_RTL_LETTER(fribidi_get_bidi_type(cp))) return GlyphModeFault::rightToLeft;
    if (isJoiningLetter(cp)) return GlyphModeFault::joinedLetters;
    if (isMark(cp)) return GlyphModeFault::combiningMark;
    if (within(cp, kFirstRegionalIndicator, kLastRegionalIndicator) || within(cp, kFirstTag, kLastTag))
        return GlyphModeFault::flag;
    if (within(cp, kFirstSkinTone, kLastSkinTone)) return GlyphModeFault::skinTone;
    if (cp == kZeroWidthJoiner && joinsEmoji(before)) return GlyphModeFault::joinedEmoji;
    return GlyphModeFault::none;
}

}  // namespace

GlyphModeFault glyphModeFault(std::string_view name) {
    std::optional<char32_t> before;
    for (auto cp : charactersOf(name)) {
        if (cp) {
            if (auto fault = faultOf(*cp, before); fault != GlyphModeFault::none) return fault;
        }
        before = cp;
    }
    return GlyphModeFault::none;
}

std::string_view describeGlyphModeFault(GlyphModeFault fault) {
    switch (fault) {
        case GlyphModeFault::rightToLeft:
            return "right to left";
        case GlyphModeFault::joinedLetters:
            return "joined letters";
        case GlyphModeFault::combiningMark:
            return "a combining mark";
        case GlyphModeFault::flag:
            return "a flag";
        case GlyphModeFault::skinTone:
            return "a skin tone";
        case GlyphModeFault::joinedEmoji:
            return "joined emoji";
        case GlyphModeFault::none:
            break;
    }
    return {};
}
