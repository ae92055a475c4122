#include "font_index_lookup.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "ascii_name.h"
#include "path_text.h"

namespace {

constexpr char32_t kBasicLatinLetters[] = {U'A', U'B', U'C', U'D', U'E', U'F', U'G', U'H', U'I', U'J', U'K',
                                           U'L', U'M', U'N', U'O', U'P', U'Q', U'R', U'S', U'T', U'U', U'V',
                                           U'W', U'X', U'Y', U'Z', U'a', U'b', U'c', U'd', U'e', U'f', U'g',
                                           U'h', U'i', U'j', U'k', U'l', U'm', U'n', U'o', U'p', U'q', U'r',
                                           U's', U't', U'u', U'v', U'w', U'x', U'y', U'z'};

bool mapsAll(const IndexedFace& face, std::span<const char32_t> chars) {
    return std::all_of(chars.begin(), chars.end(), [&](char32_t c) { return mapsChar(face, c); });
}

FontSource sourceOf(const IndexedFace& face) { return {face.path, face.faceIndex}; }

std::optional<FontSource> firstMapping(const std::vector<IndexedFace>& faces,
                                       std::span<const char32_t> chars) {
    const auto found = std::find_if(faces.begin(), faces.end(),
                                    [&](const IndexedFace& face) { return mapsAll(face, chars); });
    if (found == faces.end()) return std::nullopt;
    return sourceOf(*found);
}

}  // namespace

bool mapsChar(const IndexedFace& face, char32_t c) {
    const auto after =
        std::upper_bound(face.ranges.begin(), face.ranges.end(), c,
                         [](char32_t value, const CodeRange& range) { return value < range.first; });
    return after != face.ranges.begin() && std::prev(after)->last >= c;
}

std::optional<FontSource> indexedFontFor(const std::vector<IndexedFace>& faces,
                                         std::span<const char32_t> chars) {
    if (chars.empty()) return std::nullopt;
    if (auto all = firstMapping(faces, chars)) return all;
    return firstMapping(faces, chars.first(1));
}

std::optional<FontSource> indexedMainFont(const std::vector<IndexedFace>& faces,
                                          std::span<const std::string_view> fileNames) {
    for (const auto name : fileNames) {
        for (const auto& face : faces) {
            if (face.ranges.empty() || !sameAsciiName(displayText(face.path.filename()), name)) continue;
            return sourceOf(face);
        }
    }
    return firstMapping(faces, kBasicLatinLetters);
}

std::optional<FontSource> indexedFontOfFamily(const std::vector<IndexedFace>& faces,
                                              std::string_view family) {
    if (family.empty()) return std::nullopt;
    const auto found = std::find_if(faces.begin(), faces.end(), [&](const IndexedFace& face) {
        return !face.ranges.empty() && sameAsciiName(face.family, family);
    });
    if (found == faces.end()) return std::nullopt;
    return sourceOf(*found);
}
