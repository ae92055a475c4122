#include "name_layout.h"

#include <fribidi.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <span>

#include "default_ignorable.h"
#include "emoji_presentation.h"
#include "utf8.h"

namespace {

constexpr char32_t kVariationText = 0xFE0E;
constexpr char32_t kVariationEmoji = 0xFE0F;
constexpr char32_t kKeycap = 0x20E3;
constexpr char32_t kEllipsis = 0x2026;
// UTF-8 takes at most four bytes a code point: a longer name is cut before it is decoded.
constexpr std::size_t kMaxNameBytes = kMaxNameCodePoints * 4;

std::vector<char32_t> codePointsOf(std::string_view name, bool& cut) {
    cut = name.size() > kMaxNameBytes;
    const auto valid = utf8::replaceInvalid(name.substr(0, kMaxNameBytes));
    std::size_t error = 0;
    auto decoded = utf8::decode(valid, error).value_or(std::vector<char32_t>{});
    if (decoded.size() > kMaxNameCodePoints) {
        decoded.resize(kMaxNameCodePoints);
        cut = true;
    }
    return decoded;
}

// A stretch of the name of one embedding level and one script, [start, end) in code points.
struct Run {
    std::size_t start;
    std::size_t end;
    FriBidiLevel level;
    hb_script_t script;
};

bool realScript(hb_script_t script) {
    return script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED && script != HB_SCRIPT_UNKNOWN;
}

// Each character's script, with common ones (spaces, digits, punctuation) and marks taking
// that of the text around them, so that they shape with it.
std::vector<hb_script_t> scriptsOf(const std::vector<char32_t>& text) {
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<hb_script_t> scripts(text.size());
    hb_script_t last = HB_SCRIPT_INVALID;
    for (std::size_t i = 0; i < text.size(); ++i) {
        scripts[i] = hb_unicode_script(unicode, text[i]);
        if (realScript(scripts[i])) {
            last = scripts[i];
        } else if (last != HB_SCRIPT_INVALID) {
            scripts[i] = last;
        }
    }
    hb_script_t next = HB_SCRIPT_LATIN;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (realScript(scripts[i])) {
            next = scripts[i];
        } else {
            scripts[i] = next;
        }
    }
    return scripts;
}

// The name's runs, left to right as seen.
std::vector<Run> visualRuns(const std::vector<char32_t>& text) {
    const auto length = static_cast<FriBidiStrIndex>(text.size());
    std::vector<FriBidiChar> chars(text.begin(), text.end());
    std::vector<FriBidiCharType> types(text.size());
    std::vector<FriBidiBracketType> brackets(text.size());
    std::vector<FriBidiLevel> levels(text.size());
    fribidi_get_bidi_types(chars.data(), length, types.data());
    fribidi_get_bracket_types(chars.data(), length, types.data(), brackets.data());
    // As dir=auto: the first strong character decides, else left to right.
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction,
                                            levels.data()) == 0) {
        std::fill(levels.begin(), levels.end(), FriBidiLevel{0});
    }
    const auto scripts = scriptsOf(text);

    std::vector<Run> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!runs.empty() && runs.back().level == levels[i] && runs.back().script == scripts[i]) {
            runs.back().end = i + 1;
        } else {
            runs.push_back({i, i + 1, levels[i], scripts[i]});
        }
    }
    if (runs.empty()) return runs;
    // Reversing every stretch at or above each odd level, from the highest down, gives the
    // order as seen.
    int highest = 0;
    int lowestOdd = FRIBIDI_BIDI_MAX_EXPLICIT_LEVEL + 2;
    for (const auto& run : runs) {
        highest = std::max<int>(highest, run.level);
        if (run.level % 2 == 1) lowestOdd = std::min<int>(lowestOdd, run.level);
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (std::size_t i = 0; i < runs.size();) {
            if (runs[i].level < level) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < runs.size() && runs[j].level >= level) ++j;
            std::reverse(runs.begin() + static_cast<std::ptrdiff_t>(i),
                         runs.begin() + static_cast<std::ptrdiff_t>(j));
            i = j;
        }
    }
    return runs;
}

// The ellipsis comes from a font made for Latin text, whose ellipsis sits low on the line:
// a CJK font centres its own (⋯), which after a Latin or Arabic name reads as something else.
std::size_t ellipsisFont(const TextFonts& fonts) {
    constexpr char32_t kEllipsisOnly[] = {kEllipsis};
    constexpr char32_t kLatinNotCjk[] = {kEllipsis, U'a', U'A'};
    constexpr char32_t kIdeograph[] = {U'\u4E00'};
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        if (fonts.hasAll(f, kLatinNotCjk) && !fonts.hasAll(f, kIdeograph)) return f;
    }
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        if (fonts.hasAll(f, kEllipsisOnly)) return f;
    }
    return 0;
}

bool isSpace(char32_t cp) {
    return cp == U'\t' || hb_unicode_general_category(hb_unicode_funcs_get_default(), cp) ==
                               HB_UNICODE_GENERAL_CATEGORY_SPACE_SEPARATOR;
}

// Shapes runs of a name, each cluster with the first font that has every character of it as
// the name spells it. Choosing before shaping matters: a font that lacks a precomposed letter
// but has its base and the combining mark would decompose it and misplace the mark.
class Shaper {
public:
    Shaper(TextFonts& fonts, const std::vector<char32_t>& text, std::optional<std::size_t> ellipsisAt)
        : fonts(fonts), text(text), codes(text.begin(), text.end()), ellipsisAt(ellipsisAt),
          buffer(fonts.shapingBuffer()) {}

    // The run's glyphs, left to right as seen.
    std::vector<PlacedGlyph> shapeRun(const Run& run) {
        current = &run;
        const auto starts = clusterStarts();
        std::vector<std::optional<std::size_t>> chosen(starts.size());
        for (std::size_t i = 0; i < starts.size(); ++i) chosen[i] = fontFor(starts[i], clusterEnd(starts, i));
        // A cluster of nothing but joiners or selectors goes with its neighbours, so that it
        // does not break their shaping in two.
        std::optional<std::size_t> before;
        for (auto& font : chosen) font = font ? (before = font) : before;
        std::optional<std::size_t> after;
        for (std::size_t i = chosen.size(); i-- > 0;) chosen[i] = chosen[i] ? (after = chosen[i]) : after;

        std::vector<std::vector<PlacedGlyph>> pieces;
        for (std::size_t i = 0; i < starts.size();) {
            std::size_t j = i + 1;
            while (j < starts.size() && chosen[j] == chosen[i]) ++j;
            pieces.push_back(withBoxes(shape(starts[i], clusterEnd(starts, j - 1), chosen[i].value_or(0))));
            i = j;
        }
        return joined(std::move(pieces));
    }

private:
    std::size_t clusterEnd(const std::vector<std::size_t>& starts, std::size_t i) const {
        return i + 1 < starts.size() ? starts[i + 1] : current->end;
    }

    // Where the run's clusters start: a letter with its marks, a syllable, an emoji sequence.
    // They form alike with any font (HarfBuzz's empty font would only give characters), so
    // the main font shapes them, with no ligature to join two of them.
    std::vector<std::size_t> clusterStarts() {
        static const hb_feature_t kNoLigatures[] = {{HB_TAG('l', 'i', 'g', 'a'), 0, 0, ~0u},
                                                    {HB_TAG('c', 'l', 'i', 'g'), 0, 0, ~0u},
                                                    {HB_TAG('d', 'l', 'i', 'g'), 0, 0, ~0u}};
        fill(current->start, current->end);
        hb_shape(fonts.at(0).shaper, buffer, kNoLigatures, std::size(kNoLigatures));
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        std::vector<std::size_t> starts;
        starts.reserve(count);
        for (unsigned i = 0; i < count; ++i) starts.push_back(current->start + infos[i].cluster);
        std::sort(starts.begin(), starts.end());
        starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
        return starts;
    }

    bool isEmojiCluster(std::size_t start, std::size_t end) const {
        bool emoji = prefersColourFont(text[start]);
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] == kVariationEmoji || text[i] == kKeycap) emoji = true;
            if (text[i] == kVariationText) return false;
        }
        return emoji;
    }

    // The font for [start, end); none for a cluster that draws nothing of its own.
    std::optional<std::size_t> fontFor(std::size_t start, std::size_t end) {
        if (ellipsisAt && start == *ellipsisAt) return ellipsisFont(fonts);
        needed.clear();
        for (std::size_t i = start; i < end; ++i) {
            if (!isDefaultIgnorable(text[i])) needed.push_back(text[i]);
        }
        if (needed.empty()) return std::nullopt;
        const bool emoji = isEmojiCluster(start, end);
        if (emoji) {
            for (std::size_t f = 0; f < fonts.size(); ++f) {
                if (fonts.at(f).colour && fonts.hasAll(f, needed)) return f;
            }
        }
        for (std::size_t f = 0; f < fonts.size(); ++f) {
            if ((!emoji || !fonts.at(f).colour) && fonts.hasAll(f, needed)) return f;
        }
        if (const auto system = fonts.systemFontFor(needed)) return system;
        // No font has it whole: the first that has its base draws what it has (the people of
        // a family no font joins), the rest are boxes.
        for (std::size_t f = 0; f < fonts.size(); ++f) {
            if (fonts.hasAll(f, std::span(needed).first(1))) return f;
        }
        return 0;
    }

    bool rightToLeft() const { return current->level % 2 == 1; }

    // Pieces in the order of the name; as seen, a right-to-left run shows them reversed.
    std::vector<PlacedGlyph> joined(std::vector<std::vector<PlacedGlyph>> pieces) const {
        if (rightToLeft()) std::reverse(pieces.begin(), pieces.end());
        std::vector<PlacedGlyph> glyphs;
        for (auto& piece : pieces) glyphs.insert(glyphs.end(), piece.begin(), piece.end());
        return glyphs;
    }

    // What no font has shows as the main font's box.
    std::vector<PlacedGlyph> withBoxes(std::vector<PlacedGlyph> glyphs) const {
        const FT_Pos advance = hb_font_get_glyph_h_advance(fonts.at(0).shaper, 0);
        for (auto& glyph : glyphs) {
            if (glyph.glyph == 0) glyph = {0, 0, glyph.cluster, 0, 0, advance};
        }
        return glyphs;
    }

    // The current run into the buffer, [start, end) to be shaped and the rest as context, so
    // that letters join across the edges.
    void fill(std::size_t start, std::size_t end) {
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf32(buffer, codes.data() + current->start,
                            static_cast<int>(current->end - current->start),
                            static_cast<unsigned>(start - current->start), static_cast<int>(end - start));
        hb_buffer_set_direction(buffer, rightToLeft() ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer, current->script);
        // No language: the machine's locale must not change how a name looks.
        hb_buffer_set_flags(buffer, static_cast<hb_buffer_flags_t>(HB_BUFFER_FLAG_REMOVE_DEFAULT_IGNORABLES));
    }

    // [start, end) of the current run with one font; left to right as seen.
    std::vector<PlacedGlyph> shape(std::size_t start, std::size_t end, std::size_t font) {
        fill(start, end);
        hb_shape(fonts.at(font).shaper, buffer, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
        std::vector<PlacedGlyph> glyphs;
        glyphs.reserve(count);
        for (unsigned i = 0; i < count; ++i) {
            glyphs.push_back({static_cast<std::uint32_t>(font), infos[i].codepoint,
                              static_cast<std::uint32_t>(current->start + infos[i].cluster),
                              positions[i].x_offset, positions[i].y_offset, positions[i].x_advance});
        }
        return glyphs;
    }

    TextFonts& fonts;
    const std::vector<char32_t>& text;
    std::vector<std::uint32_t> codes;  // the text as HarfBuzz takes it
    std::optional<std::size_t> ellipsisAt;
    std::vector<char32_t> needed;
    hb_buffer_t* buffer = nullptr;
    const Run* current = nullptr;
};

NameLayout layoutOnce(TextFonts& fonts, const std::vector<char32_t>& text,
                      std::optional<std::size_t> ellipsisAt = std::nullopt) {
    NameLayout layout;
    Shaper shaper(fonts, text, ellipsisAt);
    for (const auto& run : visualRuns(text)) {
        auto glyphs = shaper.shapeRun(run);
        layout.glyphs.insert(layout.glyphs.end(), glyphs.begin(), glyphs.end());
    }
    FT_Pos pen = 0;
    for (auto& glyph : layout.glyphs) {
        glyph.x += pen;
        pen += glyph.advance;
    }
    layout.width = pen;
    std::vector<std::uint32_t> clusters;
    for (const auto& glyph : layout.glyphs) clusters.push_back(glyph.cluster);
    std::sort(clusters.begin(), clusters.end());
    layout.clusters =
        static_cast<std::size_t>(std::unique(clusters.begin(), clusters.end()) - clusters.begin());
    return layout;
}

// The cluster starts of a layout, in the name's order, with each cluster's advance.
std::map<std::uint32_t, FT_Pos> clusterAdvances(const NameLayout& layout) {
    std::map<std::uint32_t, FT_Pos> advances;
    for (const auto& glyph : layout.glyphs) advances[glyph.cluster] += glyph.advance;
    return advances;
}

// The name kept so far with an ellipsis after it, clusters going from its end until the two
// fit; with no room even for the ellipsis alone, nothing.
NameLayout withEllipsis(TextFonts& fonts, std::vector<char32_t> text, FT_Pos maxWidth) {
    for (;;) {
        // Spaces before the ellipsis would only push it away from the name.
        while (!text.empty() && isSpace(text.back())) text.pop_back();
        auto marked = text;
        marked.push_back(kEllipsis);
        auto layout = layoutOnce(fonts, marked, text.size());
        layout.cut = true;
        if (layout.width <= maxWidth) return layout;
        if (text.empty()) {
            NameLayout nothing;
            nothing.cut = true;
            return nothing;
        }
        const auto advances = clusterAdvances(layout);
        // The ellipsis is the last cluster; the one before it goes.
        auto last = std::prev(advances.end());
        text.resize(last == advances.begin() ? 0 : std::prev(last)->first);
    }
}

}  // namespace

NameLayout layoutName(TextFonts& fonts, std::string_view name, FT_Pos maxWidth, CutMark mark) {
    bool cut = false;
    auto text = codePointsOf(name, cut);
    auto layout = layoutOnce(fonts, text);
    auto shorten = [&](std::size_t keep) {
        text.resize(keep);
        layout = layoutOnce(fonts, text);
        cut = true;
    };
    // A name read only in part may end inside a cluster: that cluster goes.
    if (cut && layout.clusters > 0) shorten(clusterAdvances(layout).rbegin()->first);
    if (layout.clusters > kMaxNameClusters)
        shorten(std::next(clusterAdvances(layout).begin(), kMaxNameClusters)->first);
    // Too wide: clusters go from the name's end until it fits; context may change a width a
    // little, so it is measured again each time.
    while (layout.width > maxWidth && layout.clusters > 0) {
        const auto advances = clusterAdvances(layout);
        FT_Pos width = 0;
        std::optional<std::uint32_t> keep;
        for (const auto& [start, advance] : advances) {
            if (width + advance > maxWidth) {
                keep = start;
                break;
            }
            width += advance;
        }
        shorten(keep.value_or(advances.rbegin()->first));
    }
    layout.cut = cut;
    if (cut && mark == CutMark::ellipsis) return withEllipsis(fonts, std::move(text), maxWidth);
    return layout;
}
