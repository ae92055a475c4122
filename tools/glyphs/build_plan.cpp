#include "build_plan.h"

#include "default_set.h"

GlyphPlan planBuild(const CharacterRequest& request, const FontStack& fonts) {
    auto plan = planGlyphs(selectCharacters(request, fonts),
                           [&](CodePoint cp) { return isBlankCharacter(cp) || fonts.find(cp); });
    for (auto& job : plan.jobs) job.font = fonts.find(job.character).value_or(0);
    return plan;
}
