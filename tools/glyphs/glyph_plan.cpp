#include "glyph_plan.h"

#include <optional>
#include <unordered_map>

#include "glyph_files.h"

namespace {

constexpr CodePoint kFirstPrintableAscii = 0x20;
constexpr CodePoint kLastPrintableAscii = 0x7E;

using StemOwners = std::unordered_map<std::string, CodePoint>;

StemOwners printableAsciiStems() {
    StemOwners owners;
    for (CodePoint cp = kFirstPrintableAscii; cp <= kLastPrintableAscii; ++cp) {
        owners.emplace(glyphFileStem(glyphCodeOf(cp)), cp);
    }
    return owners;
}

std::optional<CodePoint> ownerOf(const std::string& stem, const StemOwners& reserved,
                                 const StemOwners& taken) {
    if (auto owner = reserved.find(stem); owner != reserved.end()) return owner->second;
    if (auto owner = taken.find(stem); owner != taken.end()) return owner->second;
    return std::nullopt;
}

}  // namespace

GlyphPlan planGlyphs(const std::vector<CodePoint>& characters,
                     const std::function<bool(CodePoint)>& fontHas) {
    static const StemOwners reserved = printableAsciiStems();
    StemOwners taken;
    GlyphPlan plan;
    for (CodePoint cp : characters) {
        auto code = glyphCodeOf(cp);
        auto stem = glyphFileStem(code);
        auto owner = ownerOf(stem, reserved, taken);
        if (owner && *owner != cp) {
            plan.clashes.push_back({cp, stem, *owner});
            continue;
        }
        if (!fontHas(cp)) {
            plan.missing.push_back(cp);
            continue;
        }
        taken.emplace(stem, cp);
        plan.jobs.push_back({cp, std::move(stem), isWideGlyphCode(code)});
    }
    return plan;
}
