#include "glyph_file_width.h"

#include <algorithm>
#include <string>
#include <vector>

#include "glyph_code_splitter.h"
#include "glyph_file.h"

namespace hostrun {
namespace {

// The file names of every narrow glyph, from the plugin's own splitter and file naming:
// each single byte split into its code, the narrow codes kept.
std::vector<std::filesystem::path> narrowFileNames() {
    std::vector<std::filesystem::path> names;
    for (int byte = 0; byte < 256; ++byte) {
        for (const auto& code : GlyphCodeSplitter{}.split(std::string(1, static_cast<char>(byte)))) {
            if (!isWideGlyphCode(code)) names.push_back(glyphImagePath({}, code).filename());
        }
    }
    return names;
}

}  // namespace

bool isNarrowGlyphFile(const std::filesystem::path& file) {
    static const auto narrow = narrowFileNames();
    return std::find(narrow.begin(), narrow.end(), file.filename()) != narrow.end();
}

}  // namespace hostrun
