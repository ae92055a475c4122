#include "font_index.h"

#include <algorithm>
#include <array>
#include <exception>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

#include "font_index_faces.h"
#include "font_index_file.h"
#include "path_text.h"

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kFontExtensions = {".ttf", ".otf", ".ttc", ".otc"};
constexpr std::string_view kTemporaryExtension = ".tmp";
// Far above the index of any machine's fonts (a few hundred kilobytes): a larger file is not
// one this code wrote.
constexpr std::uintmax_t kMaxIndexBytes = 64ull << 20;

constexpr int kMediumWeight = 500;

struct FontFile {
    fs::path path;
    std::uintmax_t size = 0;
    std::int64_t writeTime = 0;
};

std::string asciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool isFontFileName(const fs::path& path) {
    const auto extension = asciiLower(displayText(path.extension()));
    return std::find(kFontExtensions.begin(), kFontExtensions.end(), extension) != kFontExtensions.end();
}

// A path the index's lines can hold; on Windows, displayText also refuses (throws for) a name
// with no UTF-8 form.
bool writable(const fs::path& path) { return displayText(path).find_first_of("\r\n") == std::string::npos; }

std::optional<FontFile> fontFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error) || !isFontFileName(entry.path()) || !writable(entry.path()))
        return std::nullopt;
    FontFile file{entry.path(), entry.file_size(error)};
    if (error) return std::nullopt;
    file.writeTime = entry.last_write_time(error).time_since_epoch().count();
    if (error) return std::nullopt;
    return file;
}

std::vector<FontFile> listFontFiles(std::span<const fs::path> folders) {
    std::vector<FontFile> files;
    for (const auto& folder : folders) {
        std::error_code error;
        fs::directory_iterator entry(folder, error);
        for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
            if (files.size() >= kMaxIndexedFontFiles) return files;
            try {
                if (auto file = fontFile(*entry)) files.push_back(std::move(*file));
            } catch (const std::exception&) {
                continue;
            }
        }
    }
    return files;
}

std::optional<std::vector<IndexedFace>> readIndexFile(const fs::path& indexFile) {
    std::error_code error;
    const auto size = fs::file_size(indexFile, error);
    if (error || size > kMaxIndexBytes) return std::nullopt;
    std::ifstream in(indexFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) return std::nullopt;
    return parseFontIndex(text.str());
}

// Written whole beside it and renamed over it, so that a reader never sees half an index.
void writeIndexFile(const fs::path& indexFile, const std::vector<IndexedFace>& faces) {
    std::error_code error;
    // The plugin's own folder may not be made yet; if it cannot be, the write below fails.
    fs::create_directories(indexFile.parent_path(), error);
    error.clear();
    std::string suffix(1, '.');
    suffix += std::to_string(std::random_device{}());
    suffix += kTemporaryExtension;
    auto temporary = indexFile;
    temporary += suffix;
    {
        std::ofstream out(temporary, std::ios::binary);
        out << formatFontIndex(faces);
        if (!out.flush()) error = std::make_error_code(std::errc::io_error);
    }
    if (!error) fs::rename(temporary, indexFile, error);
    std::error_code ignored;
    if (error) fs::remove(temporary, ignored);
}

// The faces the index knows of, by file.
std::map<fs::path, std::vector<IndexedFace>> byFile(std::vector<IndexedFace> faces) {
    std::map<fs::path, std::vector<IndexedFace>> files;
    for (auto& face : faces) files[face.path].push_back(std::move(face));
    return files;
}

bool unchanged(const std::vector<IndexedFace>& known, const FontFile& file) {
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (known[i].fileSize != file.size || known[i].writeTime != file.writeTime) return false;
        if (i > 0 && known[i].faceIndex <= known[i - 1].faceIndex) return false;
    }
    return true;
}

struct FreeTypeLibrary {
    FT_Library lib = nullptr;
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    ~FreeTypeLibrary() {
        if (lib) FT_Done_FreeType(lib);
    }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
};

// How far a weight is from regular, as CSS matches a weight of 400: 400 to 500 upward (0 to
// 100), then lighter downward (above 100, below 500), then heavier upward (above 500).
int weightRank(int weight) {
    if (weight >= kRegularWeight && weight <= kMediumWeight) return weight - kRegularWeight;
    if (weight < kRegularWeight) return kMediumWeight - weight;
    return weight;
}

// Sorted by style, then file name, path and face: the order lookups take, the same on every
// start.
void sortFaces(std::vector<IndexedFace>& faces) {
    struct Keyed {
        bool italic;
        int weightRank;
        std::string name;
        IndexedFace* face;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(faces.size());
    for (auto& face : faces)
        keyed.push_back(
            {face.italic, weightRank(face.weight), asciiLower(displayText(face.path.filename())), &face});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.italic != b.italic) return b.italic;
        if (a.weightRank != b.weightRank) return a.weightRank < b.weightRank;
        if (a.name != b.name) return a.name < b.name;
        if (a.face->path != b.face->path) return a.face->path < b.face->path;
        return a.face->faceIndex < b.face->faceIndex;
    });
    std::vector<IndexedFace> sorted;
    sorted.reserve(faces.size());
    for (auto& key : keyed) sorted.push_back(std::move(*key.face));
    faces = std::move(sorted);
}

}  // namespace

std::vector<IndexedFace> updateFontIndex(std::span<const fs::path> folders, const fs::path& indexFile) {
    const FreeTypeLibrary freeType;
    if (freeType.lib == nullptr) return {};
    const bool kept = !indexFile.empty();
    auto previous = kept ? readIndexFile(indexFile) : std::nullopt;
    bool changed = !previous.has_value();
    auto known = byFile(previous ? std::move(*previous) : std::vector<IndexedFace>{});
    std::vector<IndexedFace> faces;
    for (const auto& file : listFontFiles(folders)) {
        auto was = known.extract(file.path);
        if (was && unchanged(was.mapped(), file)) {
            std::move(was.mapped().begin(), was.mapped().end(), std::back_inserter(faces));
            continue;
        }
        changed = true;
        try {
            for (auto& face : readFontFaces(freeType.lib, file.path)) {
                face.fileSize = file.size;
                face.writeTime = file.writeTime;
                faces.push_back(std::move(face));
            }
        } catch (const std::exception&) {
            continue;
        }
    }
    // What is left was of files no longer there.
    if (!known.empty()) changed = true;
    sortFaces(faces);
    if (kept && changed) writeIndexFile(indexFile, faces);
    return faces;
}
