#include "glyph_plan.h"

#include "glyph_files.h"

GlyphPlan planGlyphs(const std::vector<CodePoint>& characters,
                     const std::function<bool(CodePoint)>& fontHas) {
    GlyphPlan plan;
    for (CodePoint cp : characters) {
        if (!fontHas(cp)) {
            plan.missing.push_back(cp);
            continue;
        }
        auto code = glyphCodeOf(cp);
        auto stem = sharesNarrowStem(code) ? ownGlyphFileStem(code) : glyphFileStem(code);
        plan.jobs.push_back({cp, std::move(stem), isWideGlyphCode(code)});
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
