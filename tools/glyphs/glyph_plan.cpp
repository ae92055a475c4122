#include "glyph_plan.h"

#include "glyph_files.h"
#include "zero_width.h"

std::string glyphJobStem(CodePoint character) {
    auto code = glyphCodeOf(character);
    return sharesNarrowStem(code) ? ownGlyphFileStem(code) : glyphFileStem(code);
}

GlyphPlan planGlyphs(const std::vector<CodePoint>& characters,
                     const std::function<bool(CodePoint)>& fontHas) {
    GlyphPlan plan;
    for (CodePoint cp : characters) {
        auto code = glyphCodeOf(cp);
        if (isZeroWidthGlyphCode(code)) {
            plan.noFileNeeded.push_back(cp);
            continue;
        }
        if (!fontHas(cp)) {
            plan.missing.push_back(cp);
            continue;
        }
        plan.jobs.push_back({cp, glyphJobStem(cp), isWideGlyphCode(code)});
    }
    return plan;
}

std::vector<std::size_t> keepFontsInUse(std::vector<GlyphJob>& jobs, std::size_t fontCount) {
    std::vector<bool> used(fontCount, false);
    if (fontCount > 0) used.front() = true;
    for (const auto& job : jobs) used[job.font] = true;
    std::vector<std::size_t> kept;
    std::vector<std::size_t> renumbered(fontCount, 0);
    for (std::size_t i = 0; i < fontCount; ++i) {
        if (!used[i]) continue;
        renumbered[i] = kept.size();
        kept.push_back(i);
    }
    for (auto& job : jobs) job.font = renumbered[job.font];
    return kept;
}
