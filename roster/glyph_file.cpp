#include "glyph_file.h"

#include "GlyphCodeSplitter.h"

namespace {
constexpr char kAssetsFolder[] = "assets";
constexpr char kPngFolder[] = "png";
constexpr char kImageExtension[] = ".png";
constexpr std::size_t kWidePrefixLength = sizeof(kWideGlyphPrefix) - 1;
}  // namespace

bool isWideGlyphCode(const std::string& code) { return code.find(kWideGlyphPrefix) != std::string::npos; }

std::string glyphFileStem(const std::string& code) {
    return isWideGlyphCode(code) ? code.substr(kWidePrefixLength) : code;
}

std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kAssetsFolder / kPngFolder;
}

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code) {
    return glyphFolder(dataFolder) / (glyphFileStem(code) + kImageExtension);
}
