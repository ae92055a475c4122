#include "font_index_faces.h"

#include FT_TRUETYPE_TABLES_H

#include "mapped_file.h"
#include "utf8.h"

namespace {

// The OS/2 version FreeType gives when a font has no such table.
constexpr FT_UShort kNoOs2Table = 0xFFFF;
// Some old fonts give their weight class as 1 to 9 for 100 to 900.
constexpr int kLastShortWeight = 9;
constexpr int kShortWeightScale = 100;

std::vector<CodeRange> mappedRanges(FT_Face face) {
    std::vector<CodeRange> ranges;
    FT_UInt glyph = 0;
    FT_ULong cp = FT_Get_First_Char(face, &glyph);
    while (glyph != 0 && cp <= utf8::kLastCodePoint) {
        // A damaged map may name glyphs the font does not have: no nominal glyph for that.
        if (glyph < static_cast<FT_UInt>(face->num_glyphs)) {
            const auto point = static_cast<CodePoint>(cp);
            if (!ranges.empty() && ranges.back().last + 1 == point) {
                ranges.back().last = point;
            } else {
                ranges.push_back({point, point});
            }
        }
        const FT_ULong next = FT_Get_Next_Char(face, cp, &glyph);
        if (next <= cp) break;
        cp = next;
    }
    return ranges;
}

// The OS/2 weight class where the font gives a usable one, else what its bold flag says.
int weightOf(FT_Face face) {
    const int flagged = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0 ? kBoldWeight : kRegularWeight;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 == nullptr || os2->version == kNoOs2Table) return flagged;
    const int weight = os2->usWeightClass;
    if (weight >= 1 && weight <= kLastShortWeight) return weight * kShortWeightScale;
    if (weight < 1 || weight > kMaxWeight) return flagged;
    return weight;
}

bool drawable(FT_Face face) { return FT_IS_SCALABLE(face) || face->num_fixed_sizes > 0; }

}  // namespace

std::vector<IndexedFace> readFontFaces(FT_Library lib, const std::filesystem::path& path) {
    const MappedFile file(path);
    std::vector<IndexedFace> faces;
    long count = 1;
    for (long index = 0; index < count && index < kMaxFacesPerFontFile; ++index) {
        FT_Face face = nullptr;
        if (FT_New_Memory_Face(lib, file.data(), static_cast<FT_Long>(file.size()), index, &face) != 0)
            continue;
        count = face->num_faces;
        IndexedFace entry;
        entry.path = path;
        entry.faceIndex = index;
        entry.weight = weightOf(face);
        entry.italic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
        if (face->family_name != nullptr) entry.family = face->family_name;
        if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) == 0 && drawable(face))
            entry.ranges = mappedRanges(face);
        FT_Done_Face(face);
        faces.push_back(std::move(entry));
    }
    if (faces.empty()) {
        IndexedFace nothing;
        nothing.path = path;
        faces.push_back(std::move(nothing));
    }
    return faces;
}
