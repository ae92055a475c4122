#include "glyph_files.h"

#include "GlyphCodeSplitter.h"

namespace {
constexpr std::size_t kWidePrefixLength = sizeof(kWideGlyphPrefix) - 1;
}

std::string glyphCodeOf(CodePoint cp) {
    auto codes = GlyphCodeSplitter{}.split(encodeUtf8(cp));
    return codes.empty() ? std::string{} : codes.front();
}

bool isWideGlyphCode(const std::string& code) { return code.find(kWideGlyphPrefix) != std::string::npos; }

std::string glyphFileStem(const std::string& code) {
    return isWideGlyphCode(code) ? code.substr(kWidePrefixLength) : code;
}

std::filesystem::path glyphFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "assets" / "png";
}

std::filesystem::path glyphImagePath(const std::filesystem::path& dataFolder, const std::string& code) {
    return glyphFolder(dataFolder) / (glyphFileStem(code) + ".png");
}
