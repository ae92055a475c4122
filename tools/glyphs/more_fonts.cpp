#include "more_fonts.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "default_fonts.h"
#include "font_face.h"
#include "path_text.h"

#if defined(_WIN32)
#include "windows_folder.h"
#endif

namespace {

constexpr std::string_view kNotoPrefix = "Noto";
constexpr std::string_view kNotoSansPrefix = "NotoSans";
constexpr std::string_view kRegularSuffix = "-Regular.ttf";
constexpr std::string_view kDisplayVariant = "Display";
constexpr std::string_view kUiVariant = "UI";
constexpr std::string_view kMonoVariant = "Mono";
constexpr int kHeaviestRegularWeight = 500;
constexpr char kDebianNotoFolder[] = "truetype/noto";

bool isLowercase(char c) { return c >= 'a' && c <= 'z'; }

// "NotoSansMono" and "NotoSansMonoCJK" are monospaced; "NotoSansMongolian" is not.
bool hasMonoWord(std::string_view family) {
    for (auto at = family.find(kMonoVariant); at != std::string_view::npos;
         at = family.find(kMonoVariant, at + 1)) {
        const auto after = at + kMonoVariant.size();
        if (after == family.size() || !isLowercase(family[after])) return true;
    }
    return false;
}

bool isVariant(std::string_view family) {
    return family.find(kDisplayVariant) != std::string_view::npos || family.ends_with(kUiVariant) ||
           hasMonoWord(family);
}

bool opens(const FontSource& source) {
    try {
        FontFace face(source);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool inChain(std::span<const FontSource> chain, const FontSource& source) {
    return std::any_of(chain.begin(), chain.end(), [&](const FontSource& font) {
        std::error_code error;
        return font.faceIndex == source.faceIndex && std::filesystem::equivalent(font.path, source.path, error);
    });
}

}  // namespace

std::vector<std::string> orderNotoFiles(std::vector<std::string> fileNames) {
    std::erase_if(fileNames, [](const std::string& name) {
        if (!name.starts_with(kNotoPrefix) || !name.ends_with(kRegularSuffix)) return true;
        return isVariant(std::string_view(name).substr(0, name.size() - kRegularSuffix.size()));
    });
    std::sort(fileNames.begin(), fileNames.end(), [](const std::string& a, const std::string& b) {
        const bool aSans = a.starts_with(kNotoSansPrefix);
        const bool bSans = b.starts_with(kNotoSansPrefix);
        if (aSans != bSans) return aSans;
        return a < b;
    });
    return fileNames;
}

std::vector<FontSource> regularFaces(const std::vector<IndexedFace>& index) {
    std::vector<FontSource> fonts;
    for (const auto& face : index) {
        if (face.italic || face.weight < kRegularWeight || face.weight > kHeaviestRegularWeight) continue;
        if (face.ranges.empty()) continue;
        fonts.push_back({face.path, face.faceIndex});
    }
    return fonts;
}

std::filesystem::path debianNotoFolder() { return std::filesystem::path(kDebianFontsFolder) / kDebianNotoFolder; }

std::vector<FontSource> notoFonts(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        names.push_back(displayText(entry->path().filename()));
    }
    std::vector<FontSource> fonts;
    for (const auto& name : orderNotoFiles(std::move(names))) fonts.push_back({folder / pathFromUtf8(name), 0});
    return fonts;
}

std::vector<FontSource> afterTheChain(std::span<const FontSource> chain, std::vector<FontSource> candidates) {
    std::erase_if(candidates, [&](const FontSource& font) { return inChain(chain, font) || !opens(font); });
    return candidates;
}

std::vector<FontSource> moreDefaultFonts(std::span<const FontSource> chain) {
#if defined(_WIN32)
    const std::filesystem::path folder = windowsFolder() / L"Fonts";
    return afterTheChain(chain, regularFaces(updateFontIndex({&folder, 1}, {})));
#else
    return afterTheChain(chain, notoFonts(debianNotoFolder()));
#endif
}
