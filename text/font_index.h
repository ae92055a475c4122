#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "code_range.h"

// OS/2 weight classes: the scale a face's weight is kept on.
inline constexpr int kRegularWeight = 400;
inline constexpr int kBoldWeight = 700;
inline constexpr int kMaxWeight = 1000;

// A face of a font file in the index: its style, what it maps, and the file as it was when
// read, so that a file that changed is read again.
struct IndexedFace {
    std::filesystem::path path;
    long faceIndex = 0;
    int weight = kRegularWeight;  // 1 to kMaxWeight
    bool italic = false;          // italic or oblique
    std::string family;           // as FreeType names it (UTF-8); empty when the face has none
    std::uintmax_t fileSize = 0;
    std::int64_t writeTime = 0;     // the file's last write, in ticks of the file clock
    std::vector<CodeRange> ranges;  // code points with a nominal glyph: ascending, apart
};

// Bounds the work for a folder that is not what it seems: far above the fonts any machine
// has, and the faces of any real collection.
inline constexpr std::size_t kMaxIndexedFontFiles = 4000;
inline constexpr long kMaxFacesPerFontFile = 64;

// The faces of the font files (*.ttf, *.otf, *.ttc, *.otc, in any case) directly in `folders`,
// in the order lookups take them, so that a name's characters come from a regular upright face
// where one has them: upright before italic, then by weight as CSS matches 400 (400 to 500
// upward, then lighter downward, then heavier upward), then by file name without regard to
// ASCII case, by path and by face. Starts from the index kept in `indexFile`, reads only the
// files that are new or whose size or write time changed, and writes the index back when it
// differs; a missing or damaged index is built anew. An empty `indexFile` keeps it in memory
// only. A file that is not a font is kept as a face that maps nothing, so that it is not read
// again until it changes; one that cannot be opened is left out and tried again next time.
// Errors of folders, font files and the index file are not raised: what cannot be read is
// skipped.
std::vector<IndexedFace> updateFontIndex(std::span<const std::filesystem::path> folders,
                                         const std::filesystem::path& indexFile);
