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
