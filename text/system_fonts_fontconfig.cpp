#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "ascii_name.h"
#include "system_fonts.h"

namespace {

// fontconfig keeps a variable font's named instance above the face's number: the engine
// takes the face, at its default instance.
constexpr int kFaceIndexMask = 0xFFFF;
const FcChar8 kSansSerif[] = "sans-serif";

struct FcRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
template <class T>
using FcOwned = std::unique_ptr<T, FcRelease>;

// Names are drawn large: outlines (or scalable colour bitmaps), never a bitmap font's pixels.
std::optional<FontSource> sourceOf(FcPattern* font) {
    FcChar8* file = nullptr;
    FcBool scalable = FcFalse;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return std::nullopt;
    if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable) return std::nullopt;
    int index = 0;
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
    return FontSource{std::filesystem::path(reinterpret_cast<const char*>(file)), index & kFaceIndexMask};
}

bool hasAll(const FcCharSet* set, std::span<const char32_t> chars) {
    return std::all_of(chars.begin(), chars.end(), [&](char32_t c) { return FcCharSetHasChar(set, c); });
}

// "sans-serif" as this machine's configuration reads it, with its language from the locale.
FcOwned<FcPattern> sansSerif(FcConfig* config, const FcCharSet* chars) {
    FcOwned<FcPattern> pattern(FcNameParse(kSansSerif));
    if (!pattern) return nullptr;
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (chars != nullptr) FcPatternAddCharSet(pattern.get(), FC_CHARSET, chars);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

// fontconfig names a font's family in several languages, and may add its typographic family.
bool hasFamily(FcPattern* font, std::string_view family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (name != nullptr && sameAsciiName(reinterpret_cast<const char*>(name), family)) return true;
    }
    return false;
}

// fontconfig keeps process-wide tables it frees only in FcFini, which would pull them from
// under any other user in the process. Unloaded with the plugin, the library would take its
// pointers to them along and leave the tables behind at every load: it stays loaded instead.
void keepFontconfigLoaded() {
    static std::once_flag once;
    std::call_once(once, [] { dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE); });
}

}  // namespace

// Its own configuration, made on the first question and gone with the object: the plugin is
// unloaded and loaded again, and fontconfig's global one would outlive it.
struct SystemFonts::Backend {
    std::mutex guard;
    bool started = false;
    FcConfig* config = nullptr;

    FcConfig* ready() {
        const std::lock_guard lock(guard);
        if (!started) {
            keepFontconfigLoaded();
            config = FcInitLoadConfigAndFonts();
        }
        started = true;
        return config;
    }

    ~Backend() {
        if (config) FcConfigDestroy(config);
    }
};

SystemFonts::SystemFonts(std::filesystem::path) : backend(std::make_unique<Backend>()) {}

SystemFonts::~SystemFonts() = default;

std::optional<FontSource> SystemFonts::fontFor(std::span<const char32_t> chars) {
    FcConfig* config = backend->ready();
    if (config == nullptr || chars.empty()) return std::nullopt;
    FcOwned<FcCharSet> wanted(FcCharSetCreate());
    if (!wanted) return std::nullopt;
    for (const char32_t c : chars) FcCharSetAddChar(wanted.get(), c);
    const auto pattern = sansSerif(config, wanted.get());
    if (!pattern) return std::nullopt;
    // Every font, untrimmed: the one with all the characters may come after others that
    // together hold them.
    FcResult result = FcResultNoMatch;
    const FcOwned<FcFontSet> sorted(FcFontSort(config, pattern.get(), FcFalse, nullptr, &result));
    if (!sorted) return std::nullopt;
    std::optional<FontSource> withBase;
    for (int i = 0; i < sorted->nfont; ++i) {
        FcCharSet* has = nullptr;
        if (FcPatternGetCharSet(sorted->fonts[i], FC_CHARSET, 0, &has) != FcResultMatch) continue;
        const bool all = hasAll(has, chars);
        if (!all && (withBase || !FcCharSetHasChar(has, chars.front()))) continue;
        auto source = sourceOf(sorted->fonts[i]);
        if (!source) continue;
        if (all) return source;
        withBase = std::move(source);
    }
    return withBase;
}

bool SystemFonts::mainFontFilePresent() { return false; }

std::optional<FontSource> SystemFonts::mainFont() {
    FcConfig* config = backend->ready();
    if (config == nullptr) return std::nullopt;
    const auto pattern = sansSerif(config, nullptr);
    if (!pattern) return std::nullopt;
    FcResult result = FcResultNoMatch;
    const FcOwned<FcPattern> match(FcFontMatch(config, pattern.get(), &result));
    if (!match) return std::nullopt;
    return sourceOf(match.get());
}

// fontconfig always matches some font, closest to regular and upright by default: it is the
// family's only when it bears that name.
std::optional<FontSource> SystemFonts::fontOfFamily(std::string_view family) {
    FcConfig* config = backend->ready();
    if (config == nullptr || family.empty()) return std::nullopt;
    const FcOwned<FcPattern> pattern(FcPatternCreate());
    if (!pattern) return std::nullopt;
    const std::string name(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const FcOwned<FcPattern> match(FcFontMatch(config, pattern.get(), &result));
    if (!match || !hasFamily(match.get(), family)) return std::nullopt;
    return sourceOf(match.get());
}
