#include "glyph_file.h"

#include <algorithm>
#include <system_error>

#include "GlyphCodeSplitter.h"

namespace {
constexpr char kAssetsFolder[] = "assets";
constexpr char kPngFolder[] = "png";
constexpr char kImageExtension[] = ".png";
constexpr char kOwnFilePrefix[] = "u";
constexpr std::size_t kWidePrefixLength = sizeof(kWideGlyphPrefix) - 1;
constexpr int kHighestNarrowValue = 127;

// The stems narrow codes have: decimal 0 to 127, no sign, no leading zeros.
bool isNarrowStem(const std::string& stem) {
    if (stem.empty() || stem.size() > 3) return false;
    if (!std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    if (stem.size() > 1 && stem.front() == '0') return false;
    return std::stoi(stem) <= kHighestNarrowValue;
}
}  // namespace

bool isWideGlyphCode(const std::string& code) { return code.find(kWideGlyphPrefix) != std::string::npos; }

std::string glyphFileStem(const std::string& code) {
    return isWideGlyphCode(code) ? code.substr(kWidePrefixLength) : code;
}

std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kAssetsFolder / kPngFolder;
}

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code) {
    return glyphFolder(dataFolder) / glyphFileName(code);
}

std::string glyphFileName(const std::string& code) {
    auto name = glyphFileStem(code);
    name += kImageExtension;
    return name;
}

bool sharesNarrowStem(const std::string& code) {
    return isWideGlyphCode(code) && isNarrowStem(glyphFileStem(code));
}

std::string ownGlyphFileStem(const std::string& code) {
    std::string stem = kOwnFilePrefix;
    stem += glyphFileStem(code);
    return stem;
}

std::string ownGlyphFileName(const std::string& code) {
    std::string name = kOwnFilePrefix;
    name += glyphFileName(code);
    return name;
}

std::filesystem::path chosenGlyphImagePath(const std::filesystem::path& glyphFolder,
                                           const std::string& code) {
    if (sharesNarrowStem(code)) {
        auto own = glyphFolder / ownGlyphFileName(code);
        std::error_code error;
        if (std::filesystem::is_regular_file(own, error)) return own;
    }
    return glyphFolder / glyphFileName(code);
}
