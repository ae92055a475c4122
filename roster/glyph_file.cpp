#include "glyph_file.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "glyph_code_splitter.h"
#include "utf8.h"

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

GlyphFolderState inspectGlyphFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return GlyphFolderState::missing;
    // A glyph set is thousands of files: the first image found is enough.
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->path().extension() == kImageExtension && entry->is_regular_file(error)) {
            return GlyphFolderState::ready;
        }
    }
    return GlyphFolderState::noImages;
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

std::optional<std::uint32_t> glyphCodeNumber(std::string_view digits, int base) {
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::string glyphCodeOf(char32_t cp) {
    auto codes = GlyphCodeSplitter{}.split(utf8::encode(cp));
    return codes.empty() ? std::string{} : codes.front();
}

std::optional<char32_t> characterOfGlyphCode(const std::string& code) {
    auto value = glyphCodeNumber(glyphFileStem(code), isWideGlyphCode(code) ? 16 : 10);
    if (!value || *value > utf8::kLastCodePoint || utf8::isSurrogate(*value)) return std::nullopt;
    // Malformed runs decode to values too, which the character's own UTF-8 would not give.
    if (glyphCodeOf(*value) != code) return std::nullopt;
    return static_cast<char32_t>(*value);
}
