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
